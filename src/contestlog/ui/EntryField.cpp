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
