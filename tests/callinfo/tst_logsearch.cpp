#include "TestSupport.h"

#include "contestlog/LogSearch.h"
#include "callinfo/ui/LogSearchTarget.h"
#include "callinfo/ui/LogSearchWindow.h"
#include "contest/ContestDatabase.h"
#include "contestlog/LogStore.h"
#include "platform/SqliteDatabase.h"
#include "TestPlatform.h"
#include "controls/ui/MessageWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

struct FakeMainWindow : LogSearchTarget
{
    QSqlDatabase db;
    QString currentBand = QStringLiteral("144 MHz");
    QList<QStringList> shown; // calls of every result shown

    QSqlDatabase database() override { return db; }
    QString band() const override { return currentBand; }
    void showSearchResult(const QVector<QsoRow> &rows) override
    {
        QStringList calls;
        for (const QsoRow &r : rows)
            calls << r.call.trimmed();
        shown << calls;
    }
};

QStringList calls(const QVector<QsoRow> &rows)
{
    QStringList out;
    for (const QsoRow &r : rows)
        out << r.call.trimmed() + QLatin1Char('@') + r.loc.trimmed();
    return out;
}

}

class TestLogSearch : public QObject
{
    Q_OBJECT
    TempProgramFolder m_folder;
    QSqlDatabase m_db;

private slots:
    void initTestCase()
    {
        QString error;
        m_db = ContestDatabase::open(m_folder.file(QStringLiteral("contest.mdb")), &error);
        QVERIFY2(m_db.isValid(), qPrintable(error));
        LogStore store(m_db);
        int serial = 0;
        for (const auto &[call, band, loc] :
             QList<std::tuple<QString, QString, QString>>{{"S51A", "144 MHz", "JN76TO"},
                                                          {"9A1AA", "144 MHz", "JN75AB"},
                                                          {"O'NEIL", "144 MHz", "IO51AA"},
                                                          {"S51A", "144 MHz", "JN76TP"},
                                                          {"S5_1", "144 MHz", "JN76AA"},
                                                          {"S51B", "432 MHz", "JN76TO"},
                                                          {"DL1ABC", "144 MHz", "JO62AB"}})
            QVERIFY(store.insert(TestSupport::sampleQso(call, band, ++serial, loc), &error));
    }
    void cleanupTestCase() { SqliteDatabase::close(m_db); }

    void searchByCall_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("empty text lists the band by call, then stored order")
            << "" << QStringList{"9A1AA@JN75AB", "DL1ABC@JO62AB", "O'NEIL@IO51AA", "S51A@JN76TO", "S51A@JN76TP",
                                 "S5_1@JN76AA"};
        QTest::newRow("anywhere in the call") << "1A" << QStringList{"9A1AA@JN75AB", "DL1ABC@JO62AB", "S51A@JN76TO",
                                                                    "S51A@JN76TP"};
        QTest::newRow("narrowed") << "S51A" << QStringList{"S51A@JN76TO", "S51A@JN76TP"};
        QTest::newRow("other band left out") << "S51B" << QStringList{};
        QTest::newRow("apostrophe") << "O'N" << QStringList{"O'NEIL@IO51AA"};
        QTest::newRow("underscore is no wildcard") << "S5_" << QStringList{"S5_1@JN76AA"};
        QTest::newRow("percent is no wildcard") << "%" << QStringList{};
    }
    void searchByCall()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QVector<QsoRow> rows;
        QString error;
        QVERIFY2(LogSearch::byCall(m_db, QStringLiteral("144 MHz"), text, rows, &error), qPrintable(error));
        QCOMPARE(calls(rows), found);
    }

    void searchByLocatorSortsByLocator()
    {
        QVector<QsoRow> rows;
        QVERIFY(LogSearch::byLocator(m_db, QStringLiteral("144 MHz"), QStringLiteral("JN7"), rows));
        QCOMPARE(calls(rows), (QStringList{"9A1AA@JN75AB", "S5_1@JN76AA", "S51A@JN76TO", "S51A@JN76TP"}));
    }

    void searchWithoutTheLogTableSaysWhy()
    {
        // A file that is not a contest: the reason names the missing table rather than
        // the binding that could not follow a statement never prepared.
        QString error;
        QSqlDatabase other =
            SqliteDatabase::open(m_folder.file(QStringLiteral("other.mdb")), QStringLiteral("other"), &error);
        QVERIFY2(other.isValid(), qPrintable(error));
        QVector<QsoRow> rows{QsoRow{}};
        error.clear();
        QVERIFY(!LogSearch::byCall(other, QStringLiteral("144 MHz"), QStringLiteral("S5"), rows, &error));
        SqliteDatabase::close(other);
        QVERIFY(rows.isEmpty());
        QVERIFY2(error.contains(QLatin1String("takmicenje")), qPrintable(error));
        QVERIFY2(!error.contains(QLatin1String("Parameter count")), qPrintable(error));
    }

    void searchWindowsCarryTheirNamesOnce_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("MsBox1") << int(LogSearchWindow::Kind::ByCall);
        QTest::newRow("MsBox2") << int(LogSearchWindow::Kind::ByLocator);
    }
    void searchWindowsCarryTheirNamesOnce()
    {
        QFETCH(int, kind);
        FakeMainWindow main;
        TestPlatform platform;
        LogSearchWindow box(LogSearchWindow::Kind(kind), main, platform.platform().messages);
        for (const char *name : {"Label1", "Text1", "chameleonButton1"})
            QCOMPARE(box.findChildren<QWidget *>(QString::fromLatin1(name)).size(), 1);
        QCOMPARE(box.findChild<QWidget *>(QStringLiteral("chameleonButton1"))->property("text").toString(),
                 QStringLiteral("Odustani"));
    }

    void typingSearchesInCapitalsOnEveryChange()
    {
        FakeMainWindow main;
        main.db = m_db;
        TestPlatform platform;
        LogSearchWindow *box = LogSearchWindow::open(LogSearchWindow::Kind::ByCall, main, platform.platform().messages);
        QCOMPARE(box->objectName(), QStringLiteral("MsBox1"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Traži po pozivnom znaku"));
        QCOMPARE(box->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Unesi pozivni znak"));
        QTest::keyClicks(box->searchField(), QStringLiteral("s51"));
        QCOMPARE(box->searchField()->text(), QStringLiteral("S51"));
        QCOMPARE(main.shown.size(), 3);
        QCOMPARE(main.shown.at(0).first(), QStringLiteral("S51A")); // "S": S51A sorts before S5_1
        QCOMPARE(main.shown.last(), (QStringList{"S51A", "S51A"}));
        box->close();
    }

    void noMatchShowsMessageAndListsTheWholeBand()
    {
        FakeMainWindow main;
        main.db = m_db;
        TestPlatform platform;
        LogSearchWindow *box = LogSearchWindow::open(LogSearchWindow::Kind::ByLocator, main, platform.platform().messages);
        QCOMPARE(box->objectName(), QStringLiteral("MsBox2"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Traži po lokatoru"));
        QTest::keyClicks(box->searchField(), QStringLiteral("jn76t"));
        QCOMPARE(main.shown.last(), (QStringList{"S51A", "S51A"}));
        QTest::keyClicks(box->searchField(), QStringLiteral("z"));
        MessageWindow *message = MessageWindow::find(QStringLiteral("Form7"));
        QVERIFY(message);
        QCOMPARE(message->text(), QStringLiteral("Nije pronađeno"));
        QCOMPARE(box->searchField()->text(), QString());
        QCOMPARE(main.shown.last().size(), 6); // the whole band, by locator
        QCOMPARE(main.shown.last().first(), QStringLiteral("O'NEIL"));
        message->close();
        box->close();
    }

    // "Nije pronađeno" leaves the operator in the search field: the next letters
    // typed start the next search.
    void focusStaysInTheSearchFieldAfterNotFound()
    {
        FakeMainWindow main;
        main.db = m_db;
        TestPlatform platform;
        LogSearchWindow *box = LogSearchWindow::open(LogSearchWindow::Kind::ByCall, main, platform.platform().messages);
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTest::keyClicks(box->searchField(), QStringLiteral("zz"));
        QVERIFY(MessageWindow::find(QStringLiteral("Form7")));
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget *>(box));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box->searchField()));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("s5"));
        QCOMPARE(box->searchField()->text(), QStringLiteral("S5"));
        MessageWindow::find(QStringLiteral("Form7"))->close();
        box->close();
    }
};

QTEST_MAIN(TestLogSearch)
#include "tst_logsearch.moc"
