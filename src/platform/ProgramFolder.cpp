#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

ProgramFolder::ProgramFolder(const QString &path) : m_path(QDir(path).absolutePath())
{
}

QString ProgramFolder::executableFolder()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString ProgramFolder::file(const QString &relative) const
{
    return QDir(m_path).filePath(relative);
}
