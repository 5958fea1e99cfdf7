#include "stats/MapGeometry.h"

#include <Qt>
#include <algorithm>
#include <cmath>

namespace MapGeometry {

QPointF toPixel(double longitude, double latitude)
{
    return {(longitude - West) / (East - West) * Width, (North - latitude) / (North - South) * Height};
}

Geo::Position fromPixel(QPointF pixel)
{
    Geo::Position p;
    p.longitude = West + pixel.x() / Width * (East - West);
    p.latitude = North - pixel.y() / Height * (North - South);
    return p;
}

double leadingNumber(const QString &text)
{
    // The longest prefix that reads as a number: blanks, a sign, digits, one decimal
    // separator (point or comma) and more digits.
    QByteArray number;
    number.reserve(text.size());
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        number.append(char(text.at(i++).unicode()));
    bool digits = false, separator = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number.append(char(c.unicode()));
            digits = true;
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !separator) {
            number.append('.');
            separator = true;
        } else {
            break;
        }
    }
    return digits ? number.toDouble() : 0.0;
}

QPointF qsoPixel(const QString &latitude, const QString &longitude)
{
    return toPixel(leadingNumber(longitude), leadingNumber(latitude));
}

OwnPosition ownPosition(const QString &ownLocator)
{
    const Geo::Position p = Geo::locatorToPosition(Geo::completeLocator(ownLocator));
    OwnPosition o;
    o.latitude = QString::number(p.latitude, 'g', 17);
    QString lon = QString::number(std::abs(p.longitude), 'f', 4);
    if (lon.indexOf(QLatin1Char('.')) < 2)
        lon.prepend(QLatin1Char('0'));
    o.longitude = (p.longitude < 0 ? QStringLiteral("-") : QString()) + lon;
    return o;
}

QString readoutText(double value)
{
    const QString t = QString::number(static_cast<float>(value), 'g', 7);
    return value < 0 ? t : QLatin1Char(' ') + t;
}

Readout readout(const OwnPosition &own, QPointF pixel)
{
    const Geo::Position point = fromPixel(pixel);
    Readout r;
    r.latitude = readoutText(point.latitude);
    r.longitude = readoutText(point.longitude);
    // The bearing and distance start from the shown (single precision) values, as the
    // operator reads them.
    const Geo::Position from{leadingNumber(own.latitude), leadingNumber(own.longitude)};
    const Geo::Position to{static_cast<float>(point.latitude), static_cast<float>(point.longitude)};
    const Geo::Path path = Geo::greatCircle(from, to, Geo::MapEarthRadiusKm);
    r.bearing = readoutText(path.bearing);
    r.distance = readoutText(path.qrb);
    return r;
}

void Scroll::setViewport(QSize visible)
{
    // A visible area larger than the picture leaves nothing to scroll.
    m_hRange = std::max(0, Width - visible.width());
    m_vRange = std::max(0, Height - visible.height());
    m_left = std::clamp(m_left, -m_hRange, 0);
    m_top = std::clamp(m_top, -m_vRange, 0);
}

void Scroll::setHorizontalValue(int value)
{
    m_left = -std::clamp(value, 0, m_hRange);
}

void Scroll::setVerticalValue(int value)
{
    m_top = -std::clamp(value, 0, m_vRange);
}

bool Scroll::key(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        m_left = std::min(m_left + KeyStep, 0);
        return true;
    case Qt::Key_Right:
        m_left = std::max(m_left - KeyStep, -m_hRange);
        return true;
    case Qt::Key_Up:
        m_top = std::min(m_top + KeyStep, 0);
        return true;
    case Qt::Key_Down:
        m_top = std::max(m_top - KeyStep, -m_vRange);
        return true;
    default:
        return false;
    }
}

}
