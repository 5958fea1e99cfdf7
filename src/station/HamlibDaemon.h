#pragma once
#include "station/StationSettings.h"

#include <QObject>
#include <QProcess>

// rigctld or rotctld run by Brelog as a child process for a model and a serial
// device, listening on a free port of this computer only. It is stopped when the
// object goes (program exit or new settings).
class HamlibDaemon : public QObject
{
    Q_OBJECT
public:
    // `program`: "rigctld" or "rotctld".
    explicit HamlibDaemon(const QString &program, QObject *parent = nullptr);
    ~HamlibDaemon() override;

    // Starts the daemon for the model, device and speed of `s`. False (and failed())
    // when the program is not installed or no port is free.
    bool start(const HamlibDeviceSettings &s);
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    quint16 port() const { return m_port; }
    QString program() const { return m_program; }

    // A free TCP port on 127.0.0.1 (0 when none).
    static quint16 freePort();
    // The last lines the daemon wrote, which carry the reason it ended.
    static QString errorText(const QByteArray &output);
    // The models of "rigctld -l" / "rotctld -l": number and "maker model".
    struct Model
    {
        QString number;
        QString name;
    };
    static QList<Model> parseModelList(const QByteArray &listOutput);

signals:
    // The daemon ended on its own or could not be started; `text` says why.
    void failed(const QString &text);

private:
    QString m_program;
    QProcess m_process;
    QByteArray m_output;
    quint16 m_port = 0;
    bool m_stopping = false;
};
