#include "station/ui/StationPanel.h"

#include "station/StationControl.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <cmath>

StationLamp::StationLamp(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
    setFixedSize(14, 14);
}

void StationLamp::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

void StationLamp::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(m_on ? QColor(0x20, 0xc0, 0x30) : QColor(0x90, 0x10, 0x10));
    p.drawEllipse(QRectF(1.5, 1.5, width() - 3, height() - 3));
}

namespace {

QLineEdit *display(const QString &name, const QString &widest, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = e->font();
    f.setBold(true);
    e->setFont(f);
    e->setFixedWidth(QFontMetrics(f).horizontalAdvance(widest) + 16);
    return e;
}

}

StationPanel::StationPanel(StationControl &station, QWidget *parent) : QWidget(parent), m_station(station)
{
    setObjectName(QStringLiteral("StationPanel"));
    m_radioLamp = new StationLamp(QStringLiteral("RadioLamp"), this);
    m_frequency = display(QStringLiteral("RadioFrequency"), QStringLiteral("248000.000.000"), this);
    m_rotatorLamp = new StationLamp(QStringLiteral("RotatorLamp"), this);
    m_azimuth = display(QStringLiteral("RotatorAzimuth"), QStringLiteral("000°"), this);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(m_radioLamp);
    row->addWidget(m_frequency);
    row->addSpacing(10);
    row->addWidget(m_rotatorLamp);
    row->addWidget(m_azimuth);

    RadioLink &radio = m_station.radio();
    RotatorLink &rotator = m_station.rotator();
    connect(&radio, &HamlibLink::statusChanged, this, &StationPanel::refresh);
    connect(&rotator, &HamlibLink::statusChanged, this, &StationPanel::refresh);
    connect(&radio, &RadioLink::radioRead, this,
            [this](qint64 hz, const QString &) { m_frequency->setText(frequencyText(hz)); });
    connect(&rotator, &RotatorLink::azimuthRead, this, [this](double az) {
        m_azimuth->setText(QString::number(int(std::lround(az))) + QChar(0x00B0));
    });
    refresh();
}

QString StationPanel::frequencyText(qint64 hz)
{
    if (hz <= 0)
        return {};
    return QStringLiteral("%1.%2.%3")
        .arg(hz / 1000000)
        .arg((hz / 1000) % 1000, 3, 10, QLatin1Char('0'))
        .arg(hz % 1000, 3, 10, QLatin1Char('0'));
}

void StationPanel::refresh()
{
    auto show = [](HamlibLink &link, StationLamp *lamp, QLineEdit *value) {
        lamp->setVisible(link.isEnabled());
        value->setVisible(link.isEnabled());
        lamp->setOn(link.isConnected());
        const QString tip = link.isConnected() ? link.endpoint() : link.reason();
        lamp->setToolTip(tip);
        value->setToolTip(tip);
        if (!link.isConnected())
            value->clear();
    };
    show(m_station.radio(), m_radioLamp, m_frequency);
    show(m_station.rotator(), m_rotatorLamp, m_azimuth);
    setVisible(m_station.radio().isEnabled() || m_station.rotator().isEnabled());
}
