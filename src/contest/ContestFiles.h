#pragma once
#include <QString>
#include <functional>

class ContestSession;
class UtcClock;

// The working contest file as a whole: a fresh contest, copies in BackUp and
// bringing a copy back. Every operation either completes or leaves the working file
// as it was, and leaves the session's connection open afterwards.
namespace ContestFiles {

// Called right before the session's connection is closed, so that whoever reads
// through it (the log grid) can let go of its queries first.
using BeforeClose = std::function<void()>;

QString backupFolder(const ContestSession &session);                           // <program folder>/BackUp
QString copyPath(const ContestSession &session, const QString &contestName); // BackUp/<trimmed name>.mdb

// True when the trimmed contest name can be used as a file name on the systems the
// program runs on: not empty, no path separator, none of the characters Windows
// refuses, no control character, not a reserved device name, not "." or "..".
bool isValidCopyName(const QString &contestName);

// A name in BackUp that no file has yet: autosave-YYYYMMDD-HHMMSS.mdb from the UTC
// clock, with "-2", "-3", ... appended before ".mdb" when that name is taken.
QString freeAutosavePath(const ContestSession &session, const UtcClock &clock);

enum class CopyResult { Saved, InvalidName, Failed };
// Writes a consistent copy of the working database to BackUp/<name>.mdb, replacing an
// older copy of that name only once the new one is complete.
CopyResult saveContestCopy(ContestSession &session, const QString &contestName, QString *error = nullptr);

struct NewContestResult
{
    bool ok = false;
    QString autosavePath; // the copy of the old contest (empty when there was none)
    QString error;
};
// Keeps a copy of the old working file under freeAutosavePath(), then replaces the
// working file by an empty contest database and reopens the connection on it. When
// the old contest cannot be copied, nothing is deleted.
NewContestResult createContestDatabase(ContestSession &session, const UtcClock &clock,
                                       const BeforeClose &beforeClose = {});

struct OpenResult
{
    bool ok = false;
    bool reopened = false; // the connection was closed and opened again (on either file)
    QString autosavePath;  // the copy of the replaced contest (empty when none was made)
    QString error;
};
// Keeps a copy of the working file under freeAutosavePath() and makes a copy of
// `chosenPath` the working file; when the working file cannot be kept, nothing is
// opened. The chosen file must be a contest database; otherwise, and on any other
// failure, the working file stays unchanged and the connection stays (or is again)
// open on it.
OpenResult openSavedContest(ContestSession &session, const UtcClock &clock, const QString &chosenPath,
                            const BeforeClose &beforeClose = {});

}
