#pragma once
#include <QString>

// `brelog --export edi|adif --band BAND`: writes the band's export file into the
// program folder's log folder without a window, prints the path written and returns
// the exit code (non-zero with a message on standard error on failure).
namespace ExportCli {
int run(const QString &format, const QString &band);
}
