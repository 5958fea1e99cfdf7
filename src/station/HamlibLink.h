#pragma once
#include "station/HamlibClient.h"
#include "station/StationSettings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class HamlibDaemon;

// A radio or rotator reached through its Hamlib daemon: connects (starting the daemon
// first when the settings name a model rather than a host), polls while connected and
// reports whether the connection stands and, when not, why.
class HamlibLink : public QObject
{
    Q_OBJECT
public:
    HamlibLink(const QString &daemonProgram, quint16 defaultPort, int pollMs, QObject *parent = nullptr);
    ~HamlibLink() override;

    // Applies new settings: stops what runs and, when enabled, starts again.
    void configure(const HamlibDeviceSettings &settings);
    const HamlibDeviceSettings &settings() const { return m_settings; }
    bool isEnabled() const { return m_settings.enabled; }
    // The daemon is reached and the radio or rotator behind it answers.
    bool isConnected() const { return m_client.isConnected() && m_deviceError.isEmpty(); }
    // Why the link is down; empty while connected.
    QString reason() const;
    // Where the link talks to ("127.0.0.1:4532").
    QString endpoint() const;
    HamlibClient &client() { return m_client; }
    HamlibDaemon *daemon() const { return m_daemon; }

signals:
    // The connection came up or went down, or the reason it is down changed.
    void statusChanged();
    // The daemon Brelog started ended early or could not start; `text` is its own reason.
    void daemonFailed(const QString &text);

public:
    // Hamlib's words for its error codes ("RPRT -5": "communication timed out").
    static QString errorText(int code);

protected:
    virtual void poll() = 0;
    // The connection went away: forget what was read.
    virtual void forget() {}
    // After each poll answer: the daemon is there, but the device behind it may not answer.
    void setDeviceError(int code);

private:
    void startDaemon();

    QString m_program;
    quint16 m_defaultPort;
    HamlibDeviceSettings m_settings;
    HamlibClient m_client;
    HamlibDaemon *m_daemon = nullptr;
    QTimer m_pollTimer;
    QTimer m_restartTimer;
    QElapsedTimer m_sinceDaemonStart;
    QString m_daemonError;
    QString m_deviceError;
    QString m_lastReported;
};

// The radio: frequency and mode, read twice a second.
class RadioLink : public HamlibLink
{
    Q_OBJECT
public:
    explicit RadioLink(QObject *parent = nullptr);
    qint64 frequency() const { return m_frequency; }
    QString mode() const { return m_mode; }

signals:
    // After every complete read of frequency and mode.
    void radioRead(qint64 frequencyHz, const QString &mode);

protected:
    void poll() override;
    void forget() override;

private:
    qint64 m_frequency = 0;
    QString m_mode;
};

// The rotator: its azimuth, read once a second, and turning it.
class RotatorLink : public HamlibLink
{
    Q_OBJECT
public:
    explicit RotatorLink(QObject *parent = nullptr);
    // Degrees; negative until the first read.
    double azimuth() const { return m_azimuth; }
    // Turns to `bearing` degrees (0..360; 360 is sent as 0), keeping the elevation.
    // False when the rotator is not connected.
    bool turnTo(double bearing);

signals:
    void azimuthRead(double azimuth);
    // The daemon refused a turn (RPRT code).
    void turnRefused(int code);

protected:
    void poll() override;
    void forget() override;

private:
    double m_azimuth = -1;
    double m_elevation = 0;
};
