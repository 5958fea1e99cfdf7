#pragma once
#include <QStringList>

class ProgramFolder;

// `brelog --import-stations FILE...`: adds the stations of old EDI logs to the
// known-stations database of the program folder, prints the summary and returns the
// exit code (non-zero when no file could be read).
namespace StationImportCli {
int run(const ProgramFolder &folder, const QStringList &files);
}
