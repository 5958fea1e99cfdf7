#include "stats/ui/StatsPictures.h"

#include "contest/ContestSettings.h"
#include "export/LogExport.h"
#include "stats/StatsLog.h"
#include "stats/WorkedSquares.h"
#include "stats/ui/DistanceChart.h"
#include "stats/ui/MapPicture.h"
#include "stats/ui/SquaresGrid.h"
#include "stats/ui/UsSatellitePlot.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QSet>

#include <cmath>

namespace StatsPictures {

QVector<QPointF> mapDots(const QVector<StatsLog::PositionText> &positions)
{
    QVector<QPointF> dots;
    QSet<quint64> seen;
    for (const StatsLog::PositionText &p : positions) {
        const QPointF d = MapGeometry::qsoPixel(p.latitude, p.longitude);
        const quint64 key = (quint64(quint32(qint32(std::floor(d.x())))) << 32) | quint32(qint32(std::floor(d.y())));
        if (!seen.contains(key)) {
            seen.insert(key);
            dots.append(d);
        }
    }
    return dots;
}

QImage bearingsPicture(const QVector<UsSatellitePlot::Point> &points)
{
    QImage image(BearingsSize, BearingsSize, QImage::Format_RGB32);
    QPainter p(&image);
    UsSatellitePlot::paintDiagram(p, image.size(), points, QApplication::font());
    return image;
}

QImage render(StatsPictureFiles::Kind kind, QSqlDatabase db, const QString &band, const QString &mapFile,
             QString *error)
{
    using Kind = StatsPictureFiles::Kind;
    switch (kind) {
    case Kind::Map: {
        QVector<StatsLog::PositionText> positions;
        if (!StatsLog::positions(db, band, positions, error))
            return {};
        return MapPicture::withDots(mapFile, mapDots(positions));
    }
    case Kind::Bearings: {
        QVector<float> bearings;
        if (!StatsLog::bearings(db, band, bearings, error))
            return {};
        UsSatellitePlot plot;
        for (float b : std::as_const(bearings))
            plot.PlotSatellite(b, 1);
        return bearingsPicture(plot.points());
    }
    case Kind::Distances: {
        QVector<StatsLog::DistanceRow> rows;
        if (!StatsLog::distances(db, band, rows, error))
            return {};
        return DistanceChart::picture(rows);
    }
    case Kind::Squares: {
        QStringList locators;
        if (!StatsLog::locators(db, band, locators, error))
            return {};
        return SquaresGrid::picture(WorkedSquares::count(locators));
    }
    }
    return {};
}

Saved save(const QImage &image, StatsPictureFiles::Kind kind, const ContestSettings &settings, const QString &band,
           const QString &programFolder)
{
    Saved s;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        s.error = QStringLiteral("the picture could not be made");
        return s;
    }
    const LogExport::Result r = LogExport::writeFile(QDir(programFolder).filePath(QStringLiteral("log")),
                                                     StatsPictureFiles::fileName(kind, settings, band), bytes);
    s.ok = r.ok();
    s.path = r.path;
    if (r.status == LogExport::Result::FolderFailed)
        s.error = QStringLiteral("cannot create the folder %1").arg(r.path);
    else if (!r.ok())
        s.error = QStringLiteral("cannot write %1: %2").arg(r.path, r.detail);
    return s;
}

}
