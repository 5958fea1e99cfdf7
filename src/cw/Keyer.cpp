#include "cw/Keyer.h"

#include "platform/KeyingThreadPriority.h"
#include "platform/RtsLine.h"

#include <QMetaObject>
#include <QThread>

QString keyingPortDevice(const QString &choice)
{
    const QString c = choice.trimmed();
    static const QStringList com{QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                                 QStringLiteral("COM4")};
    const int n = com.indexOf(c);
    return n >= 0 ? QStringLiteral("/dev/ttyS%1").arg(n) : c;
}

Keyer::Keyer(std::shared_ptr<RtsLine> line, QObject *parent) : QObject(parent), m_line(std::move(line))
{
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->setObjectName(QStringLiteral("keyer"));
    m_thread->start();
}

Keyer::~Keyer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_stop = true;
    m_wake.notify_all();
    m_thread->wait();
}

bool Keyer::send(const QString &portName, const QString &text, const Morse::Timing &timing)
{
    if (m_busy)
        return false;
    m_busy = true;
    m_stop = false;
    {
        std::lock_guard lock(m_mutex);
        m_job = Job{m_line, portName, text, timing};
    }
    m_wake.notify_all();
    return true;
}

void Keyer::stop()
{
    if (m_busy)
        m_stop = true;
}

void Keyer::run()
{
    requestTimelyWakeups();
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || m_job; });
            if (m_quit)
                return;
            job = *m_job;
            m_job.reset();
        }
        key(job);
    }
}

bool Keyer::sleepUntil(std::chrono::steady_clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    return !m_wake.wait_until(lock, deadline, [this] { return m_quit; });
}

void Keyer::key(const Job &job)
{
    // Results go back to the owner's thread; m_busy is cleared there, so a new send()
    // can never overlap the end of this one.
    auto report = [this](auto &&fn) { QMetaObject::invokeMethod(this, std::forward<decltype(fn)>(fn), Qt::QueuedConnection); };
    QString error;
    if (!job.line->open(job.port, &error)) {
        job.line->close();
        report([this, error] {
            m_busy = false;
            emit failed(error);
        });
        return;
    }
    bool stopped = false;
    bool refused = false;
    bool down = false; // the line opens with RTS off
    auto planned = std::chrono::steady_clock::now();
    for (qsizetype i = 0; i < job.text.size(); ++i) {
        if (m_stop) {
            stopped = true;
            break;
        }
        const QChar c = job.text.at(i);
        report([this, i, c] { emit characterStarted(int(i), c); });
        if (c == QLatin1Char('"'))
            continue; // shown, never keyed
        for (const Morse::Step &step : Morse::characterSteps(c, job.timing)) {
            if (step.down != down) {
                if (!job.line->setKeyDown(step.down)) {
                    refused = true;
                    break;
                }
                down = step.down;
            }
            planned += std::chrono::milliseconds(step.ms);
            if (!sleepUntil(planned)) {
                stopped = true;
                break;
            }
        }
        if (refused || stopped)
            break;
        // A thread held up for long (a stalled machine) starts the next character from
        // now instead of clipping elements to catch up; small lateness is absorbed by
        // the plan.
        const auto now = std::chrono::steady_clock::now();
        if (now - planned > std::chrono::milliseconds(20))
            planned = now;
    }
    job.line->close();
    if (refused) {
        report([this] {
            m_busy = false;
            emit failed(QStringLiteral("the port does not switch RTS"));
        });
        return;
    }
    report([this, stopped] {
        m_busy = false;
        emit finished(stopped);
    });
}
