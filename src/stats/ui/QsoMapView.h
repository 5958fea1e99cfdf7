#pragma once
#include "stats/MapGeometry.h"

#include <QVector>
#include <QWidget>

class QScrollBar;

// The map view: the container picCont shows part of the map picture picMove, which the
// scroll bars hsb and vsb and the arrow keys move. A press on the picture takes the
// pointer's position, the release computes bearing and distance to it.
class QsoMapView : public QWidget
{
    Q_OBJECT
public:
    // `mapFile`: the map data drawn under the dots.
    explicit QsoMapView(const QString &mapFile, QWidget *parent = nullptr);

    void setOwnPosition(const MapGeometry::OwnPosition &own) { m_own = own; }
    // The dots to draw, in picture pixels; replaces the earlier ones.
    void setDots(QVector<QPointF> dots);
    const QVector<QPointF> &dots() const { return m_dots; }

    // An arrow key moves the picture by a step; false for other keys.
    bool moveByKey(int qtKey);
    const MapGeometry::Scroll &scroll() const { return m_scroll; }

    QWidget *picCont = nullptr;
    QWidget *picMove = nullptr;
    QScrollBar *hsb = nullptr;
    QScrollBar *vsb = nullptr;

signals:
    void pointerPressed(const MapGeometry::Readout &readout);
    void pointerReleased(const MapGeometry::Readout &readout);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyRanges();
    void placePicture();

    MapGeometry::Scroll m_scroll;
    MapGeometry::OwnPosition m_own;
    QVector<QPointF> m_dots;
    QPointF m_pressed;
};
