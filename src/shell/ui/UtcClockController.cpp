#include "shell/ui/UtcClockController.h"

#include "platform/UtcClock.h"
#include "shell/ui/LedClock.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

UtcClockController::UtcClockController(const UtcClock &source, QLineEdit *Text1, QLineEdit *Text14, QCheckBox *Check1,
                                       LedClock *clock, QObject *parent)
    : QObject(parent), m_source(source), m_time(Text1), m_date(Text14), m_check(Check1), m_clock(clock)
{
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &UtcClockController::tick1);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(100);
    connect(m_timer2, &QTimer::timeout, this, &UtcClockController::tick2);
    m_timer1->start();
    m_timer2->start();
    // The fields and the LED clock show the time from the start, not a second later.
    tick1();
    tick2();
}

void UtcClockController::tick1()
{
    if (m_check && m_check->isChecked())
        return;
    const QDateTime now = m_source.nowUtc();
    if (m_date)
        m_date->setText(now.date().toString(QString::fromLatin1(LogFormats::DateFormat)));
    if (m_time)
        m_time->setText(now.time().toString(QString::fromLatin1(LogFormats::TimeFormat)));
}

void UtcClockController::tick2()
{
    if (m_clock)
        m_clock->ShowLedClock();
}
