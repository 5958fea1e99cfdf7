#include "stats/PolarGeometry.h"

#include <algorithm>
#include <cmath>

namespace PolarGeometry {

Frame frame(QSizeF size)
{
    Frame f;
    f.centre = QPointF(size.width() / 2.0, size.height() / 2.0);
    f.scale = std::max(1.0, std::min(size.width(), size.height())) / (2 * Extent);
    return f;
}

QPointF point(const Frame &f, double azimuth, double radius)
{
    const double a = azimuth * DegToRad;
    return f.centre + QPointF(radius * std::sin(a), -radius * std::cos(a)) * f.scale;
}

const QVector<Ring> &rings()
{
    static const QVector<Ring> list{{1.0, 5},    {0.8888, 5}, {0.7777, 5}, {0.6666, 10}, {0.5555, 10},
                                    {0.4444, 10}, {0.3333, 5}, {0.2222, 5}, {0.1111, 5},  {0, 10}};
    return list;
}

QVector<QPointF> ringPolygon(const Frame &f, const Ring &ring)
{
    QVector<QPointF> corners;
    // A single-precision loop, as the ring's corners have always been counted.
    for (float a = 45; a <= 405; a += float(ring.step))
        corners.append(point(f, a, ring.radius));
    return corners;
}

int ringLabel(double radius)
{
    return int(std::lround(90 - radius * 90));
}

double elevationRadius(double elevation)
{
    return 1 - 1 / (90 / elevation);
}

}
