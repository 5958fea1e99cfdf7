#include "shell/ui/MenuIcons.h"

#include <QAction>
#include <QHash>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int S = 14;
const QColor ink(0x33, 0x3a, 0x48);

void page(QPainter &p, const QColor &fill = QColor(0xfd, 0xfd, 0xfd))
{
    QPainterPath path;
    path.moveTo(2.5, 0.5);
    path.lineTo(8.5, 0.5);
    path.lineTo(11.5, 3.5);
    path.lineTo(11.5, 13.5);
    path.lineTo(2.5, 13.5);
    path.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(8.5, 0.5), QPointF(8.5, 3.5));
    p.drawLine(QPointF(8.5, 3.5), QPointF(11.5, 3.5));
}

void flag(QPainter &p, const QList<QColor> &stripes)
{
    const double h = 10.0 / stripes.size();
    for (int i = 0; i < stripes.size(); ++i)
        p.fillRect(QRectF(1, 2 + i * h, 12, h), stripes.at(i));
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 1.5, 13, 11));
}

void circled(QPainter &p, const QColor &fill, const QString &glyph)
{
    p.setPen(QPen(fill.darker(140), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 13, 13));
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, S, S), Qt::AlignCenter, glyph);
}

QPixmap draw(QChar letter)
{
    QPixmap pm(S, S);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(0x2f, 0x9e, 0x44), red(0xd0, 0x31, 0x2d), blue(0x2f, 0x6f, 0xc0), amber(0xe8, 0xa3, 0x17);
    switch (letter.toLatin1()) {
    case 'A': // new: a page with a star
        page(p);
        p.setPen(QPen(amber, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 6), QPointF(7, 11));
        p.drawLine(QPointF(4.5, 8.5), QPointF(9.5, 8.5));
        break;
    case 'B': // save: a diskette
        p.setPen(QPen(ink, 1));
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(0.5, 0.5, 13, 13), 1.5, 1.5);
        p.fillRect(QRectF(3, 1, 8, 5), QColor(0xf2, 0xf4, 0xf8));
        p.fillRect(QRectF(8, 2, 2, 3), ink);
        p.fillRect(QRectF(3, 8.5, 8, 4.5), QColor(0xdd, 0xe3, 0xee));
        break;
    case 'C': { // open: a folder
        p.setPen(QPen(QColor(0x9a, 0x6b, 0x0c), 1));
        p.setBrush(QColor(0xf5, 0xc8, 0x4c));
        QPainterPath back;
        back.moveTo(0.5, 2.5);
        back.lineTo(5, 2.5);
        back.lineTo(6.5, 4);
        back.lineTo(13.5, 4);
        back.lineTo(13.5, 12.5);
        back.lineTo(0.5, 12.5);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(QColor(0xfb, 0xdd, 0x7e));
        QPainterPath front;
        front.moveTo(0.5, 12.5);
        front.lineTo(2.5, 6.5);
        front.lineTo(13.5, 6.5);
        front.lineTo(12, 12.5);
        front.closeSubpath();
        p.drawPath(front);
        break;
    }
    case 'D': { // export: a page with an arrow out
        page(p);
        p.setPen(QPen(green, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(4, 9), QPointF(12.5, 9));
        p.drawLine(QPointF(10, 6.5), QPointF(12.5, 9));
        p.drawLine(QPointF(10, 11.5), QPointF(12.5, 9));
        break;
    }
    case 'E': // exit: a door with an arrow
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0xa8, 0x6b, 0x3c));
        p.drawRect(QRectF(1.5, 0.5, 7, 13));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(6, 6.5, 1.5, 1.5));
        p.setPen(QPen(red, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(8, 7), QPointF(13, 7));
        p.drawLine(QPointF(11, 5), QPointF(13, 7));
        p.drawLine(QPointF(11, 9), QPointF(13, 7));
        break;
    case 'F': { // settings: a gear
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6b, 0x74, 0x86));
        p.translate(7, 7);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-1.3, -6.8, 2.6, 3));
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 4.6, 4.6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 1.8, 1.8);
        break;
    }
    case 'G': // save QSO: a check mark
        p.setPen(QPen(green, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2, 7.5), QPointF(5.5, 11), QPointF(12, 3)}));
        break;
    case 'H': { // edit QSO: a pencil
        p.translate(7, 7);
        p.rotate(45);
        p.setPen(QPen(ink, 0.8));
        p.setBrush(amber);
        p.drawRect(QRectF(-1.8, -6.5, 3.6, 9));
        p.setBrush(QColor(0xf0, 0xd0, 0xa0));
        QPainterPath tip;
        tip.moveTo(-1.8, 2.5);
        tip.lineTo(1.8, 2.5);
        tip.lineTo(0, 6.2);
        tip.closeSubpath();
        p.drawPath(tip);
        p.setBrush(QColor(0xe0, 0x80, 0x90));
        p.drawRect(QRectF(-1.8, -6.5, 3.6, 1.8));
        break;
    }
    case 'I': { // cancel: an arrow turning back
        p.setPen(QPen(blue, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 9, 9), 90 * 16, -250 * 16);
        p.drawLine(QPointF(7.5, 3), QPointF(4.5, 1));
        p.drawLine(QPointF(7.5, 3), QPointF(4.8, 5.4));
        break;
    }
    case 'J': // delete: a red cross
        p.setPen(QPen(red, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(11, 11));
        p.drawLine(QPointF(11, 3), QPointF(3, 11));
        break;
    case 'K': // search: a magnifier
        p.setPen(QPen(ink, 1.6));
        p.setBrush(QColor(0xd6, 0xe8, 0xfa));
        p.drawEllipse(QRectF(1, 1, 8, 8));
        p.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8.5, 8.5), QPointF(12.5, 12.5));
        break;
    case 'L': // statistics: bars
        p.fillRect(QRectF(1, 8, 3, 5), blue);
        p.fillRect(QRectF(5.5, 4, 3, 9), green);
        p.fillRect(QRectF(10, 1, 3, 12), red);
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(0.5, 13.5), QPointF(13.5, 13.5));
        break;
    case 'M': // print: a printer
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 0.5, 7, 5));
        p.setBrush(QColor(0x8f, 0x98, 0xa8));
        p.drawRoundedRect(QRectF(0.5, 4.5, 13, 6), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 8.5, 7, 5));
        p.fillRect(QRectF(11, 6, 1.5, 1.5), green);
        break;
    case 'N': { // Hrvatski: red, white, blue with a small chequered shield
        flag(p, {red, Qt::white, QColor(0x17, 0x17, 0x96)});
        p.fillRect(QRectF(5.5, 4.5, 3, 4), Qt::white);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 3; ++x)
                if ((x + y) % 2 == 0)
                    p.fillRect(QRectF(5.5 + x, 4.5 + y, 1, 1), red);
        break;
    }
    case 'O': // English: blue with a red and white cross
        p.fillRect(QRectF(1, 2, 12, 10), QColor(0x1f, 0x3c, 0x88));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(1, 2), QPointF(13, 12));
        p.drawLine(QPointF(13, 2), QPointF(1, 12));
        p.fillRect(QRectF(5.5, 2, 3, 10), Qt::white);
        p.fillRect(QRectF(1, 5.5, 12, 3), Qt::white);
        p.fillRect(QRectF(6.2, 2, 1.6, 10), red);
        p.fillRect(QRectF(1, 6.2, 12, 1.6), red);
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 1.5, 13, 11));
        break;
    case 'P': // Polski: white over red
        flag(p, {Qt::white, QColor(0xdc, 0x14, 0x3c)});
        break;
    case 'Q': // Slovensky: white, blue, red with a small shield
        flag(p, {Qt::white, QColor(0x0b, 0x4e, 0xa2), QColor(0xee, 0x1c, 0x25)});
        p.setPen(QPen(Qt::white, 0.8));
        p.setBrush(QColor(0xee, 0x1c, 0x25));
        p.drawRoundedRect(QRectF(3, 3.5, 3.5, 5), 1, 1);
        break;
    case 'R': // lists: a page with lines
        page(p, QColor(0xff, 0xfb, 0xe6));
        p.setPen(QPen(blue, 1));
        for (double y : {5.5, 7.5, 9.5, 11.5})
            p.drawLine(QPointF(4, y), QPointF(10, y));
        break;
    case 'S': // help
        circled(p, blue, QStringLiteral("?"));
        break;
    case 'T': // about
        circled(p, green, QStringLiteral("i"));
        break;
    default:
        break;
    }
    return pm;
}

}

namespace MenuIcons {

QPixmap picture(QChar letter)
{
    static QHash<QChar, QPixmap> cache;
    auto it = cache.find(letter);
    if (it == cache.end())
        it = cache.insert(letter, draw(letter));
    return *it;
}

}

void meni(QMenuBar *menuBar)
{
    if (!menuBar)
        return;
    struct Placement
    {
        const char *menu;
        QList<QPair<int, char>> items;
    };
    const Placement table[] = {
        {"podaci", {{0, 'A'}, {1, 'B'}, {2, 'C'}, {4, 'D'}, {5, 'D'}, {7, 'E'}}},
        {"postav", {{0, 'F'}}},
        {"editiranje", {{0, 'G'}, {1, 'H'}, {2, 'I'}, {4, 'J'}}},
        {"alati", {{0, 'A'}}},
        {"pretraga", {{0, 'K'}, {1, 'K'}}},
        {"statistika", {{0, 'L'}}},
        {"ispis", {{0, 'M'}}},
        {"jezik", {{0, 'N'}, {1, 'O'}, {2, 'P'}, {3, 'Q'}}},
        {"oprogramu", {{0, 'R'}, {1, 'R'}, {3, 'S'}, {5, 'T'}}},
    };
    for (const Placement &placement : table) {
        auto *menu = menuBar->findChild<QMenu *>(QString::fromLatin1(placement.menu));
        if (!menu)
            continue;
        const QList<QAction *> actions = menu->actions();
        for (const auto &[position, letter] : placement.items) {
            if (position < actions.size() && !actions.at(position)->isSeparator())
                actions.at(position)->setIcon(QIcon(MenuIcons::picture(QLatin1Char(letter))));
        }
    }
}
