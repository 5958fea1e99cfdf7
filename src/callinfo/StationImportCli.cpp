#include "callinfo/StationImportCli.h"

#include "callinfo/EdiStationImport.h"
#include "callinfo/KnownStations.h"
#include "platform/ProgramFolder.h"

#include <cstdio>

namespace StationImportCli {

int run(const ProgramFolder &folder, const QStringList &files)
{
    if (files.isEmpty()) {
        std::fprintf(stderr, "brelog: --import-stations needs one or more EDI files\n");
        return 1;
    }
    KnownStations store;
    QString error;
    if (!store.open(folder.file(QStringLiteral("evidencija.mdb")), &error)) {
        std::fprintf(stderr, "brelog: cannot open the known-stations database: %s\n", qPrintable(error));
        return 1;
    }
    const EdiStationImport::Summary s = EdiStationImport::importLogs(files, store);
    for (const QString &f : s.unreadFiles)
        std::fprintf(stderr, "brelog: not a readable EDI log: %s\n", qPrintable(f));
    for (const QString &line : EdiStationImport::summaryLines(s))
        std::printf("%s\n", line.toUtf8().constData());
    return s.ok() ? 0 : 1;
}

}
