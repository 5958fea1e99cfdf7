#include "station/HamlibDaemon.h"

#include <QRegularExpression>
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif
#include <QStandardPaths>
#include <QTcpServer>

HamlibDaemon::HamlibDaemon(const QString &program, QObject *parent) : QObject(parent), m_program(program)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_LINUX
    // Should Brelog itself be killed, the daemon must not hold the serial port for ever.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    connect(&m_process, &QProcess::readyRead, this, [this] {
        m_output += m_process.readAll();
        // Only the end of what it wrote matters: a daemon that talks a lot must not grow this.
        if (m_output.size() > 16384)
            m_output = m_output.right(8192);
    });
    connect(&m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus) {
        if (m_stopping)
            return;
        m_output += m_process.readAll();
        QString text = errorText(m_output);
        if (text.isEmpty())
            text = tr("%1 ended (exit code %2)").arg(m_program).arg(code);
        emit failed(text);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart && !m_stopping)
            emit failed(tr("%1 cannot be started: %2").arg(m_program, m_process.errorString()));
    });
}

HamlibDaemon::~HamlibDaemon()
{
    stop();
}

bool HamlibDaemon::start(const HamlibDeviceSettings &s)
{
    stop();
    m_output.clear();
    const QString exe = QStandardPaths::findExecutable(m_program);
    if (exe.isEmpty()) {
        emit failed(tr("%1 is not installed (Debian package libhamlib-utils)").arg(m_program));
        return false;
    }
    if (s.model.trimmed().isEmpty()) {
        emit failed(tr("no Hamlib model chosen for %1").arg(m_program));
        return false;
    }
    m_port = freePort();
    if (m_port == 0) {
        emit failed(tr("no free local port for %1").arg(m_program));
        return false;
    }
    QStringList args{QStringLiteral("-m"), s.model.trimmed()};
    if (!s.device.trimmed().isEmpty())
        args << QStringLiteral("-r") << s.device.trimmed();
    if (s.speed > 0)
        args << QStringLiteral("-s") << QString::number(s.speed);
    args << QStringLiteral("-T") << QStringLiteral("127.0.0.1") << QStringLiteral("-t") << QString::number(m_port);
    m_stopping = false;
    m_process.start(exe, args);
    return true;
}

void HamlibDaemon::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_stopping = true;
    m_process.terminate();
    // Only at exit or when the settings change; the daemons end at once on SIGTERM.
    if (!m_process.waitForFinished(1000)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

quint16 HamlibDaemon::freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

QString HamlibDaemon::errorText(const QByteArray &output)
{
    QStringList lines;
    for (const QByteArray &l : output.split('\n')) {
        const QString t = QString::fromLocal8Bit(l).trimmed();
        if (!t.isEmpty())
            lines << t;
    }
    return lines.mid(qMax(0, int(lines.size()) - 3)).join(QLatin1Char('\n'));
}

QList<HamlibDaemon::Model> HamlibDaemon::parseModelList(const QByteArray &listOutput)
{
    // " 3073  Icom                   IC-7300                 20230109.10     Stable ..."
    static const QRegularExpression row(QStringLiteral(R"(^\s*(\d+)\s+(\S.*?)\s{2,}(\S.*?)\s{2,})"));
    QList<Model> models;
    for (const QByteArray &line : listOutput.split('\n')) {
        const QRegularExpressionMatch m = row.match(QString::fromLocal8Bit(line));
        if (m.hasMatch())
            models.append({m.captured(1), m.captured(2) + QLatin1Char(' ') + m.captured(3)});
    }
    return models;
}
