#include "cw/ui/Form16.h"

#include "controls/ui/ChameleonButton.h"
#include "controls/ui/WindowHelpers.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// Diagrams are drawn on a fixed logical canvas and scaled to the widget.
constexpr QSizeF Canvas(500, 250);
const QColor Ink(0x20, 0x20, 0x30);
const QColor Part(0x1f, 0x3f, 0x7a);

void wire(QPainter &p, std::initializer_list<QPointF> points)
{
    p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF poly;
    for (const QPointF &pt : points)
        poly << pt;
    p.drawPolyline(poly);
}

void dot(QPainter &p, QPointF at)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(at, 3.2, 3.2);
}

void label(QPainter &p, QPointF at, const QString &text, Qt::Alignment align = Qt::AlignCenter, bool bold = false)
{
    QFont f = p.font();
    f.setPointSizeF(9);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(bold ? Ink : Part);
    const QRectF box(at.x() - 80, at.y() - 10, 160, 20);
    QRectF r = box;
    if (align & Qt::AlignLeft)
        r.moveLeft(at.x());
    if (align & Qt::AlignRight)
        r.moveRight(at.x());
    p.drawText(r, int(align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, text);
}

// A connection point of the interface: a hollow circle with its name beside it.
void terminal(QPainter &p, QPointF at, const QString &name, bool nameLeft)
{
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(at, 5, 5);
    label(p, at + QPointF(nameLeft ? -10 : 10, 0), name, nameLeft ? Qt::AlignRight : Qt::AlignLeft, true);
}

// Resistor as a box between two points on a horizontal line.
void resistor(QPainter &p, QPointF a, QPointF b, const QString &value)
{
    const double len = b.x() - a.x();
    const QRectF body(a.x() + len * 0.2, a.y() - 7, len * 0.6, 14);
    wire(p, {a, QPointF(body.left(), a.y())});
    wire(p, {QPointF(body.right(), a.y()), b});
    p.setPen(QPen(Part, 1.8));
    p.setBrush(Qt::white);
    p.drawRect(body);
    label(p, QPointF(body.center().x(), a.y() - 18), value);
}

// Diode from anode `a` to cathode `k` (any direction): triangle pointing at the bar.
void diode(QPainter &p, QPointF a, QPointF k, const QString &name, QPointF nameAt, bool emitting = false)
{
    const QPointF d = k - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const double size = 11;
    const QPointF mid = (a + k) / 2;
    const QPointF base = mid - u * size * 0.5;
    const QPointF tip = mid + u * size * 0.5;
    wire(p, {a, base});
    wire(p, {tip, k});
    QPolygonF tri;
    tri << base + n * size * 0.6 << base - n * size * 0.6 << tip;
    p.setPen(QPen(Part, 1.6));
    p.setBrush(emitting ? QColor(0xff, 0xe0, 0x80) : QColor(Part));
    p.drawPolygon(tri);
    p.drawLine(tip + n * size * 0.6, tip - n * size * 0.6);
    if (!name.isEmpty())
        label(p, nameAt, name);
}

// An arrow head at `to` coming from `from`.
void arrow(QPainter &p, QPointF from, QPointF to, const QColor &colour)
{
    p.setPen(QPen(colour, 1.4));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to << to - u * 7 + n * 3.5 << to - u * 7 - n * 3.5;
    p.setBrush(colour);
    p.drawPolygon(head);
}

// NPN transistor with its base bar at x = `bar`, centred on `y`; returns nothing: the
// caller wires the base at (bar, y), collector at (bar + 22, y - 24), emitter at
// (bar + 22, y + 24).
void npn(QPainter &p, double bar, double y, bool withCircle, bool withBaseLead)
{
    if (withCircle) {
        p.setPen(QPen(Part, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(bar + 9, y), 24, 24);
    }
    p.setPen(QPen(Part, 3));
    p.drawLine(QPointF(bar, y - 13), QPointF(bar, y + 13));
    p.setPen(QPen(Part, 1.6));
    p.drawLine(QPointF(bar, y - 6), QPointF(bar + 22, y - 24));
    arrow(p, QPointF(bar, y + 6), QPointF(bar + 20, y + 22), Part);
    if (withBaseLead)
        wire(p, {QPointF(bar - 22, y), QPointF(bar, y)});
}

void ground(QPainter &p, QPointF at)
{
    p.setPen(QPen(Ink, 1.6));
    p.drawLine(at + QPointF(-10, 0), at + QPointF(10, 0));
    p.drawLine(at + QPointF(-6, 4), at + QPointF(6, 4));
    p.drawLine(at + QPointF(-2, 8), at + QPointF(2, 8));
}

void title(QPainter &p, const QString &text)
{
    QFont f = p.font();
    f.setPointSizeF(10.5);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Part);
    p.drawText(QRectF(0, 4, Canvas.width(), 22), Qt::AlignCenter, text);
}

void drawOptoCoupler(QPainter &p)
{
    title(p, QStringLiteral("RTS \u2192 opto-coupler \u2192 PTT"));
    const double top = 70, bottom = 200;
    // The opto-coupler first, so the wires run over its ground: LED on the left,
    // photo-transistor on the right.
    p.setPen(QPen(Part, 1.2, Qt::DashLine));
    p.setBrush(QColor(0xf2, 0xf5, 0xfb));
    p.drawRoundedRect(QRectF(222, 86, 120, 102), 6, 6);
    label(p, QPointF(282, 177), QStringLiteral("opto-coupler"));
    terminal(p, QPointF(40, top), QStringLiteral("RTS"), true);
    terminal(p, QPointF(40, bottom), QStringLiteral("GND"), true);
    resistor(p, QPointF(45, top), QPointF(150, top), QStringLiteral("1.2 k\u03a9"));
    wire(p, {QPointF(150, top), QPointF(250, top), QPointF(250, 104)});
    wire(p, {QPointF(45, bottom), QPointF(250, bottom), QPointF(250, 150)});
    dot(p, QPointF(185, top));
    dot(p, QPointF(185, bottom));
    // The small signal diode across the input takes RTS's negative half.
    diode(p, QPointF(185, bottom), QPointF(185, top), QStringLiteral("1N4148"), QPointF(140, 135));
    diode(p, QPointF(250, 104), QPointF(250, 150), QString(), {}, true);
    for (double y : {120.0, 134.0})
        arrow(p, QPointF(264, y), QPointF(288, y), QColor(0xd0, 0x80, 0x00));
    npn(p, 298, 127, false, false);
    const double x = 320;
    wire(p, {QPointF(x, 103), QPointF(x, top), QPointF(420, top)});
    wire(p, {QPointF(x, 151), QPointF(x, bottom), QPointF(420, bottom)});
    terminal(p, QPointF(425, top), QStringLiteral("PTT"), false);
    terminal(p, QPointF(425, bottom), QStringLiteral("PTT GND"), false);
    label(p, QPointF(30, 232), QStringLiteral("serial port"), Qt::AlignLeft);
    label(p, QPointF(490, 232), QStringLiteral("transmitter"), Qt::AlignRight);
}

void drawTransistor(QPainter &p)
{
    title(p, QStringLiteral("RTS \u2192 BC337 \u2192 PTT"));
    const double baseY = 130, top = 60, bottom = 205;
    terminal(p, QPointF(40, baseY), QStringLiteral("RTS"), true);
    terminal(p, QPointF(40, bottom), QStringLiteral("GND"), true);
    diode(p, QPointF(45, baseY), QPointF(120, baseY), QStringLiteral("1N4148"), QPointF(82, baseY - 20));
    resistor(p, QPointF(120, baseY), QPointF(225, baseY), QStringLiteral("10 k\u03a9"));
    npn(p, 247, baseY, true, true);
    label(p, QPointF(300, baseY + 2), QStringLiteral("BC337"), Qt::AlignLeft);
    const double x = 269;
    wire(p, {QPointF(x, baseY - 24), QPointF(x, top), QPointF(420, top)});
    wire(p, {QPointF(x, baseY + 24), QPointF(x, bottom)});
    wire(p, {QPointF(45, bottom), QPointF(420, bottom)});
    dot(p, QPointF(x, bottom));
    dot(p, QPointF(375, top));
    dot(p, QPointF(375, bottom));
    // The diode from the PTT line to ground catches the spikes of what the line switches.
    diode(p, QPointF(375, bottom), QPointF(375, top), QStringLiteral("1N4148"), QPointF(410, 135));
    wire(p, {QPointF(x - 40, bottom), QPointF(x - 40, bottom + 6)});
    ground(p, QPointF(x - 40, bottom + 6));
    dot(p, QPointF(x - 40, bottom));
    terminal(p, QPointF(425, top), QStringLiteral("PTT"), false);
    terminal(p, QPointF(425, bottom), QStringLiteral("PTT GND"), false);
    label(p, QPointF(30, 235), QStringLiteral("serial port"), Qt::AlignLeft);
    label(p, QPointF(490, 235), QStringLiteral("transmitter"), Qt::AlignRight);
}

void drawConnectorPins(QPainter &p, const QSizeF &size)
{
    const QStringList rows[] = {{QString(), QStringLiteral("9-pin"), QStringLiteral("25-pin")},
                                {QStringLiteral("RTS"), QStringLiteral("7"), QStringLiteral("4")},
                                {QStringLiteral("GND"), QStringLiteral("5"), QStringLiteral("7")}};
    const double cw = 90, rh = 24;
    const double left = (size.width() - 3 * cw) / 2, top = (size.height() - 3 * rh) / 2;
    QFont f = p.font();
    f.setPointSizeF(10);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const QRectF cell(left + c * cw, top + r * rh, cw, rh);
            p.setPen(QPen(QColor(0xa0, 0xa8, 0xb8), 1));
            p.setBrush(r == 0 || c == 0 ? QColor(0xe4, 0xea, 0xf4) : QColor(Qt::white));
            p.drawRect(cell);
            f.setBold(r == 0 || c == 0);
            p.setFont(f);
            p.setPen(Ink);
            p.drawText(cell, Qt::AlignCenter, rows[r].at(c));
        }
}

}

WiringPicture::WiringPicture(const QString &objectName, Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Expanding, kind == Kind::ConnectorPins ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    if (kind != Kind::ConnectorPins)
        setMinimumSize(Canvas.toSize());
}

QSize WiringPicture::sizeHint() const
{
    return m_kind == Kind::ConnectorPins ? QSize(300, 84) : Canvas.toSize();
}

void WiringPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    if (m_kind == Kind::ConnectorPins) {
        drawConnectorPins(p, size());
        return;
    }
    p.setPen(QPen(QColor(0xc8, 0xd0, 0xdc), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const double scale = std::min(width() / Canvas.width(), height() / Canvas.height());
    p.translate((width() - Canvas.width() * scale) / 2, (height() - Canvas.height() * scale) / 2);
    p.scale(scale, scale);
    if (m_kind == Kind::OptoCoupler)
        drawOptoCoupler(p);
    else
        drawTransistor(p);
}

Form16::Form16(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Form16"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("CW interface"));
    setStyleSheet(QStringLiteral("QWidget#Form16 { background: #f4f6fa; }"));

    auto *pictures = new QHBoxLayout;
    pictures->setSpacing(10);
    pictures->addWidget(new WiringPicture(QStringLiteral("Picture1"), WiringPicture::Kind::OptoCoupler, this));
    pictures->addWidget(new WiringPicture(QStringLiteral("Picture2"), WiringPicture::Kind::Transistor, this));
    auto *ok = new ChameleonButton(QStringLiteral("chameleonButton1"), QStringLiteral("OK"), this);
    ok->setMinimumWidth(110);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new WiringPicture(QStringLiteral("Picture3"), WiringPicture::Kind::ConnectorPins, this), 1);
    bottom->addWidget(ok, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(pictures, 1);
    layout->addLayout(bottom);
}

Form16 *Form16::open(QWidget *owner)
{
    static QPointer<Form16> window;
    return showSingleWindow(window, [owner] { return new Form16(owner); });
}
