#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

// Hamlib's dummy radio (rigctld -m 1) or rotator (rotctld -m 1) on a free local port,
// with a connection of the test's own to set and read it.
class HamlibDummy
{
public:
    // `program`: "rigctld" or "rotctld".
    explicit HamlibDummy(const QString &program);
    ~HamlibDummy();

    static bool installed(const QString &program);
    // Starts the daemon (on the same port as before when restarted) and waits until it listens.
    bool start();
    // Ends the daemon at once, as a crash or a pulled cable would.
    void kill();
    quint16 port() const { return m_port; }

    // Sends `command` ("p", or "set_freq 144100000" in long form) in the extended form and
    // returns the answer's lines up to and including "RPRT n".
    QStringList command(const QString &command) const;
    // The value of "Key: value" in the answer to `command`.
    QString value(const QString &command, const QString &key) const;

private:
    QString m_program;
    QProcess m_process;
    quint16 m_port = 0;
};
