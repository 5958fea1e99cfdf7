#include "station/ui/StationMessages.h"

#include "controls/MessageCatalogue.h"
#include "platform/Messages.h"

namespace StationMessages {

void showDaemonFailure(Messages &messages, bool rotator, const QString &text)
{
    messages.show(rotator ? MessageCatalogue::rotatorDaemonStopped(text) : MessageCatalogue::radioDaemonStopped(text));
}

void showTurnResult(Messages &messages, StationControl::TurnResult result)
{
    switch (result) {
    case StationControl::TurnResult::Turning:
        return;
    case StationControl::TurnResult::OtherLocatorInvalid:
        messages.show(MessageCatalogue::locatorInvalid());
        return;
    case StationControl::TurnResult::OwnLocatorInvalid:
        messages.show(MessageCatalogue::ownLocatorInvalid());
        return;
    case StationControl::TurnResult::RotatorOff:
    case StationControl::TurnResult::RotatorAway:
        // Why it is away the rotator's lamp says.
        messages.show(MessageCatalogue::rotatorNotConnected());
        return;
    }
}

}
