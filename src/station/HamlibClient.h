#pragma once
#include <QList>
#include <QObject>
#include <QPair>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <functional>

class QTcpSocket;

// One answer of rigctld/rotctld in their extended response form ("+\command"):
// an echo line, "Key: value" lines and "RPRT n" (0 is success, a negative number a
// Hamlib error).
struct HamlibReply
{
    int code = 0;
    QList<QPair<QString, QString>> values;

    bool ok() const { return code == 0; }
    QString value(const QString &key) const;
};

// A connection to a Hamlib network daemon over its TCP protocol. Nothing here waits:
// commands are queued and answered through callbacks, one in flight at a time; a
// command without an answer in time drops the connection, and a lost or refused
// connection is tried again every few seconds until stop().
class HamlibClient : public QObject
{
    Q_OBJECT
public:
    using Callback = std::function<void(const HamlibReply &)>;

    explicit HamlibClient(QObject *parent = nullptr);
    ~HamlibClient() override;

    void setEndpoint(const QString &host, quint16 port);
    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    // How long an answer may take, and the pause before the next connection attempt.
    void setTimeouts(int replyMs, int reconnectMs);

    // Connects now and keeps the connection up until stop().
    void start();
    void stop();
    // The next connection attempt comes after `ms` instead of the usual pause (a daemon
    // that was just started listens within a moment).
    void retryIn(int ms);

    bool isConnected() const { return m_connected; }
    // Why the last connection failed or ended; empty while connected.
    QString reason() const { return m_reason; }
    // Commands waiting or in flight.
    int pending() const { return int(m_queue.size()); }

    // Sends `command` (e.g. "get_freq" or "set_pos 123 0"); `done` gets the answer.
    // Ignored (no callback) while not connected.
    void request(const QString &command, Callback done = {});

    // Splits the text of one answer into its lines. Exposed for tests.
    static HamlibReply parse(const QStringList &lines);

signals:
    void connected();
    void disconnected(const QString &reason);

private:
    struct Pending
    {
        QString command;
        Callback done;
    };
    void connectNow();
    void onReadyRead();
    void onSocketError();
    void drop(const QString &reason);
    void sendNext();

    QTcpSocket *m_socket = nullptr;
    QString m_host;
    quint16 m_port = 0;
    int m_replyMs = 2000;
    int m_reconnectMs = 3000;
    bool m_running = false;
    bool m_connected = false;
    bool m_inFlight = false;
    QString m_reason;
    QQueue<Pending> m_queue;
    QStringList m_lines;
    QByteArray m_buffer;
    QTimer m_replyTimer;
    QTimer m_reconnectTimer;
};
