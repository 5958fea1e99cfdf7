#pragma once
#include <QPointer>
#include <QWidget>

class QLineEdit;

// Shows the one window kept in `slot`, creating it with `make` when none is open; an
// open one comes forward.
template <class Window, class Make>
Window *showSingleWindow(QPointer<Window> &slot, Make &&make)
{
    if (!slot)
        slot = make();
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

// Lower-case letters "a" to "z" typed into `field` appear as capitals; every other
// character passes as typed.
void upperCaseTypedLetters(QLineEdit *field);

// Inside `root` (and its window), the Left and Right arrows move the focus to the
// previous and next field, as Shift+Tab and Tab do, instead of moving the caret. The
// keys pressed with Shift, Control or Alt keep their usual meaning.
void moveFocusWithArrows(QWidget *root);

// The field after (or before) `from` in the focus chain of its window that takes
// the focus by Tab; nullptr when there is none.
QWidget *nextFocusField(QWidget *from, bool forward);
