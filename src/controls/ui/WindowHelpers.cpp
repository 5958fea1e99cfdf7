#include "controls/ui/WindowHelpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class UpperCaseFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const QString t = key->text();
        if (t.size() != 1 || t.at(0) < QLatin1Char('a') || t.at(0) > QLatin1Char('z'))
            return false;
        QKeyEvent upper(QEvent::KeyPress, key->key(), key->modifiers() | Qt::ShiftModifier, t.toUpper(),
                        key->isAutoRepeat(), ushort(key->count()));
        QCoreApplication::sendEvent(watched, &upper);
        return true;
    }
};

class ArrowFocusFilter : public QObject
{
public:
    explicit ArrowFocusFilter(QWidget *root) : QObject(root), m_root(root) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
            return false;
        if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
            return false;
        auto *w = static_cast<QWidget *>(watched);
        if (w != m_root && !m_root->isAncestorOf(w))
            return false;
        if (QWidget *next = nextFocusField(w, key->key() == Qt::Key_Right))
            next->setFocus(key->key() == Qt::Key_Right ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

private:
    QWidget *m_root;
};

bool takesTabFocus(QWidget *w, QWidget *window)
{
    return w->window() == window && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
           && !w->focusProxy();
}

}

void upperCaseTypedLetters(QLineEdit *field)
{
    field->installEventFilter(new UpperCaseFilter(field));
}

void moveFocusWithArrows(QWidget *root)
{
    // On the application, so that fields added to the window later follow it too.
    qApp->installEventFilter(new ArrowFocusFilter(root));
}

QWidget *nextFocusField(QWidget *from, bool forward)
{
    // The focus may sit in a part of a control (the line edit of a combo box).
    while (from->focusProxy())
        from = from->focusProxy();
    QWidget *window = from->window();
    QWidget *w = from;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != from && takesTabFocus(w, window))
            return w;
    } while (w != from);
    return nullptr;
}
