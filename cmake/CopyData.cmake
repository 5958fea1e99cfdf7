# Copies the shipped data files into the program folder of the build. The operator's
# language choice (jezik/jezik.ini) and the CW memories (cw/*.txt) survive a rebuild:
# they are copied only when missing.
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f ${files})
  if((f STREQUAL "jezik/jezik.ini" OR f MATCHES "^cw/") AND EXISTS "${DST}/${f}")
    continue()
  endif()
  if(f MATCHES "^ctydata/")
    continue()
  endif()
  get_filename_component(dir "${DST}/${f}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  file(COPY_FILE "${SRC}/${f}" "${DST}/${f}" ONLY_IF_DIFFERENT)
endforeach()
