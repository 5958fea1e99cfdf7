#pragma once
#include <QString>

// `brelog --export edi|adif --band BAND`: writes the band's export file into the
// program folder's log folder without a window, prints the path written and returns
// the exit code (non-zero with a message on standard error on failure). With
// `--database URL` it reads the contest of that shared database instead of contest.mdb.
namespace ExportCli {
int run(const QString &format, const QString &band, const QString &database = {});
}
