# What `cmake --install` (and so the Debian package) puts where: the program in bin/,
# the read-only shipped files in share/brelog, from which an installed program lays out
# the user's own folder, and the desktop's menu entry, icons, AppStream data and manual.
install(TARGETS brelog RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(BRELOG_SHARE ${CMAKE_INSTALL_DATADIR}/brelog)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${BRELOG_SHARE}
        PATTERN README EXCLUDE
        PATTERN ctydata EXCLUDE)
# Built from data/ctydata at build time.
install(FILES ${BRELOG_BIN_DIR}/znakovi.mdb ${BRELOG_BIN_DIR}/evidencija.mdb DESTINATION ${BRELOG_SHARE})

set(BRELOG_DIST ${CMAKE_SOURCE_DIR}/dist)
install(FILES ${BRELOG_DIST}/brelog.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${BRELOG_DIST}/org.brelog.Brelog.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${BRELOG_DIST}/brelog.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${BRELOG_DIST}/icons/brelog.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${BRELOG_DIST}/icons/brelog-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME brelog.png)
endforeach()
