#include "PgTestServer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QVersionNumber>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kUser = "nobody";

QString findBinDir()
{
    // Debian keeps the server programs out of PATH, one folder per major version.
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QVersionNumber best;
    QString found;
    for (const QString &v : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString bin = versions.filePath(v + QStringLiteral("/bin"));
        const QVersionNumber n = QVersionNumber::fromString(v);
        if (QFileInfo::exists(bin + QStringLiteral("/initdb")) && QFileInfo::exists(bin + QStringLiteral("/pg_ctl"))
            && (found.isEmpty() || n > best)) {
            best = n;
            found = bin;
        }
    }
    if (!found.isEmpty())
        return found;
    const QString initdb = QStandardPaths::findExecutable(QStringLiteral("initdb"));
    if (!initdb.isEmpty() && !QStandardPaths::findExecutable(QStringLiteral("pg_ctl")).isEmpty())
        return QFileInfo(initdb).absolutePath();
    return {};
}

bool asRoot()
{
    return ::geteuid() == 0;
}

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

}

QString PgTestServer::unavailableReason()
{
    if (findBinDir().isEmpty())
        return QStringLiteral("PostgreSQL server programs (initdb, pg_ctl) not found; install the Debian package "
                              "postgresql to run this test");
    if (asRoot() && QStandardPaths::findExecutable(QStringLiteral("runuser")).isEmpty())
        return QStringLiteral("running as root without runuser: initdb cannot be started as an unprivileged user");
    return {};
}

PgTestServer::PgTestServer() : m_bin(findBinDir()) {}

PgTestServer::~PgTestServer()
{
    stop();
}

bool PgTestServer::run(const QString &program, const QStringList &args, QString *error, int timeoutMs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(m_dir->path());
    const QString exe = m_bin + u'/' + program;
    if (asRoot())
        p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QString::fromLatin1(kUser), QStringLiteral("--"), exe} + args);
    else
        p.start(exe, args);
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(p.readAll()).trimmed());
        return false;
    }
    return true;
}

bool PgTestServer::start(QString *error, bool durable)
{
    m_durable = durable;
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    if (asRoot()) {
        const passwd *pw = ::getpwnam(kUser);
        if (!pw || ::chown(QFile::encodeName(m_dir->path()).constData(), pw->pw_uid, pw->pw_gid) != 0) {
            *error = QStringLiteral("cannot hand the temporary folder to the user %1").arg(QLatin1String(kUser));
            return false;
        }
    }
    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-A"), QStringLiteral("trust"),
              QStringLiteral("-U"), QStringLiteral("brelog"), QStringLiteral("-E"), QStringLiteral("UTF8"),
              QStringLiteral("--locale=C"), QStringLiteral("--no-sync")},
             error))
        return false;
    m_port = freePort();
    return startServer(error);
}

bool PgTestServer::startServer(QString *error)
{
    // The socket folder is the cluster's own. Without fsync a commit still survives the
    // server's own end (only a crash of the machine would lose it); the benchmark syncs.
    QString options = QStringLiteral("-c listen_addresses=127.0.0.1 -p %1 -c unix_socket_directories=%2")
                          .arg(m_port)
                          .arg(m_dir->path());
    if (!m_durable)
        options += QStringLiteral(" -c fsync=off");
    if (!run(QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-l"),
              m_dir->filePath(QStringLiteral("server.log")), QStringLiteral("-o"), options, QStringLiteral("-w"),
              QStringLiteral("-t"), QStringLiteral("60"), QStringLiteral("start")},
             error))
        return false;
    m_running = true;
    return true;
}

bool PgTestServer::stop()
{
    if (!m_running)
        return true;
    m_running = false;
    return run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-m"),
                QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")},
               nullptr);
}

bool PgTestServer::restart(QString *error)
{
    stop();
    return startServer(error);
}

QString PgTestServer::createDatabase(const QString &name, QString *error)
{
    if (!run(QStringLiteral("createdb"),
             {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port),
              QStringLiteral("-U"), QStringLiteral("brelog"), name},
             error))
        return {};
    return QStringLiteral("postgresql://brelog@127.0.0.1:%1/%2").arg(m_port).arg(name);
}
