#include "station/ui/StationMessages.h"

#include "controls/MessageCatalogue.h"
#include "controls/ui/MessageWindow.h"
#include "i18n/ui/MessageWindows.h"

namespace StationMessages {

MessageWindow *showDaemonFailure(bool rotator, const QString &text)
{
    const MessageContent m =
        rotator ? MessageCatalogue::rotatorDaemonStopped(text) : MessageCatalogue::radioDaemonStopped(text);
    if (MessageWindow *open = MessageWindow::find(m.objectName))
        open->close();
    return showRelabelled(new MessageWindow(m));
}

MessageWindow *showTurnResult(StationControl::TurnResult result)
{
    switch (result) {
    case StationControl::TurnResult::Turning:
        return nullptr;
    case StationControl::TurnResult::OtherLocatorInvalid:
        return showRelabelledMessage(MessageCatalogue::locatorInvalid());
    case StationControl::TurnResult::OwnLocatorInvalid:
        return showRelabelledMessage(MessageCatalogue::ownLocatorInvalid());
    case StationControl::TurnResult::RotatorOff:
    case StationControl::TurnResult::RotatorAway:
        // Why it is away the rotator's lamp says.
        return showRelabelledMessage(MessageCatalogue::rotatorNotConnected());
    }
    return nullptr;
}

}
