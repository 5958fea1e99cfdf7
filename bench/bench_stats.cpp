// The statistics window with a full band (32,766 QSOs spread over Europe): opening
// the window and the first draw of each view, median of several runs. With --keep DIR
// the contest is left in DIR (a program folder); --count N logs N QSOs; --shots DIR
// saves a picture of the window in each view.
#include "support/BenchFigures.h"
#include "TestPlatform.h"
#include "TestSupport.h"

#include "contest/ContestSettingsStore.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSession.h"
#include "contestlog/LogStore.h"
#include "geo/Locator.h"
#include "platform/ProgramFolder.h"
#include "platform/SqliteDatabase.h"
#include "stats/MapOutline.h"
#include "stats/ui/Form3.h"
#include "stats/ui/MapPicture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Locators of the stations worked: most within a few hundred km of the own station,
// fewer the farther away, like a weekend on 144 MHz.
QString locatorOf(quint32 &seed, const Geo::Position &own)
{
    auto uniform = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return ((seed >> 8) + 0.5) / double(1u << 24);
    };
    const double angle = uniform() * 2 * M_PI;
    const double km = std::min(-std::log(uniform()) * 330, 2000.0);
    const double lat = own.latitude + km / 111.2 * std::cos(angle);
    const double lon = own.longitude + km / (111.2 * std::cos(own.latitude * M_PI / 180)) * std::sin(angle);
    const double x = lon + 180, y = lat + 90;
    QString l;
    l += QChar('A' + int(x / 20));
    l += QChar('A' + int(y / 10));
    l += QChar('0' + int(std::fmod(x, 20) / 2));
    l += QChar('0' + int(std::fmod(y, 10)));
    l += QChar('A' + int(std::fmod(x, 2) * 12));
    l += QChar('A' + int(std::fmod(y, 1) * 24));
    return l;
}

bool fill(QSqlDatabase db, const QString &band, int count, const QString &own)
{
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, "
                             "QSOs, ODX, Date, Points, Dupla, Longitu, Latitu, DXCCd, Dodatak1) "
                             "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    static const char *const countries[] = {"Croatia", "Slovenia", "Austria", "Hungary", "Italy", "Germany"};
    quint32 seed = 7;
    const Geo::Position ownPosition = Geo::locatorToPosition(Geo::completeLocator(own));
    for (int i = 0; i < count; ++i) {
        const QString loc = locatorOf(seed, ownPosition);
        const Geo::QrbResult r = Geo::computeQrb(own, loc);
        QsoEntry e = TestSupport::sampleQso(QStringLiteral("S5%1AB").arg(i % 1000, 3, 10, QLatin1Char('0')), band, i + 1, loc);
        e.qrb = r.qrb;
        e.bearing = r.bearing;
        e.latitu = QString::number(r.other.latitude, 'f', 4);
        e.longitu = QString::number(r.other.longitude, 'f', 4);
        e.dxccd = i < 6 ? QLatin1String(countries[i]) : QStringLiteral("-");
        const QsoRow s = LogStore::storedForm(e, 0);
        for (const QString &v : {s.time, s.call, s.rsts, s.nrs, s.mode, s.rstr, s.nrr, s.loc, s.qrb, s.bearing,
                                 s.qsos, s.odx, s.date, s.points, s.dupla, s.longitu, s.latitu, s.dxccd, s.dodatak1})
            q.addBindValue(v);
        if (!q.exec()) {
            std::fprintf(stderr, "insert failed: %s\n", qPrintable(q.lastError().text()));
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

double ms(QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool smoke = args.contains(QStringLiteral("--smoke"));
    const int keepAt = int(args.indexOf(QStringLiteral("--keep")));
    const int countAt = int(args.indexOf(QStringLiteral("--count")));
    const int bandSize = countAt >= 0 && countAt + 1 < args.size() ? args.at(countAt + 1).toInt() : smoke ? 300 : 32766;
    const int runs = smoke ? 1 : 7;

    TempProgramFolder folder(false);
    const QString path = folder.file(QStringLiteral("contest.mdb"));
    QString error;
    const QString own = QStringLiteral("JN75");
    if (!ContestDatabase::createFile(path, &error) || !TestSupport::addBands(path, {3, 4}, TestSupport::sampleSettings(own))) {
        std::fprintf(stderr, "cannot create the contest: %s\n", qPrintable(error));
        return 1;
    }
    {
        QSqlDatabase db = ContestDatabase::open(path, &error);
        const bool ok = db.isValid() && fill(db, QStringLiteral("144 MHz"), bandSize, own)
                        && fill(db, QStringLiteral("432 MHz"), bandSize / 10, own);
        SqliteDatabase::close(db);
        if (!ok) {
            std::fprintf(stderr, "cannot fill the contest\n");
            return 1;
        }
    }
    ContestContext &context = folder.context();
    if (!context.session().open(&error)) {
        std::fprintf(stderr, "cannot open the contest: %s\n", qPrintable(error));
        return 1;
    }

    // The map's land, borders and grid are drawn once per program run, at the first showing.
    double mapPicture = 0;
    {
        MapOutline outline;
        QElapsedTimer t;
        t.start();
        outline.load(MapOutline::defaultPath(context.folder()));
        const QImage picture = MapPicture::draw(outline);
        mapPicture = ms(t);
    }

    TestPlatform platform;
    Messages &messages = platform.platform().messages;
    QVector<double> opening, chart, plot, map, squares, total;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        QElapsedTimer all;
        all.start();
        t.start();
        auto *w = new Form3(context, {[] { return QStringLiteral("144 MHz"); }, {QString::number(bandSize), "900", "1"}},
                            messages);
        w->show();
        QApplication::processEvents();
        opening << ms(t);
        // The chart was filled at opening; its first draw is the paint of the shown view.
        t.start();
        w->repaint();
        chart << ms(t);
        const std::pair<QRadioButton *, QVector<double> *> views[] = {
            {w->Option2, &plot}, {w->Option3, &map}, {w->Option4, &squares}};
        for (const auto &[option, times] : views) {
            t.start();
            option->click();
            w->repaint();
            *times << ms(t);
        }
        total << ms(all);
        delete w;
    }
    std::printf("statistics window, %d QSOs on the band, median of %d runs (ms):\n", bandSize, runs);
    std::printf("  open (figures, chart data, first paint)  %8.1f\n", benchMedian(opening));
    std::printf("  distance chart repaint                   %8.1f\n", benchMedian(chart));
    std::printf("  bearing plot view, first draw            %8.1f\n", benchMedian(plot));
    std::printf("  map view, first draw                     %8.1f\n", benchMedian(map));
    std::printf("  squares view, first draw                 %8.1f\n", benchMedian(squares));
    std::printf("  all of it                                %8.1f\n", benchMedian(total));
    std::printf("  map picture, drawn once per run          %8.1f\n", mapPicture);
    const double worst = std::max(
        {benchMedian(opening), benchMedian(chart), benchMedian(plot), benchMedian(map), benchMedian(squares)});
    std::printf("  slowest step %.1f ms (target under 300 ms)\n", worst);

    // --shots DIR: the window in each view, as the operator sees it.
    if (const int shotsAt = int(args.indexOf(QStringLiteral("--shots"))); shotsAt >= 0 && shotsAt + 1 < args.size()) {
        const QString dir = args.at(shotsAt + 1);
        QDir().mkpath(dir);
        auto *w = new Form3(context, {[] { return QStringLiteral("144 MHz"); }, {QString::number(bandSize), "900", "1"}},
                            messages);
        w->show();
        const std::pair<QRadioButton *, const char *> views[] = {
            {w->Option1, "distances"}, {w->Option2, "bearings"}, {w->Option3, "map"}, {w->Option4, "squares"}};
        for (const auto &[option, name] : views) {
            option->click();
            for (int i = 0; i < 5; ++i)
                QApplication::processEvents();
            w->grab().save(QDir(dir).filePath(QStringLiteral("form3-%1.png").arg(QLatin1String(name))));
        }
        delete w;
    }
    context.session().close();
    if (keepAt >= 0 && keepAt + 1 < args.size()) {
        const QString dir = args.at(keepAt + 1);
        QDir().mkpath(dir);
        TestSupport::copyTree(folder.path(), dir);
        std::printf("contest kept in %s\n", qPrintable(dir));
    }
    return 0;
}
