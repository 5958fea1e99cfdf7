#pragma once
#include <QSqlDatabase>
#include <QString>
#include <functional>

class ProgramFolder;
struct ContestSettings;

// `brelog --export edi|adif --band BAND`: writes the band's export file into the
// program folder's log folder without a window, prints the path written and returns
// the exit code (non-zero with a message on standard error on failure). With
// `--database URL` it reads the contest of that shared database instead of contest.mdb.
namespace ExportCli {
int run(const ProgramFolder &folder, const QString &format, const QString &band, const QString &database = {});

// The steps every command-line export shares: checks the band, opens the contest
// database (the program folder's contest.mdb, or the server of `database` when given)
// and reads the contest data, then runs `write`, whose result is the exit code.
// Failures print a message and give 1.
int withContest(const ProgramFolder &folder, const QString &band, const QString &database,
                const std::function<int(QSqlDatabase db, const ContestSettings &settings)> &write);
// Prints "brelog: <message>" on standard error and gives 1.
int fail(const QString &message);
}
