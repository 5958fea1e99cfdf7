#include "TestSupport.h"
#include "contest/ContestDatabase.h"
#include "platform/SqliteDatabase.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTest>
#include <csignal>

// A save that returned is on disk: killing the program at any moment loses nothing
// it reported saved and never damages the file.
class TestCrashSafety : public QObject
{
    Q_OBJECT
private slots:
    void killedWhileSavingKeepsEverySavedQso();
};

void TestCrashSafety::killedWhileSavingKeepsEverySavedQso()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contest.mdb"));
    const QString driver = QStringLiteral(BRELOG_TESTS_BIN_DIR "/drv_saveloop");
    QSet<qint64> reported;
    QRandomGenerator rng(20261210);
    for (int round = 0; round < 24; ++round) {
        QProcess p;
        p.start(driver, {path});
        QVERIFY2(p.waitForStarted(), qPrintable(p.errorString()));
        // Let it save for a random while, at least until a few saves were reported.
        QByteArray out;
        const int wantLines = 1 + int(rng.bounded(40));
        QElapsedTimer t;
        t.start();
        while (out.count('\n') < wantLines && t.elapsed() < 10000) {
            p.waitForReadyRead(50);
            out += p.readAllStandardOutput();
        }
        QTest::qWait(int(rng.bounded(15)));
        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished();
        out += p.readAllStandardOutput();
        // Only complete lines were reported: a cut-off last line was not yet printed whole.
        const QList<QByteArray> lines = out.split('\n');
        for (int i = 0; i + 1 < lines.size(); ++i)
            reported.insert(lines.at(i).toLongLong());
        QVERIFY2(p.exitStatus() == QProcess::CrashExit, "the driver ended by itself");
    }
    QVERIFY(reported.size() > 24);

    QString error;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("crash-check"), &error, false);
    QVERIFY2(db.isValid(), qPrintable(error));
    {
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        QSet<qint64> stored;
        QVERIFY(q.exec(QStringLiteral("SELECT ID FROM takmicenje")));
        while (q.next())
            stored.insert(q.value(0).toLongLong());
        for (qint64 id : reported)
            QVERIFY2(stored.contains(id), qPrintable(QStringLiteral("QSO %1 was reported saved but is lost").arg(id)));
    }
    SqliteDatabase::close(db);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
