// Exporting a full band (32,766 QSOs) as EDI and ADIF, set against reading the
// same rows from the contest database. Prints medians and the export/read ratios.
#include "support/BenchFigures.h"
#include "TestSupport.h"

#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"
#include "contestlog/LogStore.h"
#include "export/LogExport.h"
#include "platform/SqliteDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>

namespace {

bool fill(QSqlDatabase db, const QString &band, int count, int firstSerial)
{
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, "
                             "QSOs, ODX, Date, Points, Dupla, Longitu, Latitu, DXCCd, Dodatak1) "
                             "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    static const char *const modes[] = {"SSB", "CW", "FM", "Drugo!"};
    for (int i = 0; i < count; ++i) {
        QsoEntry e = TestSupport::sampleQso(QStringLiteral("S5%1AB/P").arg(i % 1000, 3, 10, QLatin1Char('0')), band,
                                            firstSerial + i);
        e.mode = QLatin1String(modes[i % 4]);
        e.qrb = 50 + (i * 37) % 900;
        e.time = QStringLiteral("%1:%2").arg((i / 60) % 24, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'));
        e.dupla = i % 97 == 0 ? QStringLiteral("D") : QStringLiteral("-");
        const QsoRow r = LogStore::storedForm(e, 0);
        for (const QString &v : {r.time, r.call, r.rsts, r.nrs, r.mode, r.rstr, r.nrr, r.loc, r.qrb, r.bearing,
                                 r.qsos, r.odx, r.date, r.points, r.dupla, r.longitu, r.latitu, r.dxccd, r.dodatak1})
            q.addBindValue(v);
        if (!q.exec()) {
            std::fprintf(stderr, "insert failed: %s\n", qPrintable(q.lastError().text()));
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool smoke = app.arguments().contains(QStringLiteral("--smoke"));
    const int bandSize = smoke ? 300 : 32766;
    const int runs = smoke ? 1 : 7;

    TempProgramFolder folder(false);
    const QString path = folder.file(QStringLiteral("contest.mdb"));
    QString error;
    if (!ContestDatabase::createFile(path, &error) || !TestSupport::addBands(path, {3, 4, 5})) {
        std::fprintf(stderr, "cannot create the contest: %s\n", qPrintable(error));
        return 1;
    }
    QSqlDatabase db = ContestDatabase::open(path, &error);
    const QString band = QStringLiteral("144 MHz");
    if (!db.isValid() || !fill(db, band, bandSize, 1) || !fill(db, QStringLiteral("432 MHz"), bandSize / 10, 1)
        || !fill(db, QStringLiteral("1,3 GHz"), bandSize / 20, 1)) {
        std::fprintf(stderr, "cannot fill the contest\n");
        return 1;
    }

    int code = 0;
    {
        ContestSettings settings;
        LogStore::Totals t;
        if (!ContestSettingsTable::load(db, settings, &error) || !LogStore(db).totals(band, t, &error)) {
            std::fprintf(stderr, "cannot read: %s\n", qPrintable(error));
            return 1;
        }
        const ExportTotals totals{QString::number(t.count), QString::number(t.points)};

        QVector<double> read, edi, adif;
        QElapsedTimer timer;
        for (int run = 0; run < runs; ++run) {
            QVector<QsoRow> rows;
            timer.start();
            LogStore(db).bandRows(band, rows);
            read.append(timer.nsecsElapsed() / 1e6);
            if (rows.size() != bandSize) {
                std::fprintf(stderr, "read %lld rows, expected %d\n", qlonglong(rows.size()), bandSize);
                code = 1;
            }
            for (auto [format, times] : {std::pair{LogExport::Format::Edi, &edi}, std::pair{LogExport::Format::Adif, &adif}}) {
                timer.start();
                const LogExport::Result r =
                    LogExport::exportBand(db, format, band, settings, totals, folder.path());
                times->append(timer.nsecsElapsed() / 1e6);
                if (!r.ok()) {
                    std::fprintf(stderr, "export failed: %s %s\n", qPrintable(r.path), qPrintable(r.detail));
                    code = 1;
                }
            }
        }
        const double r = benchMedian(read), e = benchMedian(edi), a = benchMedian(adif);
        std::printf("band of %d QSOs (+%d on other bands), %d run(s), medians:\n", bandSize,
                    bandSize / 10 + bandSize / 20, runs);
        std::printf("  read rows (LogStore::bandRows)  %8.1f ms\n", r);
        std::printf("  EDI export (read+compose+write) %8.1f ms   ratio %.2fx\n", e, r > 0 ? e / r : 0);
        std::printf("  ADIF export (read+compose+write)%8.1f ms   ratio %.2fx\n", a, r > 0 ? a / r : 0);
        std::printf("  target: export <= 3x read: %s\n", (e <= 3 * r && a <= 3 * r) ? "met" : "NOT met");
    }
    SqliteDatabase::close(db);
    return code;
}
