#pragma once
#include <QObject>
#include <QPointer>

class LedClock;
class QCheckBox;
class QLineEdit;
class QTimer;
class UtcClock;

// The main window's clock: Timer1 (1 s) writes the UTC time (HH:mm) into the time
// field and the UTC date (yyyy-MM-dd) into the date field unless "Naknadno vođenje"
// is checked; Timer2 (100 ms) updates the LED clock. Both run from construction on.
class UtcClockController : public QObject
{
    Q_OBJECT
public:
    UtcClockController(const UtcClock &source, QLineEdit *Text1, QLineEdit *Text14, QCheckBox *Check1,
                       LedClock *clock, QObject *parent = nullptr);

    void tick1(); // the work of one Timer1 tick
    void tick2(); // the work of one Timer2 tick
    QTimer *timer1() const { return m_timer1; }
    QTimer *timer2() const { return m_timer2; }

private:
    const UtcClock &m_source;
    QPointer<QLineEdit> m_time;
    QPointer<QLineEdit> m_date;
    QPointer<QCheckBox> m_check;
    QPointer<LedClock> m_clock;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
};
