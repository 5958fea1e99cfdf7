#pragma once
#include <QDate>
#include <QFrame>
#include <QPixmap>
#include <QString>
#include <array>

class QLabel;
class UtcClock;

// Hour, minute and second of the UTC clock source, each with two digits ("09:05:07").
QString UtcTimeText(const UtcClock &clock);
// The date of the UTC clock source.
QDate UtcDate(const UtcClock &clock);

// The LED clock `picFrame` of the main window: six seven-segment digits imgLED(0..5)
// (tens of hours .. seconds) and four dots shpDot(0..3) forming the two colons.
class LedClock : public QFrame
{
    Q_OBJECT
public:
    enum class Colour { Green, Red };
    explicit LedClock(const UtcClock &clock, QWidget *parent = nullptr, Colour colour = Colour::Green);

    // Shows the current UTC time; a leading zero of the hour stays dark.
    void ShowLedClock();

    // The picture shown by imgLED(i): 1..10 for the digits 0..9, 11 for the blank
    // digit, 0 before the first update.
    int picture(int i) const { return m_shown.at(i); }
    // The eleven pictures of the image list (index 1..11; index 0 is unused).
    const std::array<QPixmap, 12> &pictures() const { return m_pictures; }
    static QPixmap digitPicture(int digit, Colour colour); // digit -1 is the blank digit

private:
    const UtcClock &m_source;
    std::array<QLabel *, 6> m_led{};
    std::array<int, 6> m_shown{};
    std::array<QPixmap, 12> m_pictures;
};
