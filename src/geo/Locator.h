#pragma once
#include <QString>

// Maidenhead locators, QRB and bearing. The constants and rounding follow the
// contest log's long-standing figures (a six-decimal pi, Earth radius 6371.291 km,
// fixed offsets that keep ordinary pairs away from the formula's singular points),
// so distances match what other stations' logs of this program scored.
namespace Geo {

inline constexpr double Pi = 3.141592;
inline constexpr double DegToRad = Pi / 180.0;
inline constexpr double EarthRadiusKm = 6371.291;
inline constexpr double MapEarthRadiusKm = 6356.775;

struct Position
{
    double latitude = 0;  // north positive
    double longitude = 0; // east positive
};

// Centre of the sub-square of a six-character, upper-case locator. No range check.
Position locatorToPosition(const QString &locator);

// Upper-cases and completes a locator of one to four characters with "LL".
QString completeLocator(const QString &locator);

struct Path
{
    int qrb = 0;     // whole km
    int bearing = 0; // whole degrees, 0..360 (due north gives 360)
};

// Great circle from one position to another on a sphere of `radiusKm`.
Path greatCircle(Position own, Position other, double radiusKm = EarthRadiusKm);

struct QrbResult
{
    bool valid = false;
    bool ownTooLong = false; // the own locator has more than six characters (the caller alerts)
    int qrb = 0;
    int bearing = 0;
    Position own;
    Position other;
};

// Checks and converts both locators and computes the path from `own` to `other`.
// Invalid: an empty locator, one of more than six characters, one whose third
// character is not a digit, or one that has five characters after completion.
QrbResult computeQrb(const QString &own, const QString &other, double radiusKm = EarthRadiusKm);

}
