// Build-time tool: writes the prefix database znakovi.mdb from a cty.dat file and,
// when none is there yet, an empty known-stations database evidencija.mdb.
//
//   ctydb CTY.DAT ZNAKOVI.MDB
//   ctydb --known-stations EVIDENCIJA.MDB

#include "callinfo/CtyDat.h"
#include "callinfo/KnownStations.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: ctydb CTY.DAT ZNAKOVI.MDB | ctydb --known-stations EVIDENCIJA.MDB\n");
        return 2;
    }
    QString error;
    if (args.at(1) == QLatin1String("--known-stations")) {
        if (!KnownStations::ensureDatabase(args.at(2), &error)) {
            std::fprintf(stderr, "ctydb: %s: %s\n", qPrintable(args.at(2)), qPrintable(error));
            return 1;
        }
        return 0;
    }
    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "ctydb: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    int skipped = 0;
    const QVector<CtyDat::Entity> entities = CtyDat::parse(QString::fromLatin1(in.readAll()), &skipped);
    if (entities.isEmpty() || skipped > 0) {
        std::fprintf(stderr, "ctydb: %s: %d entities read, %d records not understood\n", qPrintable(args.at(1)),
                     int(entities.size()), skipped);
        return 1;
    }
    if (!CtyDat::writePrefixDatabase(args.at(2), entities, &error)) {
        std::fprintf(stderr, "ctydb: %s: %s\n", qPrintable(args.at(2)), qPrintable(error));
        return 1;
    }
    return 0;
}
