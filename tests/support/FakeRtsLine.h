#pragma once
#include "platform/RtsLine.h"

#include <QString>
#include <QVector>
#include <chrono>
#include <mutex>

// A keying line that records every switch with the time it happened. Safe to read
// from the test while the keyer's thread writes.
class FakeRtsLine : public RtsLine
{
public:
    struct Event
    {
        std::chrono::steady_clock::time_point time;
        bool on;
    };

    bool open(const QString &portName, QString *error) override;
    bool setKeyDown(bool down) override;
    void close() override;

    // What the next open() answers: empty opens, a text fails with it as the reason.
    void failOpenWith(const QString &reason);
    // From the n-th setKeyDown on (0 = the first) the line refuses; -1 never.
    void refuseFrom(int n);

    QVector<Event> events() const;
    QStringList openedPorts() const;
    int closeCount() const;
    bool isOpen() const;
    // Milliseconds from the last successful open to the first switch.
    double msFromOpenToFirstSwitch() const;
    std::chrono::steady_clock::time_point closedAt() const;
    // The recorded switches as "on 112" / "off 448": state and how long it lasted until
    // the next switch (or the close), in whole milliseconds.
    QStringList durations() const;

private:
    mutable std::mutex m_mutex;
    QVector<Event> m_events;
    QStringList m_opened;
    std::chrono::steady_clock::time_point m_openedAt;
    std::chrono::steady_clock::time_point m_closedAt;
    QString m_openError;
    int m_refuseFrom = -1;
    int m_keyCalls = 0;
    int m_closes = 0;
    bool m_open = false;
};

// Hands the keyer one recording line, which the test reads.
class FakeRtsLines : public RtsLines
{
public:
    std::shared_ptr<RtsLine> create() override { return line; }

    std::shared_ptr<FakeRtsLine> line = std::make_shared<FakeRtsLine>();
};
