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

// Where the keyer gets its line: the real serial line in the program, a recorder in tests.
class RtsLines
{
public:
    virtual ~RtsLines() = default;
    // A closed line; the keyer opens it on the port of each message.
    virtual std::shared_ptr<RtsLine> create() = 0;
};

// The real lines over QSerialPort: 300 baud, 8 data bits, no parity, 1 stop bit, no
// flow control; nothing is ever written to the port.
class SerialRtsLines : public RtsLines
{
public:
    std::shared_ptr<RtsLine> create() override;
};

// Serial ports the system reports, by name ("ttyUSB0"), in the order it lists them.
QStringList availableSerialPorts();
