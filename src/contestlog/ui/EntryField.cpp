#include "contestlog/ui/EntryField.h"

#include <QKeyEvent>

EntryField::EntryField(const QString &objectName, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(objectName);
}

void EntryField::keyPressEvent(QKeyEvent *event)
{
    if (m_enterCommand && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (m_selection == FocusSelection::LocatorRest && event->text().size() == 1 && event->text().at(0).isLetter()
        && typesOverFieldLetters())
        clear(); // a letter cannot follow the field letters: a whole locator is being typed
    if (m_upper && event->text().size() == 1) {
        const QChar c = event->text().at(0);
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            QKeyEvent upper(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                            QString(c.toUpper()), event->isAutoRepeat(), ushort(event->count()));
            QLineEdit::keyPressEvent(&upper);
            event->setAccepted(upper.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

bool EntryField::typesOverFieldLetters() const
{
    // Only the two field letters stand before the caret (or the selection), and
    // nothing after it is kept.
    const QString t = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionStart() + int(selectedText().size()) : cursorPosition();
    return start == 2 && end == t.size() && t.at(0).isLetter() && t.at(1).isLetter();
}

void EntryField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    switch (m_selection) {
    case FocusSelection::None:
        break;
    case FocusSelection::ToEnd: {
        // The start stays where it is; after the program filled the field it is at
        // the beginning, so the whole text is selected and typing replaces it.
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const int len = text().size();
        if (start >= len)
            break;
        setSelection(start, len);
        break;
    }
    case FocusSelection::LocatorRest:
        setSelection(2, 4);
        break;
    }
}
