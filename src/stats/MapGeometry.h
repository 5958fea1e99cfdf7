#pragma once
#include "geo/Locator.h"

#include <QPointF>
#include <QSize>
#include <QString>

// The QSO map: an equirectangular picture of 28 W .. 58 E and 80 N .. 20 N, 864 x 607
// pixels, moved inside a smaller visible area by scroll bars and arrow keys.
namespace MapGeometry {

inline constexpr double West = -28;
inline constexpr double East = 58;
inline constexpr double North = 80;
inline constexpr double South = 20;
inline constexpr int Width = 864;
inline constexpr int Height = 607;
inline QSize pictureSize() { return {Width, Height}; }

// Longitude/latitude (east and north positive) to a pixel of the picture and back.
QPointF toPixel(double longitude, double latitude);
Geo::Position fromPixel(QPointF pixel);

// The number at the start of a stored coordinate, a decimal comma read as a point;
// reading stops at the first character that does not belong to the number, and a
// text without a number gives 0.
double leadingNumber(const QString &text);

// Where the dot of a QSO goes, from its stored latitude and longitude texts.
QPointF qsoPixel(const QString &latitude, const QString &longitude);

// The own station's latitude (full precision) and longitude ("00.0000", "-" for
// west) as texts with a decimal point, from the own locator; a locator of one to four
// characters is completed with "LL".
struct OwnPosition
{
    QString latitude;
    QString longitude;
};
OwnPosition ownPosition(const QString &ownLocator);

// A number as the read-outs show it: a leading blank unless negative, a point as the
// decimal separator, single precision.
QString readoutText(double value);

// Bearing and distance from the own position (as ownPosition writes it) to the point
// under the pointer, on the map's sphere of 6356.775 km.
struct Readout
{
    QString latitude;  // Text7
    QString longitude; // Text8
    QString bearing;   // Label5
    QString distance;  // Label6
};
Readout readout(const OwnPosition &own, QPointF pixel);

// The part of the picture in sight: offsets are 0 or negative and move in whole pixels.
class Scroll
{
public:
    // A key press moves the picture by this many pixels.
    static constexpr int KeyStep = 7;

    void setViewport(QSize visible);
    int horizontalRange() const { return m_hRange; }
    int verticalRange() const { return m_vRange; }
    int left() const { return m_left; }
    int top() const { return m_top; }
    // From the scroll bars: the value is the negated offset.
    void setHorizontalValue(int value);
    void setVerticalValue(int value);
    // Arrow keys (Qt::Key_Left ...); false for any other key.
    bool key(int qtKey);

private:
    int m_hRange = 0;
    int m_vRange = 0;
    int m_left = 0;
    int m_top = 0;
};

}
