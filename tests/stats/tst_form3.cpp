// The statistics window on a real contest database: figures, the four views, the
// picture files and the command line that writes them.
#include "BrelogCommandLine.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"
#include "contest/ContestSettingsStore.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSession.h"
#include "contestlog/LogStore.h"
#include "platform/SqliteDatabase.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/MessageWindow.h"
#include "stats/MapGeometry.h"
#include "stats/MapOutline.h"
#include "stats/PolarGeometry.h"
#include "stats/ui/DistanceChart.h"
#include "stats/ui/Form3.h"
#include "stats/ui/MapPicture.h"
#include "stats/ui/QsoMapView.h"
#include "stats/ui/SquaresGrid.h"
#include "stats/ui/UsSatellitePlot.h"
#include "shell/ui/Form1.h"

#include <QAction>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <memory>

namespace {

QsoEntry qso(const QString &call, const QString &band, qint64 qrb, const QString &loc, double lat, double lon,
             bool comma = false)
{
    QsoEntry e = TestSupport::sampleQso(call, band, 1, loc);
    e.qrb = qrb;
    e.bearing = 90;
    QString la = QString::number(lat, 'f', 4), lo = QString::number(lon, 'f', 4);
    if (comma) {
        la.replace('.', ',');
        lo.replace('.', ',');
    }
    e.latitu = la;
    e.longitu = lo;
    return e;
}

void closeMessages()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<MessageWindow *>(w))
            w->close();
}

// Nearest of the two map colours.
bool isLand(QRgb c)
{
    auto dist = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    };
    return dist(c, MapPicture::landColour()) < dist(c, MapPicture::seaColour());
}

// The pictures are drawn without a display of any kind.
using CliRun = TestSupport::CommandLineRun;
using TestSupport::runBrelog;

}

class TestForm3 : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void designNamesExistOnce();
    void menuCommandFollowsTheBandAndOpensItsStatistics();
    void figuresAreTheSnapshotOfTheOpening();
    void emptyBandShowsZeroAndNothingDrawn();
    void chartPagesThroughManyQsos();
    void plotDrawsBearingsWhereDesigned_data();
    void plotDrawsBearingsWhereDesigned();
    void plotShowsQsosLoggedAfterOpening();
    void mapDotsAtStoredPositionsWithCommaOrPoint();
    void mapKeysAndScrollBarsMoveThePicture();
    void mapPointerReadsPositionBearingAndDistance();
    void coastlinesSitWhereTheGridSays_data();
    void coastlinesSitWhereTheGridSays();
    void squaresAreRecountedEachShowing();
    void savePictureWritesTheViewShown();

    void commandLineWritesEachPicture_data();
    void commandLineWritesEachPicture();
    void commandLineRefusesBadRequests_data();
    void commandLineRefusesBadRequests();
    void helpListsThePictures();

private:
    Form3 *openWindow(const QString &band = QStringLiteral("144 MHz"),
                      const StatsFigures::ShownTotals &shown = {"3", "812", "1212"});
    void addQsos(const QList<QsoEntry> &qsos);

    std::unique_ptr<TempProgramFolder> m_folder;
    TestPlatform m_platform;
    std::unique_ptr<Form3> m_window;
};

void TestForm3::init()
{
    m_folder = std::make_unique<TempProgramFolder>();
    QVERIFY(TestSupport::addBands(m_folder->file("contest.mdb"), {3, 4}, TestSupport::sampleSettings("JN75")));
    QVERIFY(m_folder->context().session().open());
}

void TestForm3::cleanup()
{
    m_window.reset();
    closeMessages();
    m_folder.reset();
}

Form3 *TestForm3::openWindow(const QString &band, const StatsFigures::ShownTotals &shown)
{
    m_window = std::make_unique<Form3>(m_folder->context(), Form3::Source{[band] { return band; }, shown},
                                       m_platform.platform().messages);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    return m_window.get();
}

void TestForm3::addQsos(const QList<QsoEntry> &qsos)
{
    LogStore store(m_folder->context().session().database());
    for (const QsoEntry &e : qsos)
        QVERIFY(store.insert(e));
}

void TestForm3::designNamesExistOnce()
{
    Form3 *w = openWindow();
    const QStringList names = {"Text1", "Text3", "Text4", "Text5", "Text12", "Text11", "Text7", "Text8", "Label1",
                               "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
                               "Label10", "Label11", "Label12", "Option1", "Option2", "Option3", "Option4",
                               "chameleonButton1", "chameleonButton2", "MSChart1", "usSatellitePlot1", "picCont",
                               "picMove", "hsb", "vsb", "grid"};
    for (const QString &n : names)
        QVERIFY2(w->findChildren<QWidget *>(n).size() == 1, qPrintable(n));
}

void TestForm3::menuCommandFollowsTheBandAndOpensItsStatistics()
{
    cleanup(); // the main window brings its own program folder
    {
        MainWindowFixture f({3, 4});
        QAction *stati = f.window().action("stati");
        QVERIFY(!stati->isEnabled());
        f.typeQso("S51A", "1", "76AB");
        f.typeQso("OE3XYZ", "2", "88CD");
        QVERIFY(stati->isEnabled());
        stati->trigger();
        auto *w = f.window().findChild<Form3 *>("Form3");
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->Text1->text(), QString("2"));
        QCOMPARE(w->Text3->text(), f.window().entry().Text12->text() + " km");
        QCOMPARE(w->Text5->text(), f.window().entry().Text13->text());
        QCOMPARE(w->MSChart1->rows().size(), 2);
        QCOMPARE(w->MSChart1->rows().at(1).call, QString("OE3XYZ"));
        w->close();
    }
    init();
}

void TestForm3::figuresAreTheSnapshotOfTheOpening()
{
    addQsos({qso("S51A", "144 MHz", 400, "JN76", 46.5, 15.0), qso("OE3A", "144 MHz", 812, "JN88", 48.5, 17.0),
             qso("9A2B", "144 MHz", 0, "JN75", 45.5, 15.0), qso("HG1Z", "432 MHz", 9, "JN87", 47.5, 17.0)});
    Form3 *w = openWindow();
    QCOMPARE(w->Text1->text(), QString("3"));
    QCOMPARE(w->Text3->text(), QString("812 km"));
    QCOMPARE(w->Text4->text(), QString("0 km"));
    QCOMPARE(w->Text5->text(), QString("1212"));
    QVERIFY(w->Option1->isChecked());
    QCOMPARE(w->MSChart1->rows().size(), 3);
    QCOMPARE(w->MSChart1->rows().at(1).call, QString("OE3A"));

    addQsos({qso("S59X", "144 MHz", 2, "JN76", 46.5, 15.2)});
    w->Option4->click();
    w->Option1->click();
    QCOMPARE(w->Text4->text(), QString("0 km"));
    QCOMPARE(w->MSChart1->rows().size(), 3);
}

void TestForm3::emptyBandShowsZeroAndNothingDrawn()
{
    addQsos({qso("HG1Z", "432 MHz", 9, "JN87", 47.5, 17.0)});
    Form3 *w = openWindow("144 MHz", {"0", "0", "0"});
    QCOMPARE(w->Text4->text(), QString("0"));
    QCOMPARE(w->Text3->text(), QString("0 km"));
    QCOMPARE(w->Text12->text(), QString());
    QVERIFY(w->MSChart1->rows().isEmpty());
    w->Option2->click();
    QVERIFY(w->usSatellitePlot1->points().isEmpty());
    w->Option3->click();
    QVERIFY(w->map->dots().isEmpty());
    w->Text11->setText("7");
    w->Option4->click();
    QCOMPARE(w->Text11->text(), QString("7"));
    QVERIFY(!w->grid->isWorked(13, 87));
}

void TestForm3::chartPagesThroughManyQsos()
{
    QList<QsoEntry> many;
    for (int i = 0; i < 300; ++i)
        many << qso(QString("S5%1A").arg(i), "144 MHz", i, "JN76", 46.5, 15.0);
    addQsos(many);
    Form3 *w = openWindow();
    QApplication::processEvents();
    DistanceChart *chart = w->MSChart1;
    QCOMPARE(chart->rows().size(), 300);
    // Never more bars than fit with a readable label; the rest is a scroll away.
    QVERIFY(chart->shown() > 0);
    QVERIFY(chart->shown() <= chart->width() / DistanceChart::LabelledBarWidth);
    QVERIFY(chart->scrollBar()->isVisible());
    QCOMPARE(chart->scrollBar()->maximum(), 300 - chart->shown());
    chart->scrollBar()->setValue(chart->scrollBar()->maximum());
    QCOMPARE(chart->first() + chart->shown(), 300);
}

void TestForm3::plotDrawsBearingsWhereDesigned_data()
{
    QTest::addColumn<float>("bearing");
    QTest::addColumn<QPointF>("direction");
    QTest::newRow("bearing 0 straight up") << 0.f << QPointF(0, -1);
    QTest::newRow("bearing 90 to the right") << 90.f << QPointF(1, 0);
    QTest::newRow("bearing 270 to the left") << 270.f << QPointF(-1, 0);
}

void TestForm3::plotDrawsBearingsWhereDesigned()
{
    QFETCH(float, bearing);
    QFETCH(QPointF, direction);
    UsSatellitePlot plot;
    plot.resize(900, 360); // wider than high: still circular and centred
    plot.PlotSatellite(bearing, 1);
    plot.PlotSatellite(bearing, 1);
    QCOMPARE(plot.points().size(), 1);
    const QImage img = plot.grab().toImage();
    const PolarGeometry::Frame f = PolarGeometry::frame(plot.size());
    // Whether a pixel, or one beside it, has the colour.
    auto near = [&](QPointF at, const QColor &colour) {
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (QColor(img.pixel(at.toPoint() + QPoint(dx, dy))) == colour)
                    return true;
        return false;
    };
    // Half way along a direction.
    auto blackAt = [&](QPointF dir) { return near(f.centre + dir * 0.5 * f.scale, Qt::black); };
    QVERIFY(blackAt(direction));
    QVERIFY(!blackAt(-direction));
    QVERIFY(!blackAt(QPointF(direction.y(), direction.x())));
    const QPointF tip = PolarGeometry::point(f, bearing, PolarGeometry::elevationRadius(1));
    QVERIFY(near(tip, QColor(255, 0, 0)));
}

void TestForm3::plotShowsQsosLoggedAfterOpening()
{
    addQsos({qso("S51A", "144 MHz", 400, "JN76", 46.5, 15.0)});
    Form3 *w = openWindow();
    w->Option2->click();
    QCOMPARE(w->usSatellitePlot1->points().size(), 1);
    QsoEntry later = qso("OE3A", "144 MHz", 812, "JN88", 48.5, 17.0);
    later.bearing = 200;
    addQsos({later});
    w->Option1->click();
    w->Option2->click();
    QCOMPARE(w->usSatellitePlot1->points().size(), 2);
    QCOMPARE(w->Text1->text(), QString("3")); // the figures stay those of the opening
}

void TestForm3::mapDotsAtStoredPositionsWithCommaOrPoint()
{
    addQsos({qso("S51A", "144 MHz", 400, "JN76", 46.5, 15.0, true), qso("S52A", "144 MHz", 400, "JN76", 46.5, 15.0),
             qso("W1AW", "144 MHz", 7000, "FN31", 41.7, -72.7)});
    Form3 *w = openWindow();
    w->Option3->click();
    QVERIFY(w->map->isVisible());
    QVERIFY(w->Text7->isVisible());
    // The comma and the point land on one dot; the station in America is off the picture.
    QCOMPARE(w->map->dots().size(), 2);
    QCOMPARE(w->map->dots().at(0), MapGeometry::toPixel(15.0, 46.5));
    QVERIFY(w->map->dots().at(1).x() < 0);
    const QImage img = w->map->picMove->grab().toImage();
    QCOMPARE(QColor(img.pixel(MapGeometry::toPixel(15.0, 46.5).toPoint())), QColor(Qt::black));
    w->Option1->click();
    QVERIFY(!w->Text7->isVisible());
}

void TestForm3::mapKeysAndScrollBarsMoveThePicture()
{
    Form3 *w = openWindow();
    w->resize(900, 560);
    w->Option3->click();
    QApplication::processEvents();
    QWidget *pic = w->map->picMove;
    const int hRange = w->map->hsb->maximum();
    QVERIFY(hRange > 0);
    QCOMPARE(hRange, MapGeometry::Width - w->map->picCont->width());
    QTest::keyClick(w->Option3, Qt::Key_Left);
    QCOMPARE(pic->pos(), QPoint(0, 0));
    QTest::keyClick(w->Option3, Qt::Key_Right);
    QCOMPARE(pic->x(), -MapGeometry::Scroll::KeyStep);
    QCOMPARE(w->map->hsb->value(), MapGeometry::Scroll::KeyStep);
    // The arrow keys move the map, not the choice of view.
    QVERIFY(w->Option3->isChecked());
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(w->Option3, Qt::Key_Down);
    QCOMPARE(pic->y(), -w->map->vsb->maximum());
    QCOMPARE(pic->y() + pic->height(), w->map->picCont->height());
    w->map->hsb->setValue(hRange);
    QCOMPARE(pic->x() + pic->width(), w->map->picCont->width());
}

void TestForm3::mapPointerReadsPositionBearingAndDistance()
{
    Form3 *w = openWindow();
    w->Option3->click();
    QCOMPARE(w->Text9, QString("45.479166666666664"));
    QCOMPARE(w->Text10, QString("14.9583"));
    // Due east along the own latitude, 20 degrees: roughly 1,550 km at about 83 degrees.
    // The picture's own coordinates, wherever it is scrolled to.
    w->map->hsb->setValue(w->map->hsb->maximum());
    const QPoint local = MapGeometry::toPixel(34.9583, 45.479166666666664).toPoint();
    QTest::mousePress(w->map->picMove, Qt::LeftButton, {}, local);
    QVERIFY(qAbs(w->Text8->text().toDouble() - 34.9583) < 0.1);
    QVERIFY(qAbs(w->Text7->text().toDouble() - 45.479) < 0.1);
    QTest::mouseRelease(w->map->picMove, Qt::LeftButton, {}, local);
    const int km = w->Label6->text().toInt();
    const int bearing = w->Label5->text().toInt();
    QVERIFY2(km > 1530 && km < 1570, qPrintable(w->Label6->text()));
    QVERIFY2(bearing >= 81 && bearing <= 84, qPrintable(w->Label5->text()));
}

void TestForm3::coastlinesSitWhereTheGridSays_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<bool>("land");
    QTest::newRow("Adriatic sea in JN83") << 16.7 << 43.3 << false;
    QTest::newRow("Croatian coast land in JN85") << 16.1 << 45.6 << true;
    QTest::newRow("Italian land in JN61") << 13.3 << 41.7 << true;
    QTest::newRow("England in IO92") << -1.3 << 52.5 << true;
    QTest::newRow("Irish Sea in IO73") << -5.3 << 53.7 << false;
    QTest::newRow("Ireland in IO62") << -7.5 << 52.7 << true;
    QTest::newRow("Iceland west in HP84") << -21.1 << 64.6 << true;
    QTest::newRow("Iceland east in IP05") << -17.1 << 65.3 << true;
    QTest::newRow("sea south of Iceland in IP02") << -18.7 << 62.5 << false;
    QTest::newRow("Mediterranean in JM74") << 18.3 << 34.5 << false;
    QTest::newRow("Sahara in JL38") << 7.3 << 28.5 << true;
    QTest::newRow("Caspian sea in LN52") << 50.5 << 42.5 << false;
}

void TestForm3::coastlinesSitWhereTheGridSays()
{
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QFETCH(bool, land);
    const QImage &img = MapPicture::base(MapOutline::defaultPath(m_folder->programFolder()));
    QCOMPARE(img.size(), QSize(864, 607));
    const QPoint p = MapGeometry::toPixel(longitude, latitude).toPoint();
    QCOMPARE(isLand(img.pixel(p)), land);
}

void TestForm3::squaresAreRecountedEachShowing()
{
    addQsos({qso("S51A", "144 MHz", 400, "JN75AA", 46.5, 15.0), qso("S52A", "144 MHz", 400, "JN75XX", 46.5, 15.0),
             qso("S53A", "144 MHz", 400, "JN76", 46.5, 15.0), qso("EA8A", "144 MHz", 400, "HN10AA", 46.5, 15.0),
             qso("HG1Z", "432 MHz", 9, "JN97AA", 47.5, 17.0)});
    Form3 *w = openWindow();
    QVERIFY(!w->Text11->isVisible());
    w->Option4->click();
    QVERIFY(w->Text11->isVisible());
    QCOMPARE(w->Text11->text(), QString("2"));
    QCOMPARE(w->grid->item(0, 0)->text(), QString("IQ00"));
    QCOMPARE(w->grid->item(23, 99)->text(), QString("LL99"));
    QVERIFY(w->grid->isWorked(13, 75));
    QVERIFY(w->grid->isWorked(13, 76));
    QVERIFY(!w->grid->isWorked(13, 97));

    // A QSO logged meanwhile is counted with the others, never on top of a stale count;
    // a deleted one loses its mark.
    addQsos({qso("OE3A", "144 MHz", 812, "JN88", 48.5, 17.0)});
    LogStore store(m_folder->context().session().database());
    QVector<QsoRow> rows;
    QVERIFY(store.bandRows("144 MHz", rows));
    QVERIFY(store.remove(rows.at(2).id)); // S53A, JN76
    w->Option1->click();
    w->Option4->click();
    QCOMPARE(w->Text11->text(), QString("2"));
    QVERIFY(w->grid->isWorked(13, 88));
    QVERIFY(!w->grid->isWorked(13, 76));
}

void TestForm3::savePictureWritesTheViewShown()
{
    addQsos({qso("S51A", "144 MHz", 400, "JN76", 46.5, 15.0)});
    Form3 *w = openWindow();
    const QString base = m_folder->file("log/9A1TEST-Test Contest-144 MHz");
    const std::pair<QRadioButton *, QString> views[] = {
        {w->Option1, "-distances.png"}, {w->Option2, "-bearings.png"}, {w->Option3, "-map.png"}, {w->Option4, "-squares.png"}};
    for (const auto &[option, suffix] : views) {
        option->click();
        QTest::mouseClick(w->chameleonButton2, Qt::LeftButton);
        QImage img(base + suffix);
        QVERIFY2(!img.isNull(), qPrintable(base + suffix));
        if (suffix == "-map.png") {
            QCOMPARE(img.size(), QSize(864, 607));
            QCOMPARE(QColor(img.pixel(MapGeometry::toPixel(15.0, 46.5).toPoint())), QColor(Qt::black));
        }
        if (suffix == "-bearings.png")
            QCOMPARE(img.width(), img.height());
        MessageWindow *m = MessageWindow::find("Form45");
        QVERIFY(m);
        QVERIFY(m->text().contains(base + suffix));
    }
    // A log folder that cannot be made: the failure window says why and nothing is written.
    QDir(m_folder->file("log")).removeRecursively();
    QFile blocker(m_folder->file("log"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(w->savePicture().isEmpty());
    MessageWindow *m = MessageWindow::find("Form46");
    QVERIFY(m);
    QVERIFY(m->text().contains("cannot create the folder"));
}

void TestForm3::commandLineWritesEachPicture_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QSize>("size");
    QTest::newRow("map") << "map" << QSize(864, 607);
    QTest::newRow("bearings") << "bearings" << QSize(640, 640);
    QTest::newRow("distances") << "distances" << QSize();
    QTest::newRow("squares") << "squares" << QSize();
}

void TestForm3::commandLineWritesEachPicture()
{
    QFETCH(QString, word);
    QFETCH(QSize, size);
    addQsos({qso("S51A", "144 MHz", 400, "JN76AA", 46.5, 15.0), qso("OE3A", "144 MHz", 812, "JN88", 48.5, 17.0)});
    m_folder->context().session().close(); // the program opens the file itself
    // A folder of the operator's holds no map data: the map shipped with the program serves.
    QVERIFY(QDir(m_folder->file("map")).removeRecursively());
    const CliRun r = runBrelog({"--export", word, "--band", "144 MHz", "--folder", m_folder->path()});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QString path = m_folder->file("log/9A1TEST-Test Contest-144 MHz-" + word + ".png");
    QCOMPARE(QString::fromUtf8(r.out).trimmed(), path);
    const QImage img(path);
    QVERIFY(!img.isNull());
    if (size.isValid())
        QCOMPARE(img.size(), size);
    if (word == "map") {
        QCOMPARE(QColor(img.pixel(MapGeometry::toPixel(15.0, 46.5).toPoint())), QColor(Qt::black));
        QVERIFY(isLand(img.pixel(MapGeometry::toPixel(-1.3, 52.5).toPoint())));
        QVERIFY(!isLand(img.pixel(MapGeometry::toPixel(16.7, 43.3).toPoint())));
    }
    if (word == "squares") {
        // Every square is in the picture: at least 100 columns of "IQ00"-wide cells.
        QVERIFY(img.width() > 100 * 30);
    }
}

void TestForm3::commandLineRefusesBadRequests_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("band that is not a label") << "" << QStringList{"--export", "map", "--band", "2m"}
                                              << "unknown band \"2m\"";
    QTest::newRow("unknown word") << "" << QStringList{"--export", "mapa", "--band", "144 MHz"}
                                  << "unknown export format \"mapa\"";
    QTest::newRow("missing database") << "no database" << QStringList{"--export", "squares", "--band", "144 MHz"}
                                      << "no contest database";
    QTest::newRow("log folder cannot be made") << "log is a file"
                                               << QStringList{"--export", "bearings", "--band", "144 MHz"}
                                               << "cannot create the folder";
}

void TestForm3::commandLineRefusesBadRequests()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    m_folder->context().session().close();
    if (setup == "no database") {
        QVERIFY(QFile::remove(m_folder->file("contest.mdb")));
    } else if (setup == "log is a file") {
        QFile f(m_folder->file("log"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const CliRun r = runBrelog(args + QStringList{"--folder", m_folder->path()});
    QVERIFY(r.exitCode > 0);
    QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
    QVERIFY(r.out.isEmpty());
    if (setup == "no database")
        QVERIFY(!QFileInfo::exists(m_folder->file("contest.mdb")));
}

void TestForm3::helpListsThePictures()
{
    const CliRun r = runBrelog({"--help"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains("edi|adif|map|bearings|distances|squares"), r.out.constData());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
