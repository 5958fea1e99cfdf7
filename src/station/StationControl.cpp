#include "station/StationControl.h"

#include "geo/Locator.h"

StationControl::StationControl(QObject *parent) : QObject(parent) {}

void StationControl::apply(const StationSettings &settings)
{
    // A link whose settings stayed as they were keeps its connection and daemon.
    if (!m_applied || !(settings.rig == m_settings.rig))
        m_radio.configure(settings.rig);
    if (!m_applied || !(settings.rotator == m_settings.rotator))
        m_rotator.configure(settings.rotator);
    m_settings = settings;
    m_applied = true;
}

StationControl::TurnResult StationControl::turnToLocator(const QString &own, const QString &other)
{
    const Geo::QrbResult r = Geo::computeQrb(own, other);
    if (!r.valid)
        return Geo::computeQrb(own, own).valid ? TurnResult::OtherLocatorInvalid : TurnResult::OwnLocatorInvalid;
    return turnToBearing(r.bearing);
}

StationControl::TurnResult StationControl::turnToBearing(double bearing)
{
    if (!m_rotator.isEnabled())
        return TurnResult::RotatorOff;
    return m_rotator.turnTo(bearing) ? TurnResult::Turning : TurnResult::RotatorAway;
}
