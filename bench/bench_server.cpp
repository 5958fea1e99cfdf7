// Save latency of one QSO (LogStore::save: band lock, duplicate test and totals inside
// the transaction, commit) on a local PostgreSQL server next to the working file
// contest.mdb (SQLite), in the same run, with both engines syncing every commit to
// disk. The server is one of the benchmark's own (as the tests start it); without the
// server programs the server half is skipped with a message.
#include "support/BenchFigures.h"
#include "PgTestServer.h"
#include "TestSupport.h"

#include "contest/ContestDatabase.h"
#include "contestlog/LogStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

// `prefill` QSOs on the band first, then `runs` timed saves.
bool measure(QSqlDatabase db, int prefill, int runs, BenchFigures &out)
{
    LogStore store(db);
    const QString band = QStringLiteral("144 MHz");
    QString error;
    for (int i = 0; i < prefill; ++i) {
        if (!store.insert(TestSupport::sampleQso(QStringLiteral("S5%1AA").arg(i), band, i + 1), &error)) {
            std::fprintf(stderr, "prefill failed: %s\n", qPrintable(error));
            return false;
        }
    }
    QVector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        const QsoEntry e = TestSupport::sampleQso(QStringLiteral("9A%1X").arg(i), band, prefill + i + 1);
        t.start();
        if (!store.save(e, &error)) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
            return false;
        }
        ms << t.nsecsElapsed() / 1e6;
    }
    out = benchFigures(ms);
    return true;
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool smoke = app.arguments().contains(QStringLiteral("--smoke"));
    const int prefill = smoke ? 50 : 2000;
    const int runs = smoke ? 10 : 200;

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("contest.mdb"));
    QString error;
    if (!ContestDatabase::createFile(file, &error)) {
        std::fprintf(stderr, "cannot create the contest file: %s\n", qPrintable(error));
        return 1;
    }
    QSqlDatabase local = ContestDatabase::open(file, &error);
    BenchFigures sqlite;
    const bool sqliteOk = local.isValid() && measure(local, prefill, runs, sqlite);
    ContestDatabase::close(local);
    if (!sqliteOk)
        return 1;

    std::printf("save of one QSO on a band of %d, %d saves, ms (median / p90):\n", prefill, runs);
    std::printf("  SQLite contest.mdb (synchronous=FULL)      %7.2f / %7.2f\n", sqlite.median, sqlite.p90);

    const QString missing = PgTestServer::unavailableReason();
    if (!missing.isEmpty() || !QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        std::printf("  PostgreSQL: skipped (%s)\n",
                    missing.isEmpty() ? "the QPSQL driver is not installed" : qPrintable(missing));
        return 0;
    }
    PgTestServer server;
    if (!server.start(&error, true)) {
        std::printf("  PostgreSQL: skipped (the server did not start: %s)\n", qPrintable(error));
        return 0;
    }
    const QString url = server.createDatabase(QStringLiteral("bench"), &error);
    QSqlDatabase shared = url.isEmpty() ? QSqlDatabase() : ContestDatabase::openServer(url, &error);
    if (!shared.isValid()) {
        std::fprintf(stderr, "cannot open the server database: %s\n", qPrintable(error));
        return 1;
    }
    BenchFigures pg;
    const bool pgOk = measure(shared, prefill, runs, pg);
    ContestDatabase::close(shared);
    if (!pgOk)
        return 1;
    std::printf("  PostgreSQL on 127.0.0.1 (fsync on)         %7.2f / %7.2f   ratio %.2fx\n", pg.median, pg.p90,
                sqlite.median > 0 ? pg.median / sqlite.median : 0);
    return 0;
}
