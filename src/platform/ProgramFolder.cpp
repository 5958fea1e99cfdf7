#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString &folderStore()
{
    static QString folder;
    return folder;
}
}

namespace ProgramFolder {

QString path()
{
    QString &f = folderStore();
    if (f.isEmpty() && QCoreApplication::instance())
        f = QCoreApplication::applicationDirPath();
    return f;
}

void setPath(const QString &folder)
{
    folderStore() = QDir(folder).absolutePath();
}

QString file(const QString &relative)
{
    return QDir(path()).filePath(relative);
}

}
