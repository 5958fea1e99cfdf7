#include "HamlibDummy.h"

#include "station/HamlibDaemon.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>

HamlibDummy::HamlibDummy(const QString &program) : m_program(program) {}

HamlibDummy::~HamlibDummy()
{
    kill();
}

bool HamlibDummy::installed(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool HamlibDummy::start()
{
    if (m_port == 0)
        m_port = HamlibDaemon::freePort();
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(QStandardPaths::findExecutable(m_program),
                    {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(m_port)});
    if (!m_process.waitForStarted(3000))
        return false;
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QTcpSocket probe;
        probe.connectToHost(QStringLiteral("127.0.0.1"), m_port);
        if (probe.waitForConnected(200))
            return true;
        QThread::msleep(50);
    }
    return false;
}

void HamlibDummy::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(3000);
}

QStringList HamlibDummy::command(const QString &command) const
{
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), m_port);
    if (!s.waitForConnected(2000))
        return {};
    // Extended answers: "+p" for a one-letter command, "+\\get_pos" for a long one.
    s.write((command.size() == 1 ? QByteArray("+") : QByteArray("+\\")) + command.toUtf8() + '\n');
    QStringList lines;
    QByteArray buffer;
    const QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired() && s.waitForReadyRead(int(deadline.remainingTime()))) {
        buffer += s.readAll();
        qsizetype nl;
        while ((nl = buffer.indexOf('\n')) >= 0) {
            lines << QString::fromUtf8(buffer.left(nl)).trimmed();
            buffer.remove(0, nl + 1);
            if (lines.last().startsWith(QLatin1String("RPRT")))
                return lines;
        }
    }
    return lines;
}

QString HamlibDummy::value(const QString &command, const QString &key) const
{
    for (const QString &line : this->command(command))
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    return {};
}
