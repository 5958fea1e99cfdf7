#include "shell/ProgramFiles.h"

#include "contest/ContestDatabase.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace ProgramFiles {

namespace {

// An SQLite file holding the two prefix tables; never modifies the file.
bool isPrefixDatabase(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.read(16) != QByteArray("SQLite format 3\0", 16))
        return false;
    f.close();
    const QString name = QStringLiteral("prefix-check");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                       "AND name IN ('Prefixes', 'CTYDAT')"))
                 && q.next() && q.value(0).toInt() == 2;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}

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
                                   QStringLiteral("help"), QStringLiteral("map")}) {
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
        // A copy that is not a prefix database any more (cut short, overwritten) is
        // replaced whatever its date.
        if (QFileInfo::exists(shippedPrefixes)
            && (!QFileInfo::exists(prefixes)
                || QFileInfo(shippedPrefixes).lastModified() > QFileInfo(prefixes).lastModified()
                || !isPrefixDatabase(prefixes))) {
            const QString part = prefixes + QStringLiteral(".part");
            QFile::remove(part);
            if (QFile::copy(shippedPrefixes, part)) {
                QFile copy(part);
                copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                // The copy carries the shipped file's date, so that a later shipped file
                // replaces it even when its date is older than the moment of copying (a
                // package's files carry the date of its release, not of its install).
                if (copy.open(QIODevice::ReadWrite))
                    copy.setFileTime(QFileInfo(shippedPrefixes).lastModified(), QFileDevice::FileModificationTime);
                copy.close();
                if (!SafeFile::replace(part, prefixes, nullptr))
                    QFile::remove(part);
            }
        }
        const QString stations = target.filePath(QStringLiteral("evidencija.mdb"));
        if (!QFileInfo::exists(stations) && QFileInfo::exists(source.filePath(QStringLiteral("evidencija.mdb")))) {
            QFile::copy(source.filePath(QStringLiteral("evidencija.mdb")), stations);
            QFile(stations).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    const QString contest = target.filePath(QStringLiteral("contest.mdb"));
    if (!QFileInfo::exists(contest)) {
        // The folder's own reason ("Read-only file system", "disk full") says more than
        // the database driver's.
        if (!SafeFile::checkFolderWritable(programFolder, error))
            return false;
        if (!ContestDatabase::createFile(contest, error))
            return false;
    }
    return true;
}

}
