#include "geo/Locator.h"

#include <QTest>

class TestLocator : public QObject
{
    Q_OBJECT
private slots:
    void pathBetweenLocators_data();
    void pathBetweenLocators();
    void positionOfLocator_data();
    void positionOfLocator();
    void invalidPairs_data();
    void invalidPairs();
};

void TestLocator::pathBetweenLocators_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("qrb");
    QTest::addColumn<int>("bearing");
    QTest::newRow("short path north-east") << "JN85AB" << "JN86CD" << 121 << 6;
    QTest::newRow("to the west") << "JN85AB" << "IN88AA" << 1560 << 289;
    QTest::newRow("from a west longitude") << "IO91WM" << "JN85AB" << 1390 << 115;
    QTest::newRow("squares completed with LL") << "JN85" << "JN95" << 155 << 89;
    QTest::newRow("due north gives 360") << "JN85AB" << "JO85AB" << 1112 << 360;
    QTest::newRow("due south") << "JN85MM" << "JL85MM" << 2224 << 180;
    QTest::newRow("short north path turned by the offset") << "JN85AB" << "JN85AC" << 5 << 354;
    QTest::newRow("next sub-square east") << "JN85AB" << "JN85BB" << 6 << 90;
    QTest::newRow("across the Atlantic eastwards") << "FN31PR" << "JN85AB" << 6798 << 54;
    QTest::newRow("across the Atlantic westwards") << "JN85AB" << "FN31PR" << 6799 << 302;
    QTest::newRow("from the southern hemisphere") << "QF56OD" << "JN85AB" << 16027 << 302;
    QTest::newRow("same square in other case is computed") << "JN85AB" << "jn85ab" << 0 << 270;
}

void TestLocator::pathBetweenLocators()
{
    QFETCH(QString, own);
    QFETCH(QString, other);
    QFETCH(int, qrb);
    QFETCH(int, bearing);
    const Geo::QrbResult r = Geo::computeQrb(own, other);
    QVERIFY(r.valid);
    QCOMPARE(r.qrb, qrb);
    QCOMPARE(r.bearing, bearing);
}

void TestLocator::positionOfLocator_data()
{
    QTest::addColumn<QString>("locator");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("east of Greenwich") << "JN85AB" << 45.0625 << 16.0417;
    QTest::newRow("west of Greenwich") << "IO91WM" << 51.5208 << -0.125;
}

void TestLocator::positionOfLocator()
{
    QFETCH(QString, locator);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const Geo::Position p = Geo::locatorToPosition(locator);
    QCOMPARE(qRound(p.latitude * 10000), qRound(latitude * 10000));
    QCOMPARE(qRound(p.longitude * 10000), qRound(longitude * 10000));
}

void TestLocator::invalidPairs_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("ownTooLong");
    QTest::newRow("own locator of seven characters") << "JN85ABC" << "JN86CD" << true;
    QTest::newRow("other locator of seven characters") << "JN85AB" << "JN86CDE" << false;
    QTest::newRow("empty other locator") << "JN85AB" << "" << false;
    QTest::newRow("empty own locator") << "" << "JN86CD" << false;
    QTest::newRow("blank as third character") << "JN85AB" << "JN 6CD" << false;
    QTest::newRow("punctuation as third character") << "JN85AB" << "JN.6CD" << false;
    QTest::newRow("letter as third character") << "JN85AB" << "JNA5" << false;
    QTest::newRow("two letters become JNLL") << "JN85AB" << "JN" << false;
    QTest::newRow("five characters") << "JN85AB" << "JN86C" << false;
    QTest::newRow("three characters completed to five") << "JN85AB" << "JN8" << false;
}

void TestLocator::invalidPairs()
{
    QFETCH(QString, own);
    QFETCH(QString, other);
    QFETCH(bool, ownTooLong);
    const Geo::QrbResult r = Geo::computeQrb(own, other);
    QVERIFY(!r.valid);
    QCOMPARE(r.ownTooLong, ownTooLong);
    QCOMPARE(r.qrb, 0);
    QCOMPARE(r.bearing, 0);
}

QTEST_GUILESS_MAIN(TestLocator)
#include "tst_locator.moc"
