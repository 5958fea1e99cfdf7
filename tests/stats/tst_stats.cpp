// The statistics without a window: figures, chart rows, the bearing plot's geometry,
// the map's transform, read-outs and scrolling, the worked squares and the map data.
#include "TestSupport.h"
#include "contest/ContestDatabase.h"
#include "contestlog/LogStore.h"
#include "platform/SqliteDatabase.h"
#include "stats/MapGeometry.h"
#include "stats/MapOutline.h"
#include "stats/PolarGeometry.h"
#include "stats/StatsFigures.h"
#include "stats/StatsLog.h"
#include "stats/StatsPictureFiles.h"
#include "stats/WorkedSquares.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

namespace {

QsoEntry qso(const QString &call, const QString &band, qint64 qrb, const QString &dxcc = QStringLiteral("-"),
             const QString &loc = QStringLiteral("JN86CD"))
{
    QsoEntry e = TestSupport::sampleQso(call, band, 1, loc);
    e.qrb = qrb;
    e.dxccd = dxcc;
    return e;
}

// Great-circle distance and initial bearing by the haversine formula, to check the
// read-out against an independent computation.
std::pair<double, double> haversine(double lat1, double lon1, double lat2, double lon2, double radius)
{
    const double r = M_PI / 180;
    const double dLat = (lat2 - lat1) * r, dLon = (lon2 - lon1) * r;
    const double a = std::pow(std::sin(dLat / 2), 2) + std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin(dLon / 2), 2);
    const double d = 2 * radius * std::asin(std::sqrt(a));
    const double y = std::sin(dLon) * std::cos(lat2 * r);
    const double x = std::cos(lat1 * r) * std::sin(lat2 * r) - std::sin(lat1 * r) * std::cos(lat2 * r) * std::cos(dLon);
    double b = std::atan2(y, x) / r;
    if (b < 0)
        b += 360;
    return {d, b};
}

}

class TestStats : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void shortestQsoText_data();
    void shortestQsoText();
    void figuresOfTheBand_data();
    void figuresOfTheBand();
    void chartRowsFollowTheLogOrderOfTheBand();
    void bearingsSkipRowsWithoutOne();

    void plotDirectionsLandWhereDesigned_data();
    void plotDirectionsLandWhereDesigned();
    void plotRingsStayCircularInAnyShape_data();
    void plotRingsStayCircularInAnyShape();
    void plotRingLabelsRunFromRimToCentre();

    void mapCornersAndInverse_data();
    void mapCornersAndInverse();
    void storedCoordinatesAreRead_data();
    void storedCoordinatesAreRead();
    void ownPositionTexts_data();
    void ownPositionTexts();
    void readoutGivesBearingAndDistance_data();
    void readoutGivesBearingAndDistance();
    void keysMoveThePictureWithinItsLimits();

    void squareCellTexts_data();
    void squareCellTexts();
    void workedSquaresCount_data();
    void workedSquaresCount();

    void mapDataLoadsAndCoversTheArea();
    void pictureFileNamesFollowTheEdiFile_data();
    void pictureFileNamesFollowTheEdiFile();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
    QSqlDatabase m_db;
};

void TestStats::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    QString error;
    m_db = ContestDatabase::open(m_folder->file("contest.mdb"), &error);
    QVERIFY2(m_db.isValid(), qPrintable(error));
}

void TestStats::cleanup()
{
    SqliteDatabase::close(m_db);
    m_db = {};
    m_folder.reset();
}

void TestStats::shortestQsoText_data()
{
    QTest::addColumn<bool>("hasQso");
    QTest::addColumn<qint64>("qrb");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty band shows 0 without km") << false << qint64(0) << "0";
    QTest::newRow("shortest QRB 0 keeps km") << true << qint64(0) << "0 km";
    QTest::newRow("ordinary distance") << true << qint64(17) << "17 km";
}

void TestStats::shortestQsoText()
{
    QFETCH(bool, hasQso);
    QFETCH(qint64, qrb);
    QFETCH(QString, text);
    QCOMPARE(StatsFigures::shortestText(hasQso ? std::optional<qint64>(qrb) : std::nullopt), text);
}

void TestStats::figuresOfTheBand_data()
{
    QTest::addColumn<QList<QsoEntry>>("qsos");
    QTest::addColumn<QString>("shortest");
    QTest::addColumn<QString>("countries");
    QTest::newRow("band without QSOs") << QList<QsoEntry>{qso("S51A", "432 MHz", 5)} << "0" << "";
    QTest::newRow("no QSO carries a country")
        << QList<QsoEntry>{qso("S51A", "144 MHz", 300, "-"), qso("S51B", "144 MHz", 120, "")} << "120 km" << "";
    QTest::newRow("first QSO of each country counts")
        << QList<QsoEntry>{qso("S51A", "144 MHz", 300, "Slovenia"), qso("S52B", "144 MHz", 0, "-"),
                           qso("OE3A", "144 MHz", 450, "Austria"), qso("HG1A", "432 MHz", 5, "Hungary")}
        << "0 km" << "2";
}

void TestStats::figuresOfTheBand()
{
    QFETCH(QList<QsoEntry>, qsos);
    QFETCH(QString, shortest);
    QFETCH(QString, countries);
    LogStore store(m_db);
    for (const QsoEntry &e : qsos)
        QVERIFY(store.insert(e));
    const StatsFigures::Figures f = StatsFigures::read(m_db, "144 MHz", {"3", "450", "750"});
    QCOMPARE(f.qsoCount, QString("3"));
    QCOMPARE(f.longest, QString("450 km"));
    QCOMPARE(f.points, QString("750"));
    QCOMPARE(f.shortest, shortest);
    QCOMPARE(StatsFigures::countries(m_db, "144 MHz"), countries);
    QVERIFY(f.error.isEmpty());
}

void TestStats::chartRowsFollowTheLogOrderOfTheBand()
{
    LogStore store(m_db);
    const QList<std::pair<QString, qint64>> logged = {{"YU1ZZ", 900}, {"S51A", 100}, {"9A1X", 500}, {"S51A", 0}};
    for (const auto &[call, qrb] : logged) {
        QVERIFY(store.insert(qso(call, "144 MHz", qrb)));
        QVERIFY(store.insert(qso("DL0" + call, "432 MHz", qrb + 1)));
    }
    QVector<StatsLog::DistanceRow> rows;
    QVERIFY(StatsLog::distances(m_db, "144 MHz", rows));
    QCOMPARE(rows.size(), logged.size());
    for (int i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows.at(i).call, logged.at(i).first);
        QCOMPARE(rows.at(i).qrb, int(logged.at(i).second));
    }
}

void TestStats::bearingsSkipRowsWithoutOne()
{
    LogStore store(m_db);
    QsoEntry e = qso("S51A", "144 MHz", 100);
    e.bearing = 45;
    QVERIFY(store.insert(e));
    QVERIFY(store.insert(qso("S51B", "144 MHz", 100)));
    QSqlQuery q(m_db);
    QVERIFY(q.exec("UPDATE takmicenje SET Bearing = NULL WHERE Call = 'S51B '"));
    QVector<float> bearings;
    QVERIFY(StatsLog::bearings(m_db, "144 MHz", bearings));
    QCOMPARE(bearings, QVector<float>{45});
}

void TestStats::plotDirectionsLandWhereDesigned_data()
{
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<QPointF>("direction");
    QTest::newRow("bearing 0 goes straight up") << 0.0 << QPointF(0, -1);
    QTest::newRow("bearing 90 goes right") << 90.0 << QPointF(1, 0);
    QTest::newRow("bearing 180 goes down") << 180.0 << QPointF(0, 1);
    QTest::newRow("bearing 270 goes left") << 270.0 << QPointF(-1, 0);
}

void TestStats::plotDirectionsLandWhereDesigned()
{
    QFETCH(double, azimuth);
    QFETCH(QPointF, direction);
    const PolarGeometry::Frame f = PolarGeometry::frame(QSizeF(600, 480));
    QCOMPARE(f.centre, QPointF(300, 240));
    QCOMPARE(f.scale, 200.0);
    const double r = PolarGeometry::elevationRadius(1);
    QVERIFY(qAbs(r - (1 - 1.0 / 90)) < 1e-12);
    const QPointF p = PolarGeometry::point(f, azimuth, r);
    const QPointF expected = f.centre + direction * r * f.scale;
    QVERIFY2(qAbs(p.x() - expected.x()) < 1e-9 && qAbs(p.y() - expected.y()) < 1e-9,
             qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
}

void TestStats::plotRingsStayCircularInAnyShape_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("wide control") << QSizeF(900, 300);
    QTest::newRow("tall control") << QSizeF(300, 900);
    QTest::newRow("square control") << QSizeF(500, 500);
}

void TestStats::plotRingsStayCircularInAnyShape()
{
    QFETCH(QSizeF, size);
    const PolarGeometry::Frame f = PolarGeometry::frame(size);
    QCOMPARE(f.centre, QPointF(size.width() / 2, size.height() / 2));
    for (const PolarGeometry::Ring &ring : PolarGeometry::rings()) {
        const QVector<QPointF> corners = PolarGeometry::ringPolygon(f, ring);
        QCOMPARE(corners.size(), 360 / ring.step + 1);
        for (const QPointF &c : corners) {
            const double d = std::hypot(c.x() - f.centre.x(), c.y() - f.centre.y());
            QVERIFY(qAbs(d - ring.radius * f.scale) < 1e-6);
            // The whole diagram, labels' corners included, stays inside the control.
            QVERIFY(c.x() >= 0 && c.x() <= size.width() && c.y() >= 0 && c.y() <= size.height());
        }
        QCOMPARE(corners.first(), corners.last());
    }
    const QPointF spokeEnd = PolarGeometry::point(f, 90, PolarGeometry::SpokeRadius);
    QVERIFY(spokeEnd.x() < size.width());
}

void TestStats::plotRingLabelsRunFromRimToCentre()
{
    QList<int> labels;
    for (const PolarGeometry::Ring &ring : PolarGeometry::rings())
        labels << PolarGeometry::ringLabel(ring.radius);
    QCOMPARE(labels, (QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
}

void TestStats::mapCornersAndInverse_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QPointF>("pixel");
    QTest::newRow("north-west corner") << -28.0 << 80.0 << QPointF(0, 0);
    QTest::newRow("south-east corner") << 58.0 << 20.0 << QPointF(864, 607);
    QTest::newRow("0 E 50 N") << 0.0 << 50.0 << QPointF(28.0 / 86 * 864, 303.5);
}

void TestStats::mapCornersAndInverse()
{
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QFETCH(QPointF, pixel);
    const QPointF p = MapGeometry::toPixel(longitude, latitude);
    QVERIFY(qAbs(p.x() - pixel.x()) < 1e-9 && qAbs(p.y() - pixel.y()) < 1e-9);
    const Geo::Position back = MapGeometry::fromPixel(p);
    QVERIFY(qAbs(back.longitude - longitude) < 1e-9 && qAbs(back.latitude - latitude) < 1e-9);
}

void TestStats::storedCoordinatesAreRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("point with storage blank") << "45.0625 " << 45.0625;
    QTest::newRow("decimal comma") << "45,0625 " << 45.0625;
    QTest::newRow("west longitude") << "-00.1250 " << -0.125;
    QTest::newRow("reading stops at a letter") << "16.04E" << 16.04;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestStats::storedCoordinatesAreRead()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(MapGeometry::leadingNumber(text), value);
    // A comma decimal lands on the same pixel as the point.
    QCOMPARE(MapGeometry::qsoPixel(text, "16,0417"), MapGeometry::qsoPixel(QString(text).replace(',', '.'), "16.0417"));
}

void TestStats::ownPositionTexts_data()
{
    QTest::addColumn<QString>("locator");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::newRow("four characters completed with LL") << "JN75" << "45.479166666666664" << "14.9583";
    QTest::newRow("lower case") << "jn85ab" << "45.0625" << "16.0417";
    QTest::newRow("west of Greenwich") << "IO91WM" << "51.520833333333336" << "-00.1250";
}

void TestStats::ownPositionTexts()
{
    QFETCH(QString, locator);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    const MapGeometry::OwnPosition own = MapGeometry::ownPosition(locator);
    QCOMPARE(own.latitude, latitude);
    QCOMPARE(own.longitude, longitude);
}

void TestStats::readoutGivesBearingAndDistance_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("London") << 51.5 << -0.1;
    QTest::newRow("Reykjavik") << 64.1 << -21.9;
    QTest::newRow("Moscow") << 55.75 << 37.6;
    QTest::newRow("Tunis") << 36.8 << 10.2;
}

void TestStats::readoutGivesBearingAndDistance()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const MapGeometry::OwnPosition own = MapGeometry::ownPosition("JN75");
    const MapGeometry::Readout r = MapGeometry::readout(own, MapGeometry::toPixel(longitude, latitude));
    QVERIFY(qAbs(r.latitude.toDouble() - latitude) < 1e-4);
    QVERIFY(qAbs(r.longitude.toDouble() - longitude) < 1e-4);
    QCOMPARE(r.latitude.startsWith(' '), latitude >= 0);
    QCOMPARE(r.longitude.startsWith('-'), longitude < 0);
    const auto [km, bearing] = haversine(45.479166666666664, 14.9583, latitude, longitude, 6356.775);
    QVERIFY2(qAbs(r.distance.toDouble() - km) <= 2, qPrintable(r.distance + " vs " + QString::number(km)));
    QVERIFY2(qAbs(r.bearing.toDouble() - bearing) <= 1, qPrintable(r.bearing + " vs " + QString::number(bearing)));
    QVERIFY(r.distance.startsWith(' ') && r.bearing.startsWith(' '));
}

void TestStats::keysMoveThePictureWithinItsLimits()
{
    MapGeometry::Scroll s;
    s.setViewport(QSize(600, 400));
    QCOMPARE(s.horizontalRange(), 264);
    QCOMPARE(s.verticalRange(), 207);
    // At the left edge Left leaves the picture where it is.
    QVERIFY(s.key(Qt::Key_Left));
    QCOMPARE(s.left(), 0);
    QVERIFY(s.key(Qt::Key_Right));
    QCOMPARE(s.left(), -MapGeometry::Scroll::KeyStep);
    // Holding Down stops where the picture's bottom meets the visible area's.
    int presses = 0;
    while (s.top() > -207 && presses < 1000) {
        QVERIFY(s.key(Qt::Key_Down));
        ++presses;
    }
    QCOMPARE(presses, (207 + MapGeometry::Scroll::KeyStep - 1) / MapGeometry::Scroll::KeyStep);
    QVERIFY(s.key(Qt::Key_Down));
    QCOMPARE(s.top(), -207);
    QVERIFY(s.key(Qt::Key_Up));
    QCOMPARE(s.top(), -200);
    QVERIFY(!s.key(Qt::Key_PageDown));
    // Scroll bar values are the negated offsets and stay inside the range.
    s.setHorizontalValue(1000);
    QCOMPARE(s.left(), -264);
    // A visible area larger than the picture leaves nothing to scroll.
    s.setViewport(QSize(1000, 700));
    QCOMPARE(s.horizontalRange(), 0);
    QCOMPARE(s.left(), 0);
}

void TestStats::squareCellTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("first cell") << 0 << 0 << "IQ00";
    QTest::newRow("fourth cell of the top row") << 0 << 3 << "IQ03";
    QTest::newRow("JN75") << 13 << 75 << "JN75";
    QTest::newRow("last cell") << 23 << 99 << "LL99";
}

void TestStats::squareCellTexts()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    QCOMPARE(WorkedSquares::cellText(row, column), text);
    const WorkedSquares::Cell c = WorkedSquares::cellOf(text + "AB ");
    QCOMPARE(c.row, row);
    QCOMPARE(c.column, column);
}

void TestStats::workedSquaresCount_data()
{
    QTest::addColumn<QStringList>("locators");
    QTest::addColumn<QStringList>("worked");
    QTest::newRow("same square twice counts once") << QStringList{"JN75AA ", "JN75XX "} << QStringList{"JN75"};
    QTest::newRow("four and six characters alike") << QStringList{"JN86 ", "JN86CD "} << QStringList{"JN86"};
    QTest::newRow("field outside the grid") << QStringList{"HN10AA ", "MN10AA ", "IR00AA "} << QStringList{};
    QTest::newRow("lower case and short locators") << QStringList{"jn75aa ", "JN7 ", "", " "} << QStringList{};
    QTest::newRow("first logged first")
        << QStringList{"KN05AA ", "IO91WM ", "KN05BB ", "LL99XX "} << QStringList{"KN05", "IO91", "LL99"};
}

void TestStats::workedSquaresCount()
{
    QFETCH(QStringList, locators);
    QFETCH(QStringList, worked);
    const WorkedSquares::Result r = WorkedSquares::count(locators);
    QStringList texts;
    for (const WorkedSquares::Cell &c : r.worked)
        texts << WorkedSquares::cellText(c.row, c.column);
    QCOMPARE(texts, worked);
    QCOMPARE(r.count(), int(worked.size()));
}

void TestStats::mapDataLoadsAndCoversTheArea()
{
    MapOutline outline;
    QString error;
    QVERIFY2(outline.load(MapOutline::defaultPath(m_folder->programFolder()), &error), qPrintable(error));
    QVERIFY(outline.land.size() > 50);
    QVERIFY(!outline.borders.isEmpty());
    QRectF bounds;
    for (const auto &ring : outline.land)
        for (const QPointF &p : ring)
            bounds = bounds.isNull() ? QRectF(p, QSizeF(0.001, 0.001)) : bounds.united(QRectF(p, QSizeF(0.001, 0.001)));
    // Clipped to the map with a margin, never beyond it.
    QVERIFY(bounds.left() < -28 && bounds.left() >= -32);
    QVERIFY(bounds.right() > 58 && bounds.right() <= 62);
    QVERIFY(bounds.top() < 20 && bounds.bottom() > 80);

    QTemporaryDir dir;
    QFile bad(dir.filePath("bad.map"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("L 1 2 3\nX 1 2 3 4\n");
    bad.close();
    QVERIFY(!outline.load(bad.fileName(), &error));
    QVERIFY(outline.isEmpty());
    QVERIFY(!outline.load(dir.filePath("missing.map"), &error));
}

void TestStats::pictureFileNamesFollowTheEdiFile_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("name");
    QTest::newRow("map") << "map" << "9A1TEST_P-Test Contest-144 MHz-map.png";
    QTest::newRow("bearings, any case") << "Bearings" << "9A1TEST_P-Test Contest-144 MHz-bearings.png";
    QTest::newRow("distances") << "distances" << "9A1TEST_P-Test Contest-144 MHz-distances.png";
    QTest::newRow("squares") << "squares" << "9A1TEST_P-Test Contest-144 MHz-squares.png";
    QTest::newRow("not a picture") << "edi" << "";
}

void TestStats::pictureFileNamesFollowTheEdiFile()
{
    QFETCH(QString, word);
    QFETCH(QString, name);
    ContestSettings s = TestSupport::sampleSettings();
    s.pozivniZnak = "9A1TEST/P";
    const auto kind = StatsPictureFiles::kindOfWord(word);
    QCOMPARE(kind.has_value(), !name.isEmpty());
    if (kind)
        QCOMPARE(StatsPictureFiles::fileName(*kind, s, "144 MHz"), name);
}

QTEST_GUILESS_MAIN(TestStats)
#include "tst_stats.moc"
