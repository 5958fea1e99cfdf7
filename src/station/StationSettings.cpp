#include "station/StationSettings.h"

#include <QSettings>

namespace {

HamlibDeviceSettings readGroup(QSettings &ini, const QString &group)
{
    HamlibDeviceSettings s;
    ini.beginGroup(group);
    s.enabled = ini.value(QStringLiteral("enabled"), false).toBool();
    s.host = ini.value(QStringLiteral("host")).toString().trimmed();
    const uint port = ini.value(QStringLiteral("port"), 0).toUInt();
    s.port = port <= 65535 ? quint16(port) : 0;
    s.model = ini.value(QStringLiteral("model")).toString().trimmed();
    s.device = ini.value(QStringLiteral("device")).toString().trimmed();
    s.speed = qMax(0, ini.value(QStringLiteral("speed"), 0).toInt());
    ini.endGroup();
    return s;
}

void writeGroup(QSettings &ini, const QString &group, const HamlibDeviceSettings &s)
{
    ini.beginGroup(group);
    ini.setValue(QStringLiteral("enabled"), s.enabled);
    ini.setValue(QStringLiteral("host"), s.host);
    ini.setValue(QStringLiteral("port"), s.port);
    ini.setValue(QStringLiteral("model"), s.model);
    ini.setValue(QStringLiteral("device"), s.device);
    ini.setValue(QStringLiteral("speed"), s.speed);
    ini.endGroup();
}

}

StationSettings StationSettings::read(QSettings &ini)
{
    StationSettings s;
    s.rig = readGroup(ini, QStringLiteral("rig"));
    s.rotator = readGroup(ini, QStringLiteral("rotator"));
    return s;
}

void StationSettings::write(QSettings &ini) const
{
    writeGroup(ini, QStringLiteral("rig"), rig);
    writeGroup(ini, QStringLiteral("rotator"), rotator);
}
