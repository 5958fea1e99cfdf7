#pragma once
#include <QWidget>

// One wiring diagram of the keying interface, drawn to the widget's size.
class WiringPicture : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { OptoCoupler, Transistor, ConnectorPins };
    WiringPicture(const QString &objectName, Kind kind, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
};

// "CW interface": how to key the transmitter from the serial port's RTS line, with an
// opto-coupler (Picture1) or a transistor (Picture2), and the connector pins (Picture3).
class Form16 : public QWidget
{
    Q_OBJECT
public:
    explicit Form16(QWidget *owner = nullptr);
    // Menu "CW Interface": shows the window without blocking, creating it if needed.
    static Form16 *open(QWidget *owner);
};
