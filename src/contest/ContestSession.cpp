#include "contest/ContestSession.h"

#include "contest/ContestDatabase.h"
#include "platform/ProgramFolder.h"

#include <QSettings>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {

const char *const kUrlKey = "ContestServer/Url";

}

ContestServerChoice ContestServerChoice::read(QSettings &ini)
{
    return {ini.value(QLatin1String(kUrlKey)).toString().trimmed()};
}

void ContestServerChoice::write(QSettings &ini) const
{
    // The password stays with libpq (~/.pgpass, PGPASSWORD), never in our file.
    const QString clean = url.trimmed().isEmpty() ? QString() : ContestDatabase::displayUrl(url);
    if (clean.isEmpty())
        ini.remove(QLatin1String(kUrlKey));
    else
        ini.setValue(QLatin1String(kUrlKey), clean);
}

ContestSession::ContestSession(const ProgramFolder &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_check(new QTimer(this))
{
    m_check->setInterval(2000);
    connect(m_check, &QTimer::timeout, this, &ContestSession::checkConnection);
}

ContestSession::~ContestSession()
{
    close();
}

QString ContestSession::path() const
{
    return m_folder.file(QStringLiteral("contest.mdb"));
}

bool ContestSession::openDatabase(QString *error)
{
    if (!usesServer()) {
        m_db = ContestDatabase::open(path(), error);
        return m_db.isValid();
    }
    m_db = ContestDatabase::openServer(m_serverUrl, error);
    if (!m_db.isValid())
        return false;
    QSqlDriver *driver = m_db.driver();
    driver->subscribeToNotification(ContestDatabase::notificationChannel());
    connect(driver, &QSqlDriver::notification, this,
            [this](const QString &name, QSqlDriver::NotificationSource source, const QVariant &payload) {
                onNotification(name, source, payload);
            });
    return true;
}

bool ContestSession::open(QString *error)
{
    close();
    if (!openDatabase(error)) {
        // A server that cannot be reached now is tried again until it answers.
        if (usesServer()) {
            setConnected(false);
            m_check->start();
        }
        return false;
    }
    setConnected(true);
    if (usesServer())
        m_check->start();
    emit reopened();
    return true;
}

void ContestSession::dropConnection()
{
    if (!m_db.isValid())
        return;
    emit aboutToClose();
    m_db.driver()->disconnect(this);
    ContestDatabase::close(m_db);
}

void ContestSession::close()
{
    m_check->stop();
    if (m_probe)
        m_probe->abort();
    dropConnection();
    m_connected = true;
}

void ContestSession::setCheckInterval(int ms)
{
    m_check->setInterval(ms);
}

void ContestSession::setConnected(bool connected)
{
    if (m_connected == connected)
        return;
    m_connected = connected;
    emit connectionChanged(connected);
}

void ContestSession::checkConnection()
{
    if (!usesServer())
        return;
    if (isOpen() && m_connected) {
        QSqlQuery q(m_db);
        if (q.exec(QStringLiteral("SELECT 1")))
            return;
    }
    setConnected(false);
    m_check->stop();
    dropConnection();
    probeServer();
}

void ContestSession::probeServer()
{
    // Logging in blocks the window until libpq gives up; a host that does not answer
    // would freeze the entry line for seconds on every try. So the port is reached
    // first without blocking, and only a server that answers is logged into.
    if (!m_probe) {
        m_probe = new QTcpSocket(this);
        connect(m_probe, &QTcpSocket::connected, this, [this] {
            m_probe->abort();
            reconnect();
        });
        connect(m_probe, &QTcpSocket::errorOccurred, this, [this] {
            m_probe->abort();
            m_check->start();
        });
    }
    const QUrl url(m_serverUrl);
    m_probe->abort();
    m_probe->connectToHost(url.host(), quint16(url.port(5432)));
    QTimer::singleShot(3000, m_probe, [this] {
        if (m_probe->state() != QAbstractSocket::UnconnectedState && m_probe->state() != QAbstractSocket::ConnectedState) {
            m_probe->abort();
            m_check->start();
        }
    });
}

void ContestSession::reconnect()
{
    // What the other PCs wrote meanwhile was not announced to us: every view reloads.
    QString error;
    const bool back = usesServer() && !isOpen() && openDatabase(&error);
    if (usesServer())
        m_check->start();
    if (!back)
        return;
    setConnected(true);
    emit reopened();
    emit changedElsewhere(ContestDatabase::everythingChanged());
}

void ContestSession::onNotification(const QString &name, int source, const QVariant &payload)
{
    // Our own commits have already updated this PC's views.
    if (name != ContestDatabase::notificationChannel() || source == QSqlDriver::SelfSource)
        return;
    emit changedElsewhere(payload.toString());
}
