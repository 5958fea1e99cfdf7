#include "FakeRtsLine.h"

#include <QStringList>
#include <cmath>

using Clock = std::chrono::steady_clock;

bool FakeRtsLine::open(const QString &portName, QString *error)
{
    std::lock_guard lock(m_mutex);
    m_opened << portName;
    if (!m_openError.isEmpty()) {
        if (error)
            *error = m_openError;
        return false;
    }
    m_open = true;
    m_openedAt = Clock::now();
    return true;
}

bool FakeRtsLine::setKeyDown(bool down)
{
    std::lock_guard lock(m_mutex);
    if (!m_open)
        return false;
    if (m_refuseFrom >= 0 && m_keyCalls++ >= m_refuseFrom)
        return false;
    m_events.append({Clock::now(), down});
    return true;
}

void FakeRtsLine::close()
{
    std::lock_guard lock(m_mutex);
    if (m_open)
        m_closedAt = Clock::now();
    m_open = false;
    ++m_closes;
}

void FakeRtsLine::failOpenWith(const QString &reason)
{
    std::lock_guard lock(m_mutex);
    m_openError = reason;
}

void FakeRtsLine::refuseFrom(int n)
{
    std::lock_guard lock(m_mutex);
    m_refuseFrom = n;
    m_keyCalls = 0;
}

QVector<FakeRtsLine::Event> FakeRtsLine::events() const
{
    std::lock_guard lock(m_mutex);
    return m_events;
}

QStringList FakeRtsLine::openedPorts() const
{
    std::lock_guard lock(m_mutex);
    return m_opened;
}

int FakeRtsLine::closeCount() const
{
    std::lock_guard lock(m_mutex);
    return m_closes;
}

bool FakeRtsLine::isOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_open;
}

QStringList FakeRtsLine::durations() const
{
    std::lock_guard lock(m_mutex);
    QStringList out;
    for (int i = 0; i < m_events.size(); ++i) {
        const Clock::time_point end = i + 1 < m_events.size() ? m_events.at(i + 1).time : m_closedAt;
        const double ms = std::chrono::duration<double, std::milli>(end - m_events.at(i).time).count();
        out << QStringLiteral("%1 %2").arg(m_events.at(i).on ? "on" : "off").arg(std::lround(ms));
    }
    return out;
}

double FakeRtsLine::msFromOpenToFirstSwitch() const
{
    std::lock_guard lock(m_mutex);
    if (m_events.isEmpty())
        return -1;
    return std::chrono::duration<double, std::milli>(m_events.first().time - m_openedAt).count();
}

std::chrono::steady_clock::time_point FakeRtsLine::closedAt() const
{
    std::lock_guard lock(m_mutex);
    return m_closedAt;
}
