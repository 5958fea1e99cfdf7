#pragma once
#include <QString>
#include <memory>

// The keying line: the RTS line of a serial port, on = key down. A line is opened,
// keyed and closed by one thread (the keyer's); tests replace it with a recorder.
class RtsLine
{
public:
    virtual ~RtsLine() = default;
    // Opens the port (a system name such as "/dev/ttyS0" or "ttyUSB0") with RTS off.
    // False with a short reason when it cannot be opened or does not take RTS.
    virtual bool open(const QString &portName, QString *error) = 0;
    // RTS on (key down) or off. False when the port refuses it.
    virtual bool setKeyDown(bool down) = 0;
    // RTS off and the port closed; harmless when not open.
    virtual void close() = 0;
};

// The real line over QSerialPort: 300 baud, 8 data bits, no parity, 1 stop bit, no
// flow control; nothing is ever written to the port.
std::unique_ptr<RtsLine> createSerialRtsLine();

// Serial ports the system reports, by name ("ttyUSB0"), in the order it lists them.
QStringList availableSerialPorts();
