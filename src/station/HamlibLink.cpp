#include "station/HamlibLink.h"

#include "station/HamlibDaemon.h"

#include <cmath>
#include <iterator>

namespace {
constexpr int ReplyTimeoutMs = 2000;
constexpr int ReconnectMs = 3000;
constexpr int DaemonRestartMs = 5000;
// A daemon just started needs a moment before it listens; try often meanwhile.
constexpr int DaemonStartupMs = 4000;
constexpr int DaemonStartupRetryMs = 150;
}

HamlibLink::HamlibLink(const QString &daemonProgram, quint16 defaultPort, int pollMs, QObject *parent)
    : QObject(parent), m_program(daemonProgram), m_defaultPort(defaultPort)
{
    m_client.setTimeouts(ReplyTimeoutMs, ReconnectMs);
    m_pollTimer.setInterval(pollMs);
    m_restartTimer.setSingleShot(true);
    connect(&m_pollTimer, &QTimer::timeout, this, [this] {
        // A slow daemon never gets a second poll queued behind the first.
        if (m_client.isConnected() && m_client.pending() == 0)
            poll();
    });
    connect(&m_restartTimer, &QTimer::timeout, this, &HamlibLink::startDaemon);
    connect(&m_client, &HamlibClient::connected, this, [this] {
        m_daemonError.clear();
        m_lastReported.clear();
        m_pollTimer.start();
        poll();
        emit statusChanged();
    });
    connect(&m_client, &HamlibClient::disconnected, this, [this] {
        m_pollTimer.stop();
        m_deviceError.clear();
        forget();
        if (m_daemon && m_daemon->isRunning() && m_sinceDaemonStart.isValid()
            && m_sinceDaemonStart.elapsed() < DaemonStartupMs)
            m_client.retryIn(DaemonStartupRetryMs);
        emit statusChanged();
    });
}

HamlibLink::~HamlibLink()
{
    // Whoever listens must not hear of a link that is half gone.
    m_client.disconnect(this);
    disconnect();
    m_client.stop();
}

void HamlibLink::configure(const HamlibDeviceSettings &settings)
{
    m_restartTimer.stop();
    m_pollTimer.stop();
    m_client.stop();
    forget();
    delete m_daemon;
    m_daemon = nullptr;
    m_daemonError.clear();
    m_deviceError.clear();
    m_lastReported.clear();
    m_settings = settings;
    if (m_settings.enabled) {
        if (m_settings.startsDaemon()) {
            m_daemon = new HamlibDaemon(m_program, this);
            connect(m_daemon, &HamlibDaemon::failed, this, [this](const QString &text) {
                m_daemonError = text;
                m_client.stop();
                // The same failure again (a radio still switched off) is not announced twice.
                if (text != m_lastReported) {
                    m_lastReported = text;
                    emit daemonFailed(text);
                }
                emit statusChanged();
                m_restartTimer.start(DaemonRestartMs);
            });
            startDaemon();
        } else {
            m_client.setEndpoint(m_settings.host, m_settings.port ? m_settings.port : m_defaultPort);
            m_client.start();
        }
    }
    emit statusChanged();
}

void HamlibLink::startDaemon()
{
    if (!m_daemon)
        return;
    if (!m_daemon->start(m_settings))
        return; // failed() has been emitted and schedules the next attempt
    m_sinceDaemonStart.start();
    m_client.setEndpoint(QStringLiteral("127.0.0.1"), m_daemon->port());
    m_client.start();
}

void HamlibLink::setDeviceError(int code)
{
    const QString error = code == 0 ? QString() : tr("%1 does not answer: %2").arg(m_program, errorText(code));
    if (error == m_deviceError)
        return;
    m_deviceError = error;
    emit statusChanged();
}

QString HamlibLink::errorText(int code)
{
    // Hamlib's error numbers, as rigctld/rotctld report them negated.
    static const char *const texts[] = {"",
                                        "invalid parameter",
                                        "invalid configuration",
                                        "out of memory",
                                        "function not implemented",
                                        "communication timed out",
                                        "IO error",
                                        "internal Hamlib error",
                                        "protocol error",
                                        "command rejected by the device",
                                        "command performed, but arg truncated",
                                        "function not available",
                                        "VFO not targetable",
                                        "error talking on the bus",
                                        "collision on the bus",
                                        "NULL device handle or invalid pointer parameter",
                                        "invalid VFO",
                                        "argument out of domain"};
    const int n = -code;
    if (n > 0 && n < int(std::size(texts)))
        return QString::fromLatin1(texts[n]);
    return tr("Hamlib error %1").arg(code);
}

QString HamlibLink::reason() const
{
    if (!m_deviceError.isEmpty() && m_client.isConnected())
        return m_deviceError;
    if (m_client.isConnected())
        return {};
    if (!m_settings.enabled)
        return tr("off");
    if (!m_daemonError.isEmpty())
        return m_daemonError;
    return m_client.reason().isEmpty() ? tr("connecting to %1").arg(endpoint()) : m_client.reason();
}

QString HamlibLink::endpoint() const
{
    return QStringLiteral("%1:%2").arg(m_client.host()).arg(m_client.port());
}

// ---------------------------------------------------------------------------------

RadioLink::RadioLink(QObject *parent)
    : HamlibLink(QStringLiteral("rigctld"), StationSettings::RigDefaultPort, 500, parent)
{
}

void RadioLink::poll()
{
    client().request(QStringLiteral("get_freq"), [this](const HamlibReply &r) {
        setDeviceError(r.code);
        m_frequency = r.ok() ? qint64(std::llround(r.value(QStringLiteral("Frequency")).toDouble())) : 0;
    });
    client().request(QStringLiteral("get_mode"), [this](const HamlibReply &r) {
        if (r.ok())
            m_mode = r.value(QStringLiteral("Mode"));
        if (m_frequency > 0)
            emit radioRead(m_frequency, m_mode);
    });
}

void RadioLink::forget()
{
    m_frequency = 0;
    m_mode.clear();
}

// ---------------------------------------------------------------------------------

RotatorLink::RotatorLink(QObject *parent)
    : HamlibLink(QStringLiteral("rotctld"), StationSettings::RotatorDefaultPort, 1000, parent)
{
}

void RotatorLink::poll()
{
    client().request(QStringLiteral("get_pos"), [this](const HamlibReply &r) {
        setDeviceError(r.code);
        if (!r.ok()) {
            forget();
            return;
        }
        bool ok = false;
        const double az = r.value(QStringLiteral("Azimuth")).toDouble(&ok);
        if (!ok)
            return;
        m_elevation = r.value(QStringLiteral("Elevation")).toDouble();
        m_azimuth = az;
        emit azimuthRead(az);
    });
}

void RotatorLink::forget()
{
    m_azimuth = -1;
}

bool RotatorLink::turnTo(double bearing)
{
    if (!isConnected())
        return false;
    const double az = std::fmod(std::fmod(bearing, 360.0) + 360.0, 360.0);
    client().request(QStringLiteral("set_pos %1 %2").arg(az, 0, 'f', 1).arg(m_elevation, 0, 'f', 1),
                     [this](const HamlibReply &r) {
                         if (!r.ok())
                             emit turnRefused(r.code);
                     });
    return true;
}
