#include "station/HamlibClient.h"

#include <QTcpSocket>

QString HamlibReply::value(const QString &key) const
{
    for (const auto &[k, v] : values)
        if (k == key)
            return v;
    return {};
}

HamlibClient::HamlibClient(QObject *parent) : QObject(parent), m_socket(new QTcpSocket(this))
{
    m_replyTimer.setSingleShot(true);
    m_reconnectTimer.setSingleShot(true);
    connect(&m_replyTimer, &QTimer::timeout, this, [this] { drop(tr("no answer from %1:%2").arg(m_host).arg(m_port)); });
    connect(&m_reconnectTimer, &QTimer::timeout, this, &HamlibClient::connectNow);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_reconnectTimer.stop();
        m_replyTimer.stop();
        m_connected = true;
        m_reason.clear();
        emit connected();
        sendNext();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &HamlibClient::onReadyRead);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &HamlibClient::onSocketError);
    connect(m_socket, &QTcpSocket::disconnected, this, [this] {
        if (m_connected)
            drop(tr("%1:%2 closed the connection").arg(m_host).arg(m_port));
    });
}

HamlibClient::~HamlibClient()
{
    m_running = false;
    m_socket->disconnect(this);
    m_socket->abort();
}

void HamlibClient::setEndpoint(const QString &host, quint16 port)
{
    m_host = host;
    m_port = port;
}

void HamlibClient::setTimeouts(int replyMs, int reconnectMs)
{
    m_replyMs = replyMs;
    m_reconnectMs = reconnectMs;
}

void HamlibClient::start()
{
    m_running = true;
    connectNow();
}

void HamlibClient::stop()
{
    m_running = false;
    m_reconnectTimer.stop();
    m_replyTimer.stop();
    m_queue.clear();
    m_inFlight = false;
    const bool was = m_connected;
    m_connected = false;
    m_socket->abort();
    if (was)
        emit disconnected(QString());
}

void HamlibClient::retryIn(int ms)
{
    if (m_running && !m_connected)
        m_reconnectTimer.start(ms);
}

void HamlibClient::connectNow()
{
    if (!m_running)
        return;
    m_socket->abort();
    m_buffer.clear();
    m_lines.clear();
    m_socket->connectToHost(m_host, m_port);
    // A host that never answers the connection attempt counts as away as well.
    m_replyTimer.start(m_replyMs);
}

void HamlibClient::request(const QString &command, Callback done)
{
    if (!m_connected)
        return;
    m_queue.enqueue({command, std::move(done)});
    if (!m_inFlight)
        sendNext();
}

void HamlibClient::sendNext()
{
    if (!m_connected || m_inFlight || m_queue.isEmpty())
        return;
    m_inFlight = true;
    m_lines.clear();
    // The extended response form: every answer ends with its RPRT line.
    m_socket->write("+\\" + m_queue.head().command.toUtf8() + '\n');
    m_replyTimer.start(m_replyMs);
}

void HamlibClient::onReadyRead()
{
    m_buffer += m_socket->readAll();
    qsizetype nl;
    while ((nl = m_buffer.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_buffer.left(nl)).trimmed();
        m_buffer.remove(0, nl + 1);
        if (!m_inFlight)
            continue; // nothing was asked: not ours to read
        m_lines << line;
        if (!line.startsWith(QLatin1String("RPRT")))
            continue;
        m_replyTimer.stop();
        m_inFlight = false;
        const Pending p = m_queue.dequeue();
        const HamlibReply reply = parse(m_lines);
        m_lines.clear();
        if (p.done)
            p.done(reply);
        if (!m_connected)
            return; // the callback stopped the client
        sendNext();
    }
}

void HamlibClient::onSocketError()
{
    drop(m_socket->errorString());
}

void HamlibClient::drop(const QString &reason)
{
    m_replyTimer.stop();
    const bool was = m_connected;
    m_connected = false;
    m_inFlight = false;
    m_queue.clear();
    m_lines.clear();
    m_reason = reason;
    m_socket->abort();
    if (m_running && !m_reconnectTimer.isActive())
        m_reconnectTimer.start(m_reconnectMs);
    if (was || m_running)
        emit disconnected(reason);
}

HamlibReply HamlibClient::parse(const QStringList &lines)
{
    HamlibReply r;
    // The first line echoes the command; the last is "RPRT n".
    for (int i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.startsWith(QLatin1String("RPRT"))) {
            bool ok = false;
            r.code = line.mid(4).trimmed().toInt(&ok);
            if (!ok)
                r.code = -1;
            break;
        }
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            r.values.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    if (lines.size() == 1) { // only "RPRT n": the daemon refused the command outright
        bool ok = false;
        r.code = lines.first().mid(4).trimmed().toInt(&ok);
        if (!ok)
            r.code = -1;
    }
    return r;
}
