#pragma once
#include <QProcessEnvironment>
#include <QString>

// Where the read-only shipped files are and which program folder a start without
// --folder uses. A build tree has the shipped files beside the executable and is its
// own program folder. An installed program (bin/brelog with share/brelog beside bin/)
// must not write into its prefix, so its program folder is the user's data folder,
// laid out from share/brelog.
struct InstallLayout
{
    bool installed = false;
    QString shippedData;
    QString defaultProgramFolder;

    // executableDir: the folder of the running program; env supplies HOME and XDG_DATA_HOME.
    static InstallLayout detect(const QString &executableDir, const QProcessEnvironment &env);
    // ${XDG_DATA_HOME:-$HOME/.local/share}/brelog; a relative XDG_DATA_HOME is ignored,
    // as the XDG base directory rules say.
    static QString userDataFolder(const QProcessEnvironment &env);
};
