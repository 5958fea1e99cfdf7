#pragma once
#include "stats/MapGeometry.h"
#include "stats/StatsLog.h"
#include "stats/StatsPictureFiles.h"
#include "stats/ui/UsSatellitePlot.h"

#include <QImage>
#include <QSqlDatabase>
#include <QString>

struct ContestSettings;

// The four views of the statistics window drawn as pictures for a contest report,
// from the log, without a window on screen.
namespace StatsPictures {

// The dots of the band's QSOs in picture pixels; positions that fall on the same
// pixel are drawn once.
QVector<QPointF> mapDots(const QVector<StatsLog::PositionText> &positions);

// The picture of one view of `band`; a null image and `error` when the log cannot be read.
// `mapFile` is the map data the map is drawn from.
QImage render(StatsPictureFiles::Kind kind, QSqlDatabase db, const QString &band, const QString &mapFile,
             QString *error = nullptr);

// The bearing plot's picture: square, the diagram centred.
inline constexpr int BearingsSize = 640;
QImage bearingsPicture(const QVector<UsSatellitePlot::Point> &points);

struct Saved
{
    bool ok = false;
    QString path;  // the file written, or the one that could not be
    QString error; // why not
};
// Writes `image` as PNG into `programFolder`/log under the view's file name.
Saved save(const QImage &image, StatsPictureFiles::Kind kind, const ContestSettings &settings, const QString &band,
           const QString &programFolder);

}
