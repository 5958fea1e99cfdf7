#include "i18n/ui/MessageWindows.h"

#include "controls/ui/MessageWindow.h"
#include "i18n/ui/ApplySelectedLanguage.h"

#include <QApplication>

void MessageWindows::show(const MessageContent &message, QObject *receiver, Answer answered)
{
    if (MessageWindow *open = MessageWindow::find(message.objectName)) {
        if (!message.replacesOpen) {
            // Already waiting for its answer: brought forward, answered once.
            open->raise();
            return;
        }
        open->hide();
        open->deleteLater();
    }
    // Over a modal window (the memory editor) the message is its child, or the
    // modality would lock the operator out of it too.
    auto *w = new MessageWindow(message, QApplication::activeModalWidget());
    if (answered)
        QObject::connect(w, &MessageWindow::buttonClicked, receiver ? receiver : w, answered);
    showRelabelled(w);
}

MessageWindow *showRelabelled(MessageWindow *window)
{
    ApplySelectedLanguage(window);
    return MessageWindow::showWindow(window);
}

MessageWindow *showRelabelledMessage(const MessageContent &message)
{
    if (MessageWindow *open = MessageWindow::find(message.objectName)) {
        open->raise();
        return open;
    }
    return showRelabelled(new MessageWindow(message));
}
