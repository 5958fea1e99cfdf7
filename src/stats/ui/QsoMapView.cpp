#include "stats/ui/QsoMapView.h"

#include "stats/ui/MapPicture.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// The picture itself: the map with the dots on top.
class MapPictureWidget : public QWidget
{
public:
    MapPictureWidget(const QString &mapFile, const QVector<QPointF> &dots, QWidget *parent)
        : QWidget(parent), m_mapFile(mapFile), m_dots(dots)
    {
        setObjectName(QStringLiteral("picMove"));
        setFixedSize(MapGeometry::pictureSize());
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::CrossCursor);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        p.drawImage(event->rect(), MapPicture::base(m_mapFile), event->rect());
        MapPicture::drawDots(p, m_dots);
    }

private:
    QString m_mapFile;
    const QVector<QPointF> &m_dots;
};

}

QsoMapView::QsoMapView(const QString &mapFile, QWidget *parent) : QWidget(parent)
{
    picCont = new QWidget(this);
    picCont->setObjectName(QStringLiteral("picCont"));
    picCont->setMinimumSize(200, 150);
    // Beyond the picture's edge, when the view is larger than the map, the sea goes on.
    picCont->setAutoFillBackground(true);
    QPalette sea = picCont->palette();
    sea.setColor(QPalette::Window, QColor::fromRgb(MapPicture::seaColour()));
    picCont->setPalette(sea);
    picMove = new MapPictureWidget(mapFile, m_dots, picCont);
    picMove->installEventFilter(this);
    hsb = new QScrollBar(Qt::Horizontal, this);
    hsb->setObjectName(QStringLiteral("hsb"));
    vsb = new QScrollBar(Qt::Vertical, this);
    vsb->setObjectName(QStringLiteral("vsb"));
    // Keys move the picture through the window, never through a focused scroll bar.
    hsb->setFocusPolicy(Qt::NoFocus);
    vsb->setFocusPolicy(Qt::NoFocus);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(picCont, 0, 0);
    grid->addWidget(vsb, 0, 1);
    grid->addWidget(hsb, 1, 0);

    connect(hsb, &QScrollBar::valueChanged, this, [this](int v) {
        m_scroll.setHorizontalValue(v);
        placePicture();
    });
    connect(vsb, &QScrollBar::valueChanged, this, [this](int v) {
        m_scroll.setVerticalValue(v);
        placePicture();
    });
}

void QsoMapView::setDots(QVector<QPointF> dots)
{
    m_dots = std::move(dots);
    picMove->update();
}

bool QsoMapView::moveByKey(int qtKey)
{
    if (!m_scroll.key(qtKey))
        return false;
    // Setting the bar runs its change handling, which moves the picture.
    hsb->setValue(-m_scroll.left());
    vsb->setValue(-m_scroll.top());
    placePicture();
    return true;
}

void QsoMapView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyRanges();
}

void QsoMapView::applyRanges()
{
    m_scroll.setViewport(picCont->size());
    const QSignalBlocker bh(hsb), bv(vsb);
    hsb->setRange(0, m_scroll.horizontalRange());
    hsb->setPageStep(std::max(1, int(std::lround(m_scroll.horizontalRange() / 10.0))));
    hsb->setValue(-m_scroll.left());
    vsb->setRange(0, m_scroll.verticalRange());
    vsb->setPageStep(std::max(1, int(std::lround(m_scroll.verticalRange() / 10.0))));
    vsb->setValue(-m_scroll.top());
    placePicture();
}

void QsoMapView::placePicture()
{
    picMove->move(m_scroll.left(), m_scroll.top());
}

bool QsoMapView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picMove) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = static_cast<QMouseEvent *>(event)->position();
            MapGeometry::Readout r = MapGeometry::readout(m_own, m_pressed);
            r.bearing.clear();
            r.distance.clear();
            emit pointerPressed(r);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            emit pointerReleased(MapGeometry::readout(m_own, m_pressed));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
