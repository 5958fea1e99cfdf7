#pragma once
#include "station/HamlibLink.h"
#include "station/StationSettings.h"

#include <QObject>

// The station's radio and rotator as the main window uses them: built from the
// settings, reconfigured when they change, stopped (daemons included) when it goes.
class StationControl : public QObject
{
    Q_OBJECT
public:
    explicit StationControl(QObject *parent = nullptr);

    void apply(const StationSettings &settings);
    const StationSettings &settings() const { return m_settings; }
    RadioLink &radio() { return m_radio; }
    RotatorLink &rotator() { return m_rotator; }

    enum class TurnResult { Turning, OtherLocatorInvalid, OwnLocatorInvalid, RotatorOff, RotatorAway };
    // Turns the antenna to the bearing from the own locator to `other`, both completed
    // and checked as the QRB computation does it.
    TurnResult turnToLocator(const QString &own, const QString &other);
    TurnResult turnToBearing(double bearing);

private:
    StationSettings m_settings;
    bool m_applied = false;
    RadioLink m_radio;
    RotatorLink m_rotator;
};
