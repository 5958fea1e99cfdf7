#pragma once
#include "cw/Morse.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

class QThread;
class RtsLine;

// The system port behind a choice of the port list: "COM1" ... "COM4" are the first four
// serial ports (/dev/ttyS0 ... /dev/ttyS3); any other choice is a port name as the
// system reports it ("ttyUSB0").
QString keyingPortDevice(const QString &choice);

// Keys texts in Morse on an RTS line from a thread of its own, so the window keeps
// running while a message goes out. Each element ends at its planned time on the
// steady clock, counted from the start of the message, so delays do not add up.
// Signals arrive on the thread that owns the Keyer.
class Keyer : public QObject
{
    Q_OBJECT
public:
    explicit Keyer(std::shared_ptr<RtsLine> line, QObject *parent = nullptr);
    ~Keyer() override;


    // True from send() until finished() or failed() has been delivered: the port is in use.
    bool isBusy() const { return m_busy; }
    // Starts keying `text` on `portName`; false (and nothing happens) while busy.
    bool send(const QString &portName, const QString &text, const Morse::Timing &timing);
    // Ends the message after the character being keyed. Harmless when idle.
    void stop();
    bool isStopping() const { return m_busy && m_stop; }

signals:
    // Character `index` of the text is about to be keyed (quotes and characters without
    // code are reported too, then skipped).
    void characterStarted(int index, QChar character);
    // The message ended (all sent or stopped); the line is closed.
    void finished(bool stopped);
    // The port could not be opened or refused RTS; the line is closed.
    void failed(const QString &reason);

private:
    struct Job
    {
        std::shared_ptr<RtsLine> line;
        QString port;
        QString text;
        Morse::Timing timing;
    };
    void run();
    void key(const Job &job);
    // Sleeps until `deadline`; false when the keyer is shutting down.
    bool sleepUntil(std::chrono::steady_clock::time_point deadline);

    std::shared_ptr<RtsLine> m_line;
    bool m_busy = false; // owner thread only
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_job; // guarded by m_mutex
    bool m_quit = false;      // guarded by m_mutex
    // A QThread rather than a plain one: the serial port opened on it sets up socket
    // notifiers, which need a Qt thread.
    std::unique_ptr<QThread> m_thread;
};
