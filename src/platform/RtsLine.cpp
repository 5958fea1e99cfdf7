#include "platform/RtsLine.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <QStringList>

namespace {

class SerialRtsLine : public RtsLine
{
public:
    bool open(const QString &portName, QString *error) override
    {
        close();
        // Made here, on the thread that keys, so the port never crosses threads.
        m_port = std::make_unique<QSerialPort>();
        m_port->setPortName(portName);
        m_port->setBaudRate(300);
        m_port->setDataBits(QSerialPort::Data8);
        m_port->setParity(QSerialPort::NoParity);
        m_port->setStopBits(QSerialPort::OneStop);
        m_port->setFlowControl(QSerialPort::NoFlowControl);
        if (!m_port->open(QIODevice::ReadWrite)) {
            if (error)
                *error = m_port->errorString();
            m_port.reset();
            return false;
        }
        if (!m_port->setRequestToSend(false)) {
            if (error)
                *error = QStringLiteral("RTS: ") + m_port->errorString();
            close();
            return false;
        }
        return true;
    }

    bool setKeyDown(bool down) override { return m_port && m_port->setRequestToSend(down); }

    void close() override
    {
        if (!m_port)
            return;
        m_port->setRequestToSend(false);
        m_port->close();
        m_port.reset();
    }

    ~SerialRtsLine() override { close(); }

private:
    std::unique_ptr<QSerialPort> m_port;
};

}

std::shared_ptr<RtsLine> SerialRtsLines::create()
{
    return std::make_shared<SerialRtsLine>();
}

QStringList availableSerialPorts()
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}
