#include "platform/InstallLayout.h"

#include <QDir>
#include <QFileInfo>

#ifndef BRELOG_DATA_FROM_BIN
#define BRELOG_DATA_FROM_BIN "../share/brelog"
#endif

namespace {

// The language packs are the one folder every shipped-data folder has.
bool holdsShippedData(const QString &folder)
{
    return QFileInfo(QDir(folder).filePath(QStringLiteral("jezik"))).isDir();
}

}

QString InstallLayout::userDataFolder(const QProcessEnvironment &env)
{
    const QString xdg = env.value(QStringLiteral("XDG_DATA_HOME"));
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg + QStringLiteral("/brelog"));
    QString home = env.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::homePath();
    return QDir::cleanPath(home + QStringLiteral("/.local/share/brelog"));
}

InstallLayout InstallLayout::detect(const QString &executableDir, const QProcessEnvironment &env)
{
    InstallLayout layout;
    const QString exe = QDir::cleanPath(QDir(executableDir).absolutePath());
    const QString share = QDir::cleanPath(QDir(exe).filePath(QStringLiteral(BRELOG_DATA_FROM_BIN)));
    // A build tree wins when both exist, so that a developer's build never reads
    // the data of an installed copy.
    if (!holdsShippedData(exe) && holdsShippedData(share)) {
        layout.installed = true;
        layout.shippedData = share;
        layout.defaultProgramFolder = userDataFolder(env);
    } else {
        layout.shippedData = exe;
        layout.defaultProgramFolder = exe;
    }
    return layout;
}
