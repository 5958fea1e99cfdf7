#include "shell/ProgramFiles.h"

#include "contest/ContestDatabase.h"

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
        // The prefix database is read-only data: a newer shipped one replaces an older
        // copy. Known stations are the operator's own and are never replaced.
        const QString shippedPrefixes = source.filePath(QStringLiteral("znakovi.mdb"));
        const QString prefixes = target.filePath(QStringLiteral("znakovi.mdb"));
        if (QFileInfo::exists(shippedPrefixes)
            && (!QFileInfo::exists(prefixes)
                || QFileInfo(shippedPrefixes).lastModified() > QFileInfo(prefixes).lastModified())) {
            const QString part = prefixes + QStringLiteral(".part");
            QFile::remove(part);
            if (QFile::copy(shippedPrefixes, part)) {
                QFile(part).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                QFile::remove(prefixes);
                QFile::rename(part, prefixes);
            }
        }
        const QString stations = target.filePath(QStringLiteral("evidencija.mdb"));
        if (!QFileInfo::exists(stations) && QFileInfo::exists(source.filePath(QStringLiteral("evidencija.mdb")))) {
            QFile::copy(source.filePath(QStringLiteral("evidencija.mdb")), stations);
            QFile(stations).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    const QString contest = target.filePath(QStringLiteral("contest.mdb"));
    if (!QFileInfo::exists(contest) && !ContestDatabase::createFile(contest, error))
        return false;
    return true;
}

}
