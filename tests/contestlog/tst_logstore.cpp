#include "TestSupport.h"
#include "contest/ContestDatabase.h"
#include "contestlog/LogStore.h"
#include "platform/SqliteDatabase.h"

#include <QSqlQuery>
#include <QTest>

// The log statements on a real contest database file.
class TestLogStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void storesTextsWithOneTrailingBlank();
    void bandSelectionIgnoresStoredBlankAndTrimsBandText_data();
    void bandSelectionIgnoresStoredBlankAndTrimsBandText();
    void totalsOfEmptyAndFilledBand();
    void rowsComeInStoredOrderAfterDeletes();
    void failingInsertLeavesTableUnchanged();
    void foreignFileIsNotAContestDatabase();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    QSqlDatabase m_db;
};

void TestLogStore::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    QString error;
    m_db = ContestDatabase::open(m_folder->file(QStringLiteral("contest.mdb")), &error);
    QVERIFY2(m_db.isValid(), qPrintable(error));
}

void TestLogStore::cleanup()
{
    SqliteDatabase::close(m_db);
    m_folder.reset();
}

void TestLogStore::storesTextsWithOneTrailingBlank()
{
    LogStore store(m_db);
    QsoEntry e = TestSupport::sampleQso(QStringLiteral("9A2AA"), QStringLiteral("144 MHz"), 1);
    e.dxccd.clear();
    QVERIFY(store.insert(e));
    QSqlQuery q(m_db);
    QVERIFY(q.exec(QStringLiteral("SELECT Call, Dodatak1, DXCCd, NrS, typeof(NrS), Dodatak2 FROM takmicenje")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("9A2AA "));
    QCOMPARE(q.value(1).toString(), QStringLiteral("144 MHz "));
    QCOMPARE(q.value(2).toString(), QStringLiteral(" ")); // an empty field is one blank
    QCOMPARE(q.value(3).toLongLong(), 1);
    QCOMPARE(q.value(4).toString(), QStringLiteral("integer"));
    QVERIFY(q.value(5).isNull());
}

void TestLogStore::bandSelectionIgnoresStoredBlankAndTrimsBandText_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("rows");
    QTest::newRow("exact label") << "144 MHz" << 2;
    QTest::newRow("label with surrounding blanks") << "  144 MHz " << 2;
    QTest::newRow("other band") << "432 MHz" << 1;
    QTest::newRow("no band selects every row") << "" << 3;
    QTest::newRow("wildcard characters are literal") << "1_4 MHz" << 0;
}

void TestLogStore::bandSelectionIgnoresStoredBlankAndTrimsBandText()
{
    QFETCH(QString, band);
    QFETCH(int, rows);
    LogStore store(m_db);
    QVERIFY(store.insert(TestSupport::sampleQso(QStringLiteral("A1"), QStringLiteral("144 MHz"), 1)));
    QVERIFY(store.insert(TestSupport::sampleQso(QStringLiteral("A2"), QStringLiteral("432 MHz"), 1)));
    QVERIFY(store.insert(TestSupport::sampleQso(QStringLiteral("A3"), QStringLiteral("144 MHz"), 2)));
    QVector<QsoRow> result;
    QVERIFY(store.bandRows(band, result));
    QCOMPARE(result.size(), rows);
}

void TestLogStore::totalsOfEmptyAndFilledBand()
{
    LogStore store(m_db);
    LogStore::Totals t;
    QVERIFY(store.totals(QStringLiteral("144 MHz"), t));
    QCOMPARE(t.count, 0);
    QCOMPARE(t.points, 0);
    QCOMPARE(t.odx, 0);
    for (qint64 qrb : {100, 0, 250}) {
        QsoEntry e = TestSupport::sampleQso(QStringLiteral("X"), QStringLiteral("144 MHz"), 1);
        e.qrb = qrb;
        QVERIFY(store.insert(e));
    }
    QsoEntry other = TestSupport::sampleQso(QStringLiteral("Y"), QStringLiteral("432 MHz"), 1);
    other.qrb = 999;
    QVERIFY(store.insert(other));
    QVERIFY(store.totals(QStringLiteral("144 MHz"), t));
    QCOMPARE(t.count, 3);
    QCOMPARE(t.points, 350);
    QCOMPARE(t.odx, 250);
    QCOMPARE(store.minimumQrb(QStringLiteral("144 MHz")).value_or(-1), 0);
}

void TestLogStore::rowsComeInStoredOrderAfterDeletes()
{
    LogStore store(m_db);
    QList<qint64> ids;
    for (int i = 1; i <= 4; ++i)
        ids << store.insert(TestSupport::sampleQso(QStringLiteral("C%1").arg(i), QStringLiteral("144 MHz"), i))->id;
    QVERIFY(store.remove(ids.at(3)));
    const qint64 fresh = store.insert(TestSupport::sampleQso(QStringLiteral("C5"), QStringLiteral("144 MHz"), 5))->id;
    QVERIFY(fresh > ids.at(3)); // an ID is never handed out twice
    QVector<QsoRow> rows;
    QVERIFY(store.bandRows(QStringLiteral("144 MHz"), rows));
    QStringList calls;
    for (const QsoRow &r : rows)
        calls << r.call.trimmed();
    QCOMPARE(calls, QStringList({"C1", "C2", "C3", "C5"}));
}

void TestLogStore::failingInsertLeavesTableUnchanged()
{
    LogStore store(m_db);
    QVERIFY(store.insert(TestSupport::sampleQso(QStringLiteral("OK"), QStringLiteral("144 MHz"), 1)));
    QSqlQuery q(m_db);
    // A trigger makes the next write fail the way a full disk or a locked file would.
    QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON takmicenje BEGIN "
                                  "SELECT RAISE(ABORT, 'disk full'); END")));
    QString error;
    QVERIFY(!store.insert(TestSupport::sampleQso(QStringLiteral("LOST"), QStringLiteral("144 MHz"), 2), &error));
    QVERIFY(error.contains(QStringLiteral("disk full")));
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM takmicenje")) && q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    QVERIFY(!m_db.rollback()); // no transaction was left open
}

void TestLogStore::foreignFileIsNotAContestDatabase()
{
    QString error;
    QVERIFY(ContestDatabase::isContestDatabase(m_folder->file(QStringLiteral("contest.mdb")), &error));
    QFile text(m_folder->file(QStringLiteral("notes.mdb")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a database");
    text.close();
    QVERIFY(!ContestDatabase::isContestDatabase(text.fileName(), &error));
    QSqlDatabase other = SqliteDatabase::open(m_folder->file(QStringLiteral("other.mdb")), QStringLiteral("o"), &error);
    QSqlQuery(other).exec(QStringLiteral("CREATE TABLE takmicenje (ID INTEGER)"));
    SqliteDatabase::close(other);
    QVERIFY(!ContestDatabase::isContestDatabase(m_folder->file(QStringLiteral("other.mdb")), &error));
}

QTEST_GUILESS_MAIN(TestLogStore)
#include "tst_logstore.moc"
