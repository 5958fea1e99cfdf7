// Saves QSOs into a contest database in a loop and prints each ID once its save
// returned, so a test can kill it at any moment and check what survived.
#include "contest/ContestDatabase.h"
#include "contestlog/LogStore.h"
#include "platform/SqliteDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drv_saveloop CONTEST.mdb\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QString error;
    if (!QFileInfo::exists(path) && !ContestDatabase::createFile(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QSqlDatabase db = ContestDatabase::open(path, &error);
    if (!db.isValid()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    LogStore store(db);
    for (qint64 n = 1;; ++n) {
        QsoEntry e;
        e.time = QStringLiteral("12:00");
        e.call = QStringLiteral("CRASH%1").arg(n);
        e.rsts = 59;
        e.nrs = n;
        e.mode = QStringLiteral("SSB");
        e.rstr = 59;
        e.nrr = n;
        e.loc = QStringLiteral("JN86CD");
        e.qrb = 121;
        e.bearing = 6;
        e.date = QStringLiteral("2026-05-02");
        e.dupla = QStringLiteral("-");
        e.band = QStringLiteral("144 MHz");
        const auto row = store.insert(e, &error);
        if (!row) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%lld\n", row->id);
        std::fflush(stdout);
    }
}
