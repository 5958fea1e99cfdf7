#include "geo/Locator.h"

#include <algorithm>
#include <cmath>

namespace Geo {

namespace {

int sgn(double x)
{
    return (x > 0) - (x < 0);
}

// atan(sqrt(1 - x^2) / x) + (1 - sgn x) * pi / 2, the arc cosine as the formula writes it,
// with x = 0 taken as its limit instead of a division by zero.
double arcCos(double x)
{
    x = std::clamp(x, -1.0, 1.0);
    if (x == 0)
        return Pi / 2;
    return std::atan(std::sqrt(1 - x * x) / x) + (1 - sgn(x)) * Pi / 2;
}

double longitudeToRadians(double lon)
{
    const double g = -lon;
    const int s = sgn(g - 0.0001);
    return -(g - (s + 1) * 180.0) * DegToRad;
}

bool checkLocator(const QString &completed)
{
    if (completed.isEmpty() || completed.size() > 6 || completed.size() < 3)
        return false;
    const QChar third = completed.at(2);
    if (third < QLatin1Char('0') || third > QLatin1Char('9'))
        return false;
    return completed.size() != 5;
}

}

QString completeLocator(const QString &locator)
{
    QString l = locator.toUpper();
    if (l.size() >= 1 && l.size() <= 4)
        l += QStringLiteral("LL");
    return l;
}

Position locatorToPosition(const QString &loc)
{
    auto a = [&](int i) -> double { return i <= loc.size() ? loc.at(i - 1).unicode() : 0.0; };
    Position p;
    p.longitude = (a(1) - 65) * 20 - 180 + (a(3) - 48) * 2 + (a(5) - 64.5) / 12;
    p.latitude = (a(2) - 65) * 10 - 90 + (a(4) - 48) + (a(6) - 64.5) / 24;
    return p;
}

Path greatCircle(Position own, Position other, double radiusKm)
{
    double phi1 = own.latitude;
    const double phi2deg = other.latitude;
    if (phi1 == 0 && phi2deg == 0)
        phi1 += 0.00001;
    const double l1 = longitudeToRadians(own.longitude);
    const double l2 = longitudeToRadians(other.longitude);
    const double p1 = phi1 * DegToRad;
    const double p2 = phi2deg * DegToRad;
    double d = l1 - l2 + 0.0001;
    d = d + (1 - sgn(d)) * Pi;
    const double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(d);
    const double a = arcCos(c);
    double t = 0;
    const double sinA = std::sin(a);
    const double cosP1 = std::cos(p1);
    if (sinA != 0 && cosP1 != 0) {
        const double z = (std::sin(p2) - c * std::sin(p1)) / sinA / cosP1;
        t = z < -0.9999999 ? Pi : arcCos(z);
    }
    t = t * sgn(d - Pi) * sgn(Pi - a);
    t = t + (1 - sgn(t)) * Pi;
    Path path;
    path.bearing = static_cast<int>(std::floor(t / DegToRad + 0.5));
    path.qrb = static_cast<int>(std::floor(radiusKm * a + 0.5));
    return path;
}

QrbResult computeQrb(const QString &own, const QString &other, double radiusKm)
{
    QrbResult r;
    const QString o = completeLocator(own);
    const QString w = completeLocator(other);
    r.ownTooLong = o.size() > 6;
    r.valid = checkLocator(o) && checkLocator(w);
    r.own = locatorToPosition(o);
    r.other = locatorToPosition(w);
    if (r.valid) {
        const Path p = greatCircle(r.own, r.other, radiusKm);
        r.qrb = p.qrb;
        r.bearing = p.bearing;
    }
    return r;
}

}
