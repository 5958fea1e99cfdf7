#include "stats/ui/MapPicture.h"

#include "stats/MapGeometry.h"
#include "stats/MapOutline.h"
#include "stats/WorkedSquares.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace MapPicture {

namespace {

const QColor Sea(0xcf, 0xe2, 0xf0);
const QColor Land(0xf2, 0xee, 0xdc);
const QColor Coast(0x7d, 0x8f, 0x9c);
const QColor Border(0xb4, 0xa8, 0x96);
const QColor SquareGrid(0x6e, 0x8c, 0xb4, 60);
const QColor FieldGrid(0x2d, 0x4b, 0x8c, 170);
const QColor FieldLabel(0x1e, 0x37, 0x78);

QPointF pixel(QPointF degrees)
{
    return MapGeometry::toPixel(degrees.x(), degrees.y());
}

void drawOutline(QPainter &p, const MapOutline &outline)
{
    QPainterPath land;
    land.setFillRule(Qt::OddEvenFill);
    for (const QVector<QPointF> &ring : outline.land) {
        QPolygonF poly;
        poly.reserve(ring.size() + 1);
        for (const QPointF &pt : ring)
            poly << pixel(pt);
        poly << poly.first();
        land.addPolygon(poly);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(land, Land);
    p.setPen(QPen(Border, 0.8));
    for (const QVector<QPointF> &line : outline.borders) {
        QPolygonF poly;
        poly.reserve(line.size());
        for (const QPointF &pt : line)
            poly << pixel(pt);
        p.drawPolyline(poly);
    }
    p.setPen(QPen(Coast, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(land);
}

// Fields are 20 degrees wide and 10 high, squares 2 by 1; the map starts 28 W and
// 80 N, in the middle of the fields IQ.
void drawGrid(QPainter &p)
{
    using namespace MapGeometry;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(SquareGrid, 1));
    for (int lon = -28; lon <= 58; lon += 2)
        p.drawLine(toPixel(lon, North), toPixel(lon, South));
    for (int lat = 20; lat <= 80; ++lat)
        p.drawLine(toPixel(West, lat), toPixel(East, lat));
    p.setPen(QPen(FieldGrid, 1));
    for (int lon = -20; lon <= 58; lon += 20)
        p.drawLine(toPixel(lon, North), toPixel(lon, South));
    for (int lat = 30; lat <= 80; lat += 10)
        p.drawLine(toPixel(West, lat), toPixel(East, lat));

    QFont f = p.font();
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(FieldLabel);
    for (int r = 0; r < WorkedSquares::Rows; ++r) {
        const QString field = WorkedSquares::fieldOfRow(r);
        const double west = (field.at(0).unicode() - 'A') * 20 - 180;
        const double south = (field.at(1).unicode() - 'A') * 10 - 90;
        // Each label at the upper left of its field's visible part.
        const double lon = std::max(west, West) + 0.6;
        const double lat = std::min(south + 10, North) - 0.4;
        const QPointF at = toPixel(lon, lat);
        p.drawText(QRectF(at, QSizeF(40, 20)), Qt::AlignLeft | Qt::AlignTop, field);
    }
}

}

QImage draw(const MapOutline &outline)
{
    QImage image(MapGeometry::pictureSize(), QImage::Format_RGB32);
    image.fill(Sea);
    QPainter p(&image);
    drawOutline(p, outline);
    drawGrid(p);
    return image;
}

const QImage &base(const QString &mapFile)
{
    static QString drawnFrom;
    static QImage picture;
    if (picture.isNull() || drawnFrom != mapFile) {
        MapOutline outline;
        outline.load(mapFile);
        picture = draw(outline);
        drawnFrom = mapFile;
    }
    return picture;
}

void drawDots(QPainter &p, const QVector<QPointF> &dots)
{
    // One dot drawn once and copied: tens of thousands of QSOs stay quick to draw.
    static const QImage dot = [] {
        QImage d(7, 7, QImage::Format_ARGB32_Premultiplied);
        d.fill(Qt::transparent);
        QPainter dp(&d);
        dp.setRenderHint(QPainter::Antialiasing, true);
        dp.setPen(Qt::NoPen);
        dp.setBrush(Qt::black);
        dp.drawEllipse(QPointF(3.5, 3.5), 2.6, 2.6);
        return d;
    }();
    const QRect clip = p.hasClipping() ? p.clipBoundingRect().toAlignedRect().adjusted(-4, -4, 4, 4)
                                       : QRect(-4, -4, MapGeometry::Width + 8, MapGeometry::Height + 8);
    for (const QPointF &d : dots) {
        const QPoint at(int(std::floor(d.x())) - 3, int(std::floor(d.y())) - 3);
        if (clip.contains(at))
            p.drawImage(at, dot);
    }
}

QImage withDots(const QString &mapFile, const QVector<QPointF> &dots)
{
    QImage image = base(mapFile).copy();
    QPainter p(&image);
    drawDots(p, dots);
    return image;
}

QRgb seaColour()
{
    return Sea.rgb();
}

QRgb landColour()
{
    return Land.rgb();
}

}
