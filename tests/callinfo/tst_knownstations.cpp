#include "StoredRows.h"
#include "EntryFixture.h"

#include "callinfo/KnownStationIndex.h"
#include "callinfo/KnownStations.h"
#include "callinfo/ui/KnownStationsModel.h"
#include "platform/ProgramFolder.h"
#include "platform/SqliteDatabase.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Rows written as an older program would have stored them: call and locator each
// followed by one blank, in the given insertion order.
void fill(const QString &path, const QList<QPair<QString, QString>> &stations)
{
    QVERIFY(KnownStations::ensureDatabase(path));
    QString error;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("fill"), &error);
    {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO evidencija (pozivni, lokator) VALUES (?, ?)"));
        for (const auto &s : stations) {
            q.addBindValue(s.first + QLatin1Char(' '));
            q.addBindValue(s.second + QLatin1Char(' '));
            QVERIFY(q.exec());
        }
    }
    SqliteDatabase::close(db);
}

QStringList storedRows(const QString &path)
{
    return TestSupport::storedRows(path, QStringLiteral("ID, pozivni, lokator"), QStringLiteral("evidencija"),
                                   TestSupport::Blanks::Kept);
}

QStringList calls(const KnownStations &store, const KnownStations::Result &r)
{
    QStringList out;
    for (int i = 0; i < r.size(store.size()); ++i)
        out << store.at(r.at(i)).pozivni;
    return out;
}

QStringList listed(QAbstractItemModel *m)
{
    QStringList out;
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->index(r, 0).data().toString() + QLatin1Char('|') + m->index(r, 1).data().toString();
    return out;
}

}

class TestKnownStations : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("evidencija.mdb"));
        QFile::remove(m_path);
    }

    // Stations inserted one by one (as saves add them) are found exactly where a
    // fresh sort of the same stations puts them, and the searches see them.
    void insertedStationsMatchAFreshSort()
    {
        using Station = KnownStationIndex::Station;
        const QVector<Station> stations = {
            {5, "S51A ", "JN76TO "},  {2, "9A1AA ", "JN75AB "}, {9, "S51A  ", "JN76XX "}, {3, "S51A ", "JN76AA "},
            {7, "oe6xg ", "JN77AA "}, {1, "ŽA1X ", "JN75AA "},  {8, "9A/S51A ", "JN75CD "}, {4, "DL1ABC ", "JO62AB "},
            {6, "S51AB ", "JN76TT "}};
        KnownStationIndex grown;
        grown.reset({});
        QVector<Station> soFar;
        for (const Station &st : stations) {
            grown.find(QStringLiteral("S")); // fills the search caches the insertion must drop
            grown.find(QStringLiteral("S5"));
            grown.insert(st);
            soFar.append(st);
            KnownStationIndex fresh;
            fresh.reset(soFar);
            QCOMPARE(grown.size(), fresh.size());
            for (int i = 0; i < fresh.size(); ++i) {
                QCOMPARE(grown.at(i).id, fresh.at(i).id);
                QCOMPARE(grown.positionOfId(fresh.at(i).id), i);
            }
            for (const QString call : {"S51A", "9A1AA", "oe6xg", "ŽA1X", "S51AB", "DL1ABC", "G4XXX"})
                QCOMPARE(grown.positionOfCall(call), fresh.positionOfCall(call));
            for (const QString text : {"S5", "S51A", "A", "OE6", "ž", "X"})
                QCOMPARE(grown.find(text).rows, fresh.find(text).rows);
        }
        // The first of equal calls is the one with the smaller ID.
        QCOMPARE(grown.at(grown.positionOfCall(QStringLiteral("S51A"))).id, 3);
        QVERIFY(grown.replace(3, "S51Z ", "JN76AA "));
        QCOMPARE(grown.at(grown.positionOfCall(QStringLiteral("S51A"))).id, 5);
        QCOMPARE(grown.at(grown.positionOfId(3)).pozivni, QStringLiteral("S51Z "));
        QCOMPARE(grown.positionOfId(42), -1);
    }

    void missingDatabaseIsCreatedEmpty()
    {
        KnownStations store;
        QVERIFY(store.open(m_path));
        QCOMPARE(store.size(), 0);
        QVERIFY(store.add(QStringLiteral("9A1AA"), QStringLiteral("JN75")));
        store.close();
        QVERIFY(KnownStations::ensureDatabase(m_path)); // an existing file is left alone
        QCOMPARE(storedRows(m_path).size(), 1);
    }

    void containmentSearch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("empty text lists all in byte order")
            << "" << QStringList{"9A/S51A ", "9A1AA ", "DL1ABC ", "O'NEIL ", "S51A ", "S5_1 ", "dl5x "};
        QTest::newRow("anywhere in the call") << "1A" << QStringList{"9A/S51A ", "9A1AA ", "DL1ABC ", "S51A "};
        QTest::newRow("letter case of A-Z ignored") << "dl" << QStringList{"DL1ABC ", "dl5x "};
        QTest::newRow("percent is no wildcard") << "%" << QStringList{};
        QTest::newRow("underscore is no wildcard") << "S5_" << QStringList{"S5_1 "};
        QTest::newRow("apostrophe") << "O'N" << QStringList{"O'NEIL "};
        QTest::newRow("trailing blank of the stored call counts") << "A " << QStringList{"9A/S51A ", "9A1AA ", "S51A "};
        QTest::newRow("no station") << "ZZ" << QStringList{};
    }
    void containmentSearch()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        fill(m_path, {{"S51A", "JN76"}, {"dl5x", ""}, {"9A1AA", "JN75"}, {"O'NEIL", "IO51"},
                      {"DL1ABC", "JO62"}, {"9A/S51A", "JN75"}, {"S5_1", "JN76"}});
        KnownStations store;
        QVERIFY(store.open(m_path));
        QCOMPARE(calls(store, store.find(text)), found);
    }

    void successiveSearchesMatchFreshSearches()
    {
        // Each keystroke's search may start from the previous result; it must find what
        // a search from scratch finds, also after the stations changed.
        fill(m_path, {{"S51A", "JN76"}, {"S52S5", "JN76"}, {"9A/S5", "JN75"}, {"DL5S", "JO62"}});
        KnownStations store;
        QVERIFY(store.open(m_path));
        QCOMPARE(calls(store, store.find("S5")), (QStringList{"9A/S5 ", "S51A ", "S52S5 "}));
        QCOMPARE(calls(store, store.find("S5 ")), (QStringList{"9A/S5 ", "S52S5 "}));
        QCOMPARE(calls(store, store.find("5")), (QStringList{"9A/S5 ", "DL5S ", "S51A ", "S52S5 "}));
        QCOMPARE(calls(store, store.find("5S")), QStringList{"DL5S "});
        QVERIFY(store.add("S55S", "JN76"));
        QCOMPARE(calls(store, store.find("5S")), (QStringList{"DL5S ", "S55S "}));
        QCOMPARE(calls(store, store.find("55S")), (QStringList{"S55S "}));
    }

    void startListsEveryStationAndRemembersTheFirst()
    {
        fill(m_path, {{"S51A", "JN76TO"}, {"9A1AA", "JN75AB"}});
        EntryFixture f;
        f.callInfo->start();
        QCOMPARE(listed(f.entry.DataGrid2->model()), (QStringList{"9A1AA |JN75AB ", "S51A |JN76TO "}));
        QCOMPARE(f.entry.Text31, QStringLiteral("2"));
        QCOMPARE(f.entry.DataGrid2->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("pozivni"));
        QCOMPARE(f.entry.DataGrid2->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("lokator"));
    }

    void typingNarrowsAndNoMatchKeepsTheList()
    {
        fill(m_path, {{"S51A", "JN76TO"}, {"S52B", "JN76AA"}, {"9A1AA", "JN75AB"}});
        EntryFixture f;
        f.callInfo->start();
        QTest::keyClicks(f.entry.Text2, QStringLiteral("S51"));
        QCOMPARE(listed(f.entry.DataGrid2->model()), QStringList{"S51A |JN76TO "});
        QCOMPARE(f.entry.Text31, QStringLiteral("1"));
        QTest::keyClicks(f.entry.Text2, QStringLiteral("XYZ"));
        QCOMPARE(listed(f.entry.DataGrid2->model()), QStringList{"S51A |JN76TO "});
        QCOMPARE(f.entry.Text31, QStringLiteral("1"));
    }

    void rememberAddsOnlyUnknownCalls_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("locator");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("call is the first row of its search: nothing added") << "S51A" << "JN76TO" << 2;
        QTest::newRow("new call added") << "OE3XYZ" << "JN88AB" << 3;
        // A known call that contains it sorts before it: the first-row test adds it again.
        QTest::newRow("contained in an earlier call: added again") << "S51" << "JN76" << 3;
    }
    void rememberAddsOnlyUnknownCalls()
    {
        QFETCH(QString, call);
        QFETCH(QString, locator);
        QFETCH(int, rowsAfter);
        fill(m_path, {{"S51A", "JN76TO"}, {"9A/S51", "JN75AA"}});
        EntryFixture f;
        f.callInfo->start();
        f.entry.Text2->setText(call);
        f.entry.Text8->setText(locator);
        f.callInfo->RememberKnownStation();
        const QStringList rows = storedRows(m_path);
        QCOMPARE(rows.size(), rowsAfter);
        if (rowsAfter == 3) {
            QCOMPARE(rows.last(), QStringLiteral("3|%1 |%2 ").arg(call, locator));
            QVERIFY(listed(f.entry.DataGrid2->model()).contains(QStringLiteral("%1 |%2 ").arg(call, locator)));
        }
    }

    void savedStationIsStoredTrimmedWithOneBlank()
    {
        EntryFixture f;
        f.callInfo->start();
        f.entry.Text2->setText(QStringLiteral("YU1AA"));
        f.entry.Text28 = QStringLiteral(" YU1AA  ");
        f.entry.Text8->clear();
        f.callInfo->RememberKnownStation();
        QCOMPARE(storedRows(m_path), QStringList{"1|YU1AA | "});
        QCOMPARE(f.entry.Text31, QStringLiteral("1"));
    }

    void updateRewritesOnlyTheStationsOwnRow_data()
    {
        QTest::addColumn<QString>("typed");      // the last search, which sets the remembered ID
        QTest::addColumn<QString>("remembered"); // the ID it leaves in Text31
        QTest::addColumn<QString>("call");       // the edited QSO's call
        QTest::addColumn<QStringList>("after");
        QTest::newRow("remembered row is the station's own: updated")
            << "9A1" << "2" << "9A1AA"
            << QStringList{"1|S51A |JN76TO ", "2|9A1AA |JN76XX ", "3|9A/S51A |JN75CD "};
        QTest::newRow("another call containing it sorts first: own row updated")
            << "S51A" << "3" << "S51A"
            << QStringList{"1|S51A |JN76XX ", "2|9A1AA |JN75AB ", "3|9A/S51A |JN75CD "};
        QTest::newRow("remembered row from an earlier search: own row updated")
            << "S51A" << "3" << "9A1AA"
            << QStringList{"1|S51A |JN76TO ", "2|9A1AA |JN76XX ", "3|9A/S51A |JN75CD "};
        QTest::newRow("station not known: added, nobody overwritten")
            << "S51A" << "3" << "HA5X"
            << QStringList{"1|S51A |JN76TO ", "2|9A1AA |JN75AB ", "3|9A/S51A |JN75CD ", "4|HA5X |JN76XX "};
    }
    void updateRewritesOnlyTheStationsOwnRow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, remembered);
        QFETCH(QString, call);
        QFETCH(QStringList, after);
        fill(m_path, {{"S51A", "JN76TO"}, {"9A1AA", "JN75AB"}, {"9A/S51A", "JN75CD"}});
        EntryFixture f;
        f.callInfo->start();
        f.editing = true;
        f.entry.Text2->setText(typed);
        QCOMPARE(f.entry.Text31, remembered);
        // Text28 is the call the update stores.
        f.entry.Text28 = call;
        f.entry.Text8->setText(QStringLiteral("JN76XX"));
        f.callInfo->UpdateKnownStation();
        QCOMPARE(storedRows(m_path), after);
        QCOMPARE(listed(f.entry.DataGrid2->model()), QStringList{call + " |JN76XX "});
    }

    void pickingARowEmitsTrimmedCallAndLocator()
    {
        fill(m_path, {{"S51A", "JN76TO"}, {"9A1AA", "JN75AB"}});
        EntryFixture f;
        f.window.show();
        f.callInfo->start();
        QSignalSpy picked(f.callInfo, &CallInfoController::stationPicked);
        QTableView *view = f.entry.DataGrid2;
        view->resize(300, 200);
        const QRect r = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(picked.size(), 1);
        QCOMPARE(picked.at(0), (QVariantList{"S51A", "JN76TO"}));
        view->setCurrentIndex(view->model()->index(0, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(picked.size(), 2);
        QCOMPARE(picked.at(1), (QVariantList{"9A1AA", "JN75AB"}));
    }

    void listFollowsAChangeOfTheStore()
    {
        // A station added while the list shows a search result keeps the list on the
        // same stations, not on the positions they had before.
        fill(m_path, {{"S51A", "JN76TO"}, {"S52B", "JN76AA"}});
        EntryFixture f;
        f.callInfo->start();
        f.entry.Text2->setText(QStringLiteral("S52"));
        f.entry.Text28 = QStringLiteral("9A1AA");
        f.entry.Text8->setText(QStringLiteral("JN75AB"));
        f.callInfo->AddKnownStation();
        QCOMPARE(listed(f.entry.DataGrid2->model()), QStringList{"S52B |JN76AA "});
        QCOMPARE(storedRows(m_path).size(), 3);
    }
};

QTEST_MAIN(TestKnownStations)
#include "tst_knownstations.moc"
