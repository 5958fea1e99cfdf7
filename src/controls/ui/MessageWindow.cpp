#include "controls/ui/MessageWindow.h"

#include "controls/ui/ChameleonButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPixmap warningPicture()
{
    QPixmap pm(40, 36);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tri;
    tri.moveTo(20, 2);
    tri.lineTo(38, 34);
    tri.lineTo(2, 34);
    tri.closeSubpath();
    p.setPen(QPen(QColor(0x8a, 0x6d, 0x00), 2));
    p.setBrush(QColor(0xff, 0xd3, 0x2a));
    p.drawPath(tri);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(18, 11, 4, 14), 2, 2);
    p.drawEllipse(QRectF(18, 27, 4, 4));
    return pm;
}

}

MessageWindow::MessageWindow(const QString &objectName, const QStringList &lines,
                             const QList<ButtonSpec> &buttons, const QStringList &lineNames, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setWindowModality(Qt::NonModal);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(warningPicture());
    picture->setAlignment(Qt::AlignTop);

    auto *textBox = new QVBoxLayout;
    for (int i = 0; i < lines.size(); ++i) {
        auto *label = new QLabel(lines.at(i), this);
        label->setObjectName(i < lineNames.size() ? lineNames.at(i) : QStringLiteral("Label%1").arg(i + 1));
        label->setWordWrap(true);
        label->setMinimumWidth(260);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        textBox->addWidget(label);
        m_lines << label;
    }
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(8);
    top->addLayout(textBox, 1);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (const ButtonSpec &def : buttons) {
        auto *b = new ChameleonButton(def.objectName, def.caption, this);
        b->setMinimumWidth(90);
        connect(b, &QPushButton::clicked, this, [this, name = def.objectName] {
            emit buttonClicked(name);
            close();
        });
        buttonRow->addWidget(b);
        m_buttons << b;
    }
    buttonRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttonRow);
    // The button that has the focus once the operator gives the window the focus.
    if (!m_buttons.isEmpty())
        setFocusProxy(m_buttons.first());
}

MessageWindow::MessageWindow(const MessageContent &content, QWidget *parent)
    : MessageWindow(content.objectName, content.lines, content.buttons, content.lineNames, parent)
{
}

MessageWindow *MessageWindow::find(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<MessageWindow *>(w); m && m->objectName() == objectName && m->isVisible())
            return m;
    return nullptr;
}

MessageWindow *MessageWindow::showWindow(MessageWindow *window)
{
    window->adjustSize();
    if (QWidget *active = QApplication::activeWindow(); active && active != window) {
        const QRect g = active->frameGeometry();
        window->move(g.center() - window->rect().center());
    }
    QWidget *active = QApplication::activeWindow();
    window->m_handBackTo = active != window ? active : nullptr;
    window->show();
    window->raise();
    // Some platforms activate every window they show; only an activation right after
    // showing is handed back, a later one is the operator's choice.
    QTimer::singleShot(300, window, [window] { window->m_handBackTo = nullptr; });
    return window;
}

MessageWindow *MessageWindow::showMessage(const QString &objectName, const QString &text)
{
    if (MessageWindow *open = find(objectName)) {
        open->raise();
        return open;
    }
    auto *w = new MessageWindow(objectName, {text}, {{QStringLiteral("chameleonButton1"), QStringLiteral("U redu")}});
    return showWindow(w);
}

QString MessageWindow::text() const
{
    QStringList parts;
    for (QLabel *l : m_lines)
        parts << l->text();
    return parts.join(QLatin1Char('\n'));
}

ChameleonButton *MessageWindow::button(const QString &objectName) const
{
    for (ChameleonButton *b : m_buttons)
        if (b->objectName() == objectName)
            return b;
    return nullptr;
}

void MessageWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xfb, 0xfb, 0xf4));
    p.setPen(QPen(QColor(0x5a, 0x64, 0x78), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

bool MessageWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_handBackTo) {
        QWidget *back = m_handBackTo;
        m_handBackTo = nullptr;
        back->activateWindow();
    }
    return QWidget::event(event);
}

void MessageWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_buttons.isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        // Escape answers like the last button ("U redu" or "Ne").
        m_buttons.last()->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        // The buttons are no dialog defaults, so Enter reaches the window: it presses
        // the focused button, as Space does.
        auto *focused = qobject_cast<ChameleonButton *>(focusWidget());
        (m_buttons.contains(focused) ? focused : m_buttons.first())->click();
        return;
    }
    default:
        QWidget::keyPressEvent(event);
    }
}
