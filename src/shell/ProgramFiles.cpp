#include "shell/ProgramFiles.h"

#include "contestlog/ContestDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace ProgramFiles {

bool ensureShippedFiles(const QString &shippedFolder, const QString &programFolder, QString *error)
{
    QDir target(programFolder);
    if (!target.exists() && !QDir().mkpath(programFolder)) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(programFolder);
        return false;
    }
    const QDir source(shippedFolder);
    if (QFileInfo(shippedFolder).canonicalFilePath() != QFileInfo(programFolder).canonicalFilePath()) {
        // Only the shipped data folders and files; the executables and databases of
        // the source folder are not part of another program folder.
        for (const QString &sub : {QStringLiteral("jezik"), QStringLiteral("cw"), QStringLiteral("zvukovi"),
                                   QStringLiteral("help")}) {
            QDirIterator it(source.filePath(sub), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString f = it.next();
                const QString dest = target.filePath(source.relativeFilePath(f));
                if (QFileInfo::exists(dest))
                    continue;
                QDir().mkpath(QFileInfo(dest).absolutePath());
                QFile::copy(f, dest);
                QFile(dest).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
            }
        }
        for (const QString &name : {QStringLiteral("znakovi.mdb"), QStringLiteral("evidencija.mdb")}) {
            const QString dest = target.filePath(name);
            if (!QFileInfo::exists(dest) && QFileInfo::exists(source.filePath(name))) {
                QFile::copy(source.filePath(name), dest);
                QFile(dest).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            }
        }
    }
    const QString contest = target.filePath(QStringLiteral("contest.mdb"));
    if (!QFileInfo::exists(contest) && !ContestDatabase::createFile(contest, error))
        return false;
    return true;
}

}
