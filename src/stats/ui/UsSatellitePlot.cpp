#include "stats/ui/UsSatellitePlot.h"

#include "stats/PolarGeometry.h"

#include <QPainter>

namespace {

const QColor RingColour(255, 192, 192);

void drawLabel(QPainter &p, QPointF topLeft, const QString &text)
{
    const QFontMetricsF fm(p.font());
    p.drawText(QPointF(topLeft.x(), topLeft.y() + fm.ascent()), text);
}

}

UsSatellitePlot::UsSatellitePlot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("usSatellitePlot1"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void UsSatellitePlot::Reset()
{
    m_points.clear();
    update();
}

void UsSatellitePlot::PlotSatellite(float Azimuth, float Elevation)
{
    if (Elevation == 0)
        return;
    const Point pt{Azimuth, Elevation};
    // Whole-degree bearings repeat a lot; a point already drawn adds nothing visible.
    if (!m_points.contains(pt))
        m_points.append(pt);
    update();
}

void UsSatellitePlot::paintDiagram(QPainter &p, QSize size, const QVector<Point> &points, const QFont &font)
{
    using namespace PolarGeometry;
    const Frame f = frame(size);
    p.save();
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, false);

    QFont normal = font;
    normal.setBold(false);
    p.setFont(normal);
    for (const Ring &ring : rings()) {
        const QVector<QPointF> corners = ringPolygon(f, ring);
        p.setPen(QPen(RingColour, 1));
        if (corners.size() > 1)
            p.drawPolyline(corners.constData(), int(corners.size()));
        p.setPen(Qt::black);
        drawLabel(p, corners.last(), QString::number(ringLabel(ring.radius)));
    }

    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    for (int a = 0; a <= 360 - SpokeStep; a += SpokeStep) {
        const QPointF end = point(f, a, SpokeRadius);
        p.setPen(QPen(RingColour, 1));
        p.drawLine(f.centre, end);
        p.setPen(Qt::black);
        drawLabel(p, end, QString::number(a));
    }

    for (const Point &pt : points) {
        const QPointF end = point(f, pt.azimuth, elevationRadius(pt.elevation));
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(f.centre, end);
        p.setPen(QPen(QColor(255, 0, 0), 1));
        p.drawPoint(end);
    }
    p.restore();
}

void UsSatellitePlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintDiagram(p, size(), m_points, font());
}
