#pragma once
#include <QImage>
#include <QPointF>
#include <QVector>

class QPainter;
struct MapOutline;

// The picture of the QSO map: sea, land and borders, the field and square grid with
// the field labels IQ .. LL, and the QSO dots on top.
namespace MapPicture {

// The map without dots, 864 x 607 pixels. Drawn once from the map data of `mapFile`
// and kept; an outline that cannot be read leaves the sea, the grid and the labels.
const QImage &base(const QString &mapFile);
// Draws the map of `outline` (for tests and the first use of base()).
QImage draw(const MapOutline &outline);

// A black dot about five pixels wide at every pixel position, in picture pixels.
void drawDots(QPainter &p, const QVector<QPointF> &dots);

// The whole map with the dots, as saved into a file.
QImage withDots(const QString &mapFile, const QVector<QPointF> &dots);

// Colours a test can look for.
QRgb seaColour();
QRgb landColour();

}
