#pragma once
#include <QString>

// How Brelog reaches one Hamlib daemon: either a rigctld/rotctld that already runs
// (host and port), or one Brelog starts itself for a model and a serial device.
struct HamlibDeviceSettings
{
    bool enabled = false;
    QString host;        // empty: Brelog starts the daemon itself
    quint16 port = 0;    // 0: the daemon's usual port
    QString model;       // Hamlib model number ("1" is the dummy)
    QString device;      // serial device of the radio or rotator
    int speed = 0;       // serial speed; 0 leaves the model's default

    bool startsDaemon() const { return host.trimmed().isEmpty(); }
    bool operator==(const HamlibDeviceSettings &) const = default;
};

class QSettings;

// Radio and rotator settings: the groups [rig] and [rotator] of brelog.ini, read and
// written through ProgramSettings. Without the file both are disabled.
struct StationSettings
{
    HamlibDeviceSettings rig;
    HamlibDeviceSettings rotator;

    static constexpr quint16 RigDefaultPort = 4532;
    static constexpr quint16 RotatorDefaultPort = 4533;

    static StationSettings read(QSettings &ini);
    void write(QSettings &ini) const;
    bool operator==(const StationSettings &) const = default;
};
