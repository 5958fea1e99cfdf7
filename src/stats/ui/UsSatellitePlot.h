#pragma once
#include <QVector>
#include <QWidget>

class QPainter;

// The polar diagram of the statistics window: labelled rings and spokes, and a line
// from the centre for every plotted point, which ends in a red pixel.
class UsSatellitePlot : public QWidget
{
    Q_OBJECT
public:
    explicit UsSatellitePlot(QWidget *parent = nullptr);

    // Erases every plotted point; the empty diagram remains.
    void Reset();
    // One point by direction and elevation in degrees; the elevation must not be 0.
    void PlotSatellite(float Azimuth, float Elevation);

    struct Point
    {
        float azimuth;
        float elevation;
        bool operator==(const Point &) const = default;
    };
    const QVector<Point> &points() const { return m_points; }

    // Draws the diagram with `points` into `size` (the widget and the saved picture).
    static void paintDiagram(QPainter &p, QSize size, const QVector<Point> &points, const QFont &font);

    QSize sizeHint() const override { return {600, 410}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<Point> m_points; // distinct points only: the same bearing twice draws one line
};
