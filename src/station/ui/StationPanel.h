#pragma once
#include <QWidget>

class QLineEdit;
class StationControl;

// A small round lamp: green while its connection stands, dark red while not.
class StationLamp : public QWidget
{
    Q_OBJECT
public:
    StationLamp(const QString &objectName, QWidget *parent = nullptr);
    void setOn(bool on);
    bool isOn() const { return m_on; }
    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_on = false;
};

// The main window's view of the radio and the rotator: a lamp and the frequency for
// the radio (RadioLamp, RadioFrequency), a lamp and the azimuth for the rotator
// (RotatorLamp, RotatorAzimuth). The lamps' tooltips say why a connection is down.
// A part whose device is off in the settings is hidden.
class StationPanel : public QWidget
{
    Q_OBJECT
public:
    StationPanel(StationControl &station, QWidget *parent = nullptr);

    // "144.100.000" (MHz.kHz.Hz); empty for 0.
    static QString frequencyText(qint64 hz);

    void refresh();

private:
    StationControl &m_station;
    StationLamp *m_radioLamp = nullptr;
    QLineEdit *m_frequency = nullptr;
    StationLamp *m_rotatorLamp = nullptr;
    QLineEdit *m_azimuth = nullptr;
};
