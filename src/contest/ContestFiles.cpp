#include "contest/ContestFiles.h"

#include "contest/ContestDatabase.h"
#include "contest/ContestSession.h"
#include "platform/SafeFile.h"
#include "platform/SqliteDatabase.h"
#include "platform/UtcClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>

namespace ContestFiles {

namespace {

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

// A consistent copy of the working file: through the open connection when there is
// one, otherwise through a connection of its own.
bool copyWorkingFile(ContestSession &session, const QString &target, QString *error)
{
    if (session.isOpen())
        return ContestDatabase::copyToFile(session.database(), target, error);
    if (session.usesServer()) {
        setError(error, QStringLiteral("the contest database server cannot be reached"));
        return false;
    }
    QSqlDatabase db = SqliteDatabase::open(session.path(), QStringLiteral("contest-copy"), error, false);
    if (!db.isValid())
        return false;
    const bool ok = SqliteDatabase::copyTo(db, target, error);
    SqliteDatabase::close(db);
    return ok;
}

bool copyDatabaseFile(const QString &source, const QString &target, QString *error)
{
    static int counter = 0;
    const QString name = QStringLiteral("contest-source-%1").arg(++counter);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(source);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            setError(error, db.lastError().text());
        else
            ok = SqliteDatabase::copyTo(db, target, error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool reopen(ContestSession &session, QString *error)
{
    QString reason;
    if (session.open(&reason))
        return true;
    if (error && error->isEmpty())
        *error = reason;
    return false;
}

// Keeps a copy of the working file in BackUp before it is replaced, so that no command
// ever throws a worked log away. A working file SQLite cannot read is kept byte for
// byte. True (with an empty `savedPath`) when there is no working file to keep.
bool autosaveWorkingFile(ContestSession &session, const UtcClock &clock, QString *savedPath, QString *error)
{
    const QString path = session.path();
    if (!QFileInfo::exists(path))
        return true;
    if (!QDir().mkpath(backupFolder(session))) {
        setError(error, QStringLiteral("%1: cannot create the folder").arg(backupFolder(session)));
        return false;
    }
    const QString save = freeAutosavePath(session, clock);
    bool saved = copyWorkingFile(session, save, error);
    if (!saved && !session.isOpen())
        saved = QFile::copy(path, save);
    if (!saved)
        return false;
    if (error)
        error->clear();
    *savedPath = save;
    return true;
}

// On a server the contest is replaced inside the shared database, after the same
// safety copy of the old one that the working file gets.
bool replaceSharedContest(ContestSession &session, const UtcClock &clock, const QString &source,
                          QString *autosavePath, QString *error)
{
    if (!session.isConnected()) {
        setError(error, QStringLiteral("the contest database server cannot be reached"));
        return false;
    }
    if (!QDir().mkpath(backupFolder(session))) {
        setError(error, QStringLiteral("%1: cannot create the folder").arg(backupFolder(session)));
        return false;
    }
    const QString save = freeAutosavePath(session, clock);
    if (!copyWorkingFile(session, save, error))
        return false;
    *autosavePath = save;
    return ContestDatabase::replaceSharedContest(session.database(), source, error);
}

// A journal left beside the old working file must not be rolled into its successor.
void removeJournal(const QString &path)
{
    QFile::remove(path + QStringLiteral("-journal"));
}

}

QString backupFolder(const ContestSession &session)
{
    return session.folder().file(QStringLiteral("BackUp"));
}

QString copyPath(const ContestSession &session, const QString &contestName)
{
    return QDir(backupFolder(session)).filePath(contestName.trimmed() + QStringLiteral(".mdb"));
}

bool isValidCopyName(const QString &contestName)
{
    const QString n = contestName.trimmed();
    if (n.isEmpty() || n == QLatin1String(".") || n == QLatin1String(".."))
        return false;
    for (const QChar c : n) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    }
    // Windows refuses names that end in a dot and the device names, with any extension.
    if (n.endsWith(QLatin1Char('.')))
        return false;
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(n).hasMatch())
        return false;
    return QFile::encodeName(n).size() + 4 <= 255;
}

QString freeAutosavePath(const ContestSession &session, const UtcClock &clock)
{
    const QString stamp = clock.nowUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QDir dir(backupFolder(session));
    QString path = dir.filePath(QStringLiteral("autosave-%1.mdb").arg(stamp));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(path + QStringLiteral(".part")); ++n)
        path = dir.filePath(QStringLiteral("autosave-%1-%2.mdb").arg(stamp).arg(n));
    return path;
}

CopyResult saveContestCopy(ContestSession &session, const QString &contestName, QString *error)
{
    if (!isValidCopyName(contestName)) {
        setError(error, QStringLiteral("\"%1\" is not a valid file name").arg(contestName.trimmed()));
        return CopyResult::InvalidName;
    }
    if (!QDir().mkpath(backupFolder(session))) {
        setError(error, QStringLiteral("%1: cannot create the folder").arg(backupFolder(session)));
        return CopyResult::Failed;
    }
    return copyWorkingFile(session, copyPath(session, contestName), error) ? CopyResult::Saved : CopyResult::Failed;
}

NewContestResult createContestDatabase(ContestSession &session, const UtcClock &clock, const BeforeClose &beforeClose)
{
    NewContestResult r;
    const QString path = session.path();
    if (session.usesServer()) {
        r.ok = replaceSharedContest(session, clock, QString(), &r.autosavePath, &r.error);
        return r;
    }

    if (!autosaveWorkingFile(session, clock, &r.autosavePath, &r.error))
        return r;

    const QString fresh = path + QStringLiteral(".new");
    QFile::remove(fresh);
    if (!ContestDatabase::createFile(fresh, &r.error)) {
        QFile::remove(fresh);
        return r;
    }
    if (beforeClose)
        beforeClose();
    session.close();
    removeJournal(path);
    if (!SafeFile::replace(fresh, path, &r.error)) {
        QFile::remove(fresh);
        reopen(session, &r.error);
        return r;
    }
    r.ok = reopen(session, &r.error);
    return r;
}

OpenResult openSavedContest(ContestSession &session, const UtcClock &clock, const QString &chosenPath,
                            const BeforeClose &beforeClose)
{
    OpenResult r;
    const QString path = session.path();
    if (chosenPath.isEmpty()) {
        r.error = QStringLiteral("no file chosen");
        return r;
    }
    if (!ContestDatabase::isContestDatabase(chosenPath, &r.error))
        return r;
    if (session.usesServer()) {
        r.ok = replaceSharedContest(session, clock, chosenPath, &r.autosavePath, &r.error);
        return r;
    }

    if (QFileInfo(chosenPath).canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
        // The working file itself: nothing to copy, the log is read afresh.
        if (beforeClose)
            beforeClose();
        r.reopened = true;
        r.ok = reopen(session, &r.error);
        return r;
    }

    if (!autosaveWorkingFile(session, clock, &r.autosavePath, &r.error)) {
        r.error = QStringLiteral("the working contest could not be kept in BackUp (%1)").arg(r.error);
        return r;
    }
    const QString incoming = path + QStringLiteral(".incoming");
    QFile::remove(incoming);
    if (!copyDatabaseFile(chosenPath, incoming, &r.error)) {
        QFile::remove(incoming);
        if (!session.isOpen())
            r.reopened = reopen(session, &r.error);
        return r;
    }
    if (beforeClose)
        beforeClose();
    session.close();
    r.reopened = true;
    removeJournal(path);
    if (!SafeFile::replace(incoming, path, &r.error)) {
        QFile::remove(incoming);
        reopen(session, &r.error);
        return r;
    }
    r.ok = reopen(session, &r.error);
    return r;
}

}
