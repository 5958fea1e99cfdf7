#pragma once
#include <QPointF>
#include <QSizeF>
#include <QVector>

// The bearing plot's diagram: rings labelled like the elevation circles of a sky plot
// (0 at the rim, 90 in the centre), spokes every 45 degrees, directions clockwise from
// the top. The outer ring has radius 1 and the drawing spans 1.2 each way of the
// centre along the shorter side, so the rings stay circular at any aspect ratio.
namespace PolarGeometry {

inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double Extent = 1.2;
inline constexpr double SpokeRadius = 1.1;
inline constexpr int SpokeStep = 45;

struct Frame
{
    QPointF centre;
    double scale = 1; // pixels per unit radius
};
Frame frame(QSizeF size);

// The point of direction `azimuth` degrees at `radius`.
QPointF point(const Frame &f, double azimuth, double radius);

struct Ring
{
    double radius;
    int step; // degrees between two corners of the ring's polygon
};
const QVector<Ring> &rings();

// The corners of a ring from 45 to 405 degrees, both included.
QVector<QPointF> ringPolygon(const Frame &f, const Ring &ring);
// 90 - radius * 90, rounded: 0 on the outer ring, 90 in the centre.
int ringLabel(double radius);
// Radius of an elevation in degrees: 1 - 1 / (90 / elevation).
double elevationRadius(double elevation);

}
