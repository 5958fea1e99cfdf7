#include "contest/ui/ContestMessages.h"

#include "shell/ui/MessageWindow.h"

namespace ContestMessages {

MessageWindow *showMissingData()
{
    return MessageWindow::showMessage(QStringLiteral("Form13"), QStringLiteral("Niste unijeli potrebne podatke"));
}

MessageWindow *showFailure(const QString &objectName, const QString &text, const QString &reason)
{
    if (MessageWindow *open = MessageWindow::find(objectName)) {
        open->hide();
        open->deleteLater();
    }
    auto *w = new MessageWindow(objectName, {text, reason},
                                {{QStringLiteral("chameleonButton1"), QStringLiteral("U redu")}},
                                {QStringLiteral("Label1"), QStringLiteral("Label2")});
    return MessageWindow::showWindow(w);
}

}
