#include "shell/ui/LedClock.h"

#include "platform/UtcClock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

QString UtcTimeText(const UtcClock &clock)
{
    return clock.nowUtc().time().toString(QStringLiteral("HH:mm:ss"));
}

QDate UtcDate(const UtcClock &clock)
{
    return clock.todayUtc();
}

namespace {

constexpr int DigitWidth = 20;
constexpr int DigitHeight = 34;
const QColor background(0x10, 0x14, 0x12);

QColor litColour(LedClock::Colour c)
{
    return c == LedClock::Colour::Green ? QColor(0x3d, 0xff, 0x6a) : QColor(0xff, 0x3b, 0x30);
}

// Segments a..g of the digits 0..9, bit 0 = a (top), then clockwise, g in the middle.
constexpr unsigned char segmentsOf[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};

QPainterPath segment(int index)
{
    // Hexagonal bars on a 20 x 34 cell.
    const double t = 3.2, l = 3, r = DigitWidth - 3, top = 2.5, mid = DigitHeight / 2.0, bottom = DigitHeight - 2.5;
    auto horizontal = [&](double y) {
        QPainterPath p;
        p.moveTo(l + 1, y);
        p.lineTo(l + 1 + t / 2, y - t / 2);
        p.lineTo(r - 1 - t / 2, y - t / 2);
        p.lineTo(r - 1, y);
        p.lineTo(r - 1 - t / 2, y + t / 2);
        p.lineTo(l + 1 + t / 2, y + t / 2);
        p.closeSubpath();
        return p;
    };
    auto vertical = [&](double x, double y0, double y1) {
        QPainterPath p;
        p.moveTo(x, y0 + 1);
        p.lineTo(x + t / 2, y0 + 1 + t / 2);
        p.lineTo(x + t / 2, y1 - 1 - t / 2);
        p.lineTo(x, y1 - 1);
        p.lineTo(x - t / 2, y1 - 1 - t / 2);
        p.lineTo(x - t / 2, y0 + 1 + t / 2);
        p.closeSubpath();
        return p;
    };
    switch (index) {
    case 0: return horizontal(top);
    case 1: return vertical(r, top, mid);
    case 2: return vertical(r, mid, bottom);
    case 3: return horizontal(bottom);
    case 4: return vertical(l, mid, bottom);
    case 5: return vertical(l, top, mid);
    default: return horizontal(mid);
    }
}

}

QPixmap LedClock::digitPicture(int digit, Colour colour)
{
    QPixmap pm(DigitWidth, DigitHeight);
    pm.fill(background);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const unsigned mask = digit >= 0 && digit <= 9 ? segmentsOf[digit] : 0;
    QColor dark = litColour(colour);
    dark.setAlpha(28);
    for (int s = 0; s < 7; ++s) {
        p.setBrush((mask & (1u << s)) ? litColour(colour) : dark);
        // A slight slant, as on the usual LED displays.
        p.save();
        p.translate(DigitHeight * 0.06, 0);
        p.shear(-0.06, 0);
        p.drawPath(segment(s));
        p.restore();
    }
    return pm;
}

LedClock::LedClock(const UtcClock &clock, QWidget *parent, Colour colour) : QFrame(parent), m_source(clock)
{
    setObjectName(QStringLiteral("picFrame"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);

    for (int d = 0; d <= 9; ++d)
        m_pictures[d + 1] = digitPicture(d, colour);
    m_pictures[11] = digitPicture(-1, colour);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    int dot = 0;
    for (int i = 0; i < 6; ++i) {
        if (i == 2 || i == 4) {
            // A colon: two round dots, one above the other.
            auto *colon = new QWidget(this);
            auto *col = new QVBoxLayout(colon);
            col->setContentsMargins(2, 9, 2, 9);
            col->setSpacing(8);
            for (int j = 0; j < 2; ++j) {
                auto *d = new QLabel(colon);
                d->setObjectName(QStringLiteral("shpDot(%1)").arg(dot++));
                QPixmap pm(4, 4);
                pm.fill(Qt::transparent);
                QPainter p(&pm);
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(Qt::NoPen);
                p.setBrush(litColour(colour));
                p.drawEllipse(QRectF(0, 0, 4, 4));
                p.end();
                d->setPixmap(pm);
                d->setFixedSize(4, 4);
                col->addWidget(d);
            }
            layout->addWidget(colon);
        }
        auto *led = new QLabel(this);
        led->setObjectName(QStringLiteral("imgLED(%1)").arg(i));
        led->setFixedSize(DigitWidth, DigitHeight);
        led->setPixmap(m_pictures[11]);
        layout->addWidget(led);
        m_led[i] = led;
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LedClock::ShowLedClock()
{
    const QString t = UtcTimeText(m_source);
    int p = 0;
    for (const QChar c : t) {
        if (!c.isDigit() || p >= 6)
            continue;
        const int d = c.digitValue();
        const int picture = (p == 0 && d == 0) ? 11 : d + 1;
        if (m_shown[p] != picture) {
            m_shown[p] = picture;
            m_led[p]->setPixmap(m_pictures[picture]);
            m_led[p]->repaint();
        }
        ++p;
    }
}
