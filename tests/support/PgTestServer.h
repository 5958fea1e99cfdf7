#pragma once
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder,
// reachable on 127.0.0.1 at a free port without a password. initdb and pg_ctl refuse
// to run as root, so under root they run as the unprivileged user `nobody`.
class PgTestServer
{
public:
    // Empty when the server binaries are present; otherwise why a test cannot run.
    static QString unavailableReason();

    PgTestServer();
    ~PgTestServer();

    // Creates the cluster and starts the server; false with the reason in `error`.
    bool start(QString *error, bool durable = false);
    bool stop();
    bool restart(QString *error);
    // Creates an empty database and returns its URL (postgresql://brelog@127.0.0.1:PORT/NAME).
    QString createDatabase(const QString &name, QString *error);
    int port() const { return m_port; }
    bool isRunning() const { return m_running; }

private:
    bool run(const QString &program, const QStringList &args, QString *error, int timeoutMs = 60000);
    bool startServer(QString *error);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
    int m_port = 0;
    bool m_running = false;
    bool m_durable = false;
};
