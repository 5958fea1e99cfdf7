#include "EntryFixture.h"

#include "callinfo/CtyDat.h"
#include "callinfo/PrefixTables.h"
#include "platform/SqliteDatabase.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Country
{
    QString master, name;
    int cq, itu;
};

// A small prefix database with the rows in the given order.
QString writeZnakovi(const QTemporaryDir &dir, const QList<QPair<QString, QString>> &prefixes,
                     const QList<Country> &countries)
{
    static int n = 0;
    const QString path = dir.filePath(QStringLiteral("znakovi%1.mdb").arg(++n));
    QString error;
    QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("fixture"), &error);
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("CREATE TABLE Prefixes (Prefix TEXT, MasterPrefix TEXT)"));
        q.exec(QStringLiteral("CREATE TABLE CTYDAT (MasterPrefix TEXT, Name TEXT, CQzone INTEGER, "
                              "IARUZone INTEGER, IsStarred INTEGER)"));
        q.prepare(QStringLiteral("INSERT INTO Prefixes VALUES (?, ?)"));
        for (const auto &p : prefixes) {
            q.addBindValue(p.first);
            q.addBindValue(p.second);
            q.exec();
        }
        q.prepare(QStringLiteral("INSERT INTO CTYDAT VALUES (?, ?, ?, ?, 0)"));
        for (const Country &c : countries) {
            q.addBindValue(c.master);
            q.addBindValue(c.name);
            q.addBindValue(c.cq);
            q.addBindValue(c.itu);
            q.exec();
        }
    }
    SqliteDatabase::close(db);
    return path;
}

const QList<Country> kCountries = {{QStringLiteral("9A"), QStringLiteral("Croatia"), 15, 28},
                                   {QStringLiteral("9A1"), QStringLiteral("Croatia Special"), 15, 29},
                                   {QStringLiteral("K"), QStringLiteral("United States"), 5, 8},
                                   {QStringLiteral("KH6"), QStringLiteral("Hawaii"), 31, 61},
                                   {QStringLiteral("S5"), QStringLiteral("Slovenia"), 15, 28},
                                   {QStringLiteral(" HA"), QStringLiteral("Hungary"), 15, 28}};

}

class TestPrefixLookup : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    void useFixture(EntryFixture &f, const QList<QPair<QString, QString>> &prefixes)
    {
        f.callInfo->setPrefixTables(PrefixTables::load(writeZnakovi(m_dir, prefixes, kCountries)));
    }

private slots:
    void typingShowsLongestLeadingPrefix()
    {
        EntryFixture f;
        useFixture(f, {{"9A", "9A"}, {"9A1", "9A1"}, {"K", "K"}});
        QTest::keyClicks(f.entry.Text2, QStringLiteral("9A"));
        QCOMPARE(f.entry.Label17->text(), QStringLiteral("Croatia"));
        QTest::keyClicks(f.entry.Text2, QStringLiteral("1ABC"));
        QCOMPARE(f.entry.Label17->text(), QStringLiteral("Croatia Special"));
        QCOMPARE(f.entry.Label18->text(), QStringLiteral("15"));
        QCOMPARE(f.entry.Label19->text(), QStringLiteral("29"));
        QCOMPARE(f.entry.Text26, QStringLiteral("9A1"));
        QCOMPARE(f.entry.Text27, QStringLiteral("9A1"));

        // Leading characters that are no prefix, right after a reset: nothing shown.
        f.reset();
        QTest::keyClicks(f.entry.Text2, QStringLiteral("XX1XX"));
        QCOMPARE(f.entry.Label17->text(), QString());
        QCOMPARE(f.entry.Text27, QString());
    }

    void prefixWithoutCountryRowKeepsDisplay()
    {
        EntryFixture f;
        useFixture(f, {{"9A", "9A"}, {"YU", "YU"}});
        f.entry.Text2->setText(QStringLiteral("9A"));
        f.entry.Text2->setText(QStringLiteral("YU"));
        QCOMPARE(f.entry.Text27, QStringLiteral("YU"));
        QCOMPARE(f.entry.Label17->text(), QStringLiteral("Croatia"));
    }

    void storedBlanksAndCase_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("master");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("editCountry");
        QTest::newRow("prefix with blanks matches") << " S5 " << "S5" << "S5" << "Slovenia" << "Slovenia";
        QTest::newRow("master prefix in prefix row is trimmed") << "S5" << " S5 " << "S5" << "Slovenia"
                                                                << "Slovenia";
        QTest::newRow("lower-case prefix never matches") << "s5" << "S5" << "S5" << "" << "";
        QTest::newRow("country key with blanks never matches") << "HA" << "HA" << "HA" << "" << "";
        // Both lookups compare leading parts, which leave the blank out, as typing it would.
        QTest::newRow("field with a trailing blank") << "S5" << "S5" << "S5 " << "Slovenia" << "Slovenia";
    }
    void storedBlanksAndCase()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, master);
        QFETCH(QString, call);
        QFETCH(QString, country);
        QFETCH(QString, editCountry);
        EntryFixture f;
        useFixture(f, {{prefix, master}});
        f.entry.Text2->setText(call); // in one piece: the same country as typed
        QCOMPARE(f.entry.Label17->text(), country);
        f.reset();
        f.editing = true;
        f.entry.Text30.clear();
        f.entry.Text2->setText(call);
        QCOMPARE(f.entry.Label29->text(), editCountry);
    }

    void editModeTakesFirstStoredCandidate()
    {
        EntryFixture f;
        // A short prefix stored before the longer one wins in edit mode, while typing
        // in entry mode reaches the longer one.
        useFixture(f, {{"K", "K"}, {"KH6", "KH6"}});
        QTest::keyClicks(f.entry.Text2, QStringLiteral("KH6ABC"));
        QCOMPARE(f.entry.Label17->text(), QStringLiteral("Hawaii"));
        f.reset();
        f.editing = true;
        f.entry.Text2->setText(QStringLiteral("KH6ABC"));
        QCOMPARE(f.entry.Label29->text(), QStringLiteral("United States"));
        QCOMPARE(f.entry.Label17->text(), QStringLiteral("United States"));
        QCOMPARE(f.entry.Text30, QStringLiteral("K"));
        QCOMPARE(f.entry.Text26, QStringLiteral("K"));
        QVERIFY(f.entry.Label17->isHidden());
        QVERIFY(!f.entry.Label29->isHidden());
    }

    void editModeAfterEmptyingKeepsEarlierMaster()
    {
        EntryFixture f;
        useFixture(f, {{"S5", "S5"}, {"9A", "9A"}});
        f.editing = true;
        f.entry.Text2->setText(QStringLiteral("S51ZO"));
        QCOMPARE(f.entry.Label29->text(), QStringLiteral("Slovenia"));
        f.entry.Text2->clear();
        QCOMPARE(f.entry.Label29->text(), QString());
        QCOMPARE(f.entry.Text27, QString());
        QCOMPARE(f.entry.Text30, QStringLiteral("S5"));
        QTest::keyClicks(f.entry.Text2, QStringLiteral("ZZ1ZZ"));
        QCOMPARE(f.entry.Label29->text(), QStringLiteral("Slovenia"));
    }

    void realCountryData_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("cq");
        QTest::addColumn<QString>("itu");
        QTest::newRow("Canary Islands") << "EA8ABC" << "Canary Islands" << "33" << "36";
        QTest::newRow("Balearic Islands") << "EA6XX" << "Balearic Islands" << "14" << "37";
        QTest::newRow("Hawaii") << "KH6XYZ" << "Hawaii" << "31" << "61";
        QTest::newRow("USA") << "W1AW" << "United States of America" << "5" << "8";
        QTest::newRow("Anguilla") << "VP2EAA" << "Anguilla" << "8" << "11";
        QTest::newRow("ITU HQ exact call") << "4U1ITU" << "ITU HQ" << "14" << "28";
        QTest::newRow("portable in Croatia") << "9A/DL1ABC" << "Croatia" << "15" << "28";
        QTest::newRow("Croatia") << "9A1AA" << "Croatia" << "15" << "28";
        QTest::newRow("Germany") << "DL1ABC" << "Fed. Rep. of Germany" << "14" << "28";
        QTest::newRow("German portable") << "DL1ABC/P" << "Fed. Rep. of Germany" << "14" << "28";
        QTest::newRow("Slovenia") << "S51ZO" << "Slovenia" << "15" << "28";
        QTest::newRow("Austria") << "OE3ABC" << "Austria" << "15" << "28";
        QTest::newRow("Hungary") << "HA5KDR" << "Hungary" << "15" << "28";
        QTest::newRow("Bosnia") << "E71W" << "Bosnia-Herzegovina" << "15" << "28";
        QTest::newRow("Bulgaria") << "LZ1DAF" << "Bulgaria" << "20" << "28";
        QTest::newRow("Scotland") << "GM3ABC" << "Scotland" << "14" << "27";
        QTest::newRow("Sicily (starred)") << "IT9ABC" << "Sicily" << "15" << "28";
        QTest::newRow("Kaliningrad") << "UA2FAA" << "Kaliningrad" << "15" << "29";
        QTest::newRow("Asiatic Russia") << "UA9ABC" << "Asiatic Russia" << "17" << "30";
        QTest::newRow("Canada") << "VE3ABC" << "Canada" << "5" << "9";
        QTest::newRow("Japan") << "JA1ABC" << "Japan" << "25" << "45";
        QTest::newRow("Australia") << "VK2ABC" << "Australia" << "30" << "59";
        QTest::newRow("South Africa") << "ZS6ABC" << "South Africa" << "38" << "57";
        QTest::newRow("Brazil") << "PY2ABC" << "Brazil" << "11" << "15";
        QTest::newRow("Argentina") << "LU1ABC" << "Argentina" << "13" << "14";
        QTest::newRow("Cyprus") << "5B4AAA" << "Cyprus" << "20" << "39";
    }
    void realCountryData()
    {
        QFETCH(QString, call);
        QFETCH(QString, country);
        QFETCH(QString, cq);
        QFETCH(QString, itu);
        static std::shared_ptr<const PrefixTables> real =
            PrefixTables::load(QStringLiteral(BRELOG_BIN_DIR "/znakovi.mdb"));
        QVERIFY2(!real->prefixes().isEmpty(), "the build has no znakovi.mdb");
        EntryFixture f;
        f.callInfo->setPrefixTables(real);
        QTest::keyClicks(f.entry.Text2, call);
        QCOMPARE(f.entry.Label17->text(), country);
        QCOMPARE(f.entry.Label18->text(), cq);
        QCOMPARE(f.entry.Label19->text(), itu);
        f.reset();
        f.editing = true;
        f.entry.Text2->setText(call);
        QCOMPARE(f.entry.Label29->text(), country);
        QCOMPARE(f.entry.Label30->text(), cq);
        QCOMPARE(f.entry.Label31->text(), itu);
        QCOMPARE(f.entry.Label17->text(), country);
    }

    void realPrefixTableFitsTheRowCounter()
    {
        const auto real = PrefixTables::load(QStringLiteral(BRELOG_BIN_DIR "/znakovi.mdb"));
        QVERIFY(real->prefixes().size() <= 32767);
        QCOMPARE(real->countries().size(), 346);
    }

    void countryFileIsParsedWithItsConventions()
    {
        const QString text = QStringLiteral(
            "Hawaii:                   31:  61:  OC:   21.12:   157.48:    10.0:  KH6:\n"
            "    AH6,KH6,=AA2TT,=K6A;\n"
            "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
            "    IT9,IB9(16)[29]<37.1/-14.2>{EU}~-1.0~;\n"
            "ITU HQ:                   14:  28:  EU:   46.17:    -6.05:    -1.0:  4U1I:\n"
            "    =4U1ITU,=KH6XX;\n"
            "Broken record: 1: 2;\n");
        int skipped = 0;
        const QVector<CtyDat::Entity> e = CtyDat::parse(text, &skipped);
        QCOMPARE(e.size(), 3);
        QCOMPARE(skipped, 1);
        QCOMPARE(e[0].longitude, -157.48); // the file writes west positive
        QCOMPARE(e[0].utcOffset, -10.0);
        QVERIFY(e[1].starred);
        QCOMPARE(e[1].primaryPrefix, QStringLiteral("IT9"));
        QCOMPARE(e[1].aliases[1].text, QStringLiteral("IB9"));
        QCOMPARE(e[1].aliases[1].cqZone.value_or(0), 16);
        QCOMPARE(e[1].aliases[1].ituZone.value_or(0), 29);

        QStringList rows;
        for (const CtyDat::PrefixRow &r : CtyDat::prefixRows(e))
            rows << r.prefix + QLatin1Char('>') + r.masterPrefix;
        // Longest first; short exact calls left out; a primary prefix with a digit that
        // no alias names is added; prefixes before exact calls of the same length.
        QCOMPARE(rows, (QStringList{"4U1ITU>4U1I", "AA2TT>KH6", "KH6XX>4U1I", "4U1I>4U1I", "AH6>KH6", "KH6>KH6",
                                    "IT9>IT9", "IB9>IT9"}));
    }
};

QTEST_MAIN(TestPrefixLookup)
#include "tst_prefixlookup.moc"
