#include "station/ui/StationMessages.h"

#include "controls/ui/MessageWindow.h"
#include "i18n/ui/MessageWindows.h"

namespace StationMessages {

const QString RotatorNotConnected = QStringLiteral("Rotator nije spojen (Postavke: Radio i rotator).");

MessageWindow *showDaemonFailure(bool rotator, const QString &text)
{
    const QString name = rotator ? QStringLiteral("Form52") : QStringLiteral("Form51");
    const QString first = rotator ? QStringLiteral("rotctld se zaustavio. Rotator nije spojen.")
                                  : QStringLiteral("rigctld se zaustavio. Radio nije spojen.");
    if (MessageWindow *open = MessageWindow::find(name))
        open->close();
    return showRelabelled(
        new MessageWindow(name, {first, text}, {{QStringLiteral("chameleonButton1"), QStringLiteral("U redu")}}));
}

MessageWindow *showTurnResult(StationControl::TurnResult result)
{
    switch (result) {
    case StationControl::TurnResult::Turning:
        return nullptr;
    case StationControl::TurnResult::OtherLocatorInvalid:
        return showRelabelledMessage(QStringLiteral("Form17"),
                                          QStringLiteral("Neispravan lokator. Upišite ispravan lokator (npr. JN85AB)."));
    case StationControl::TurnResult::OwnLocatorInvalid:
        return showRelabelledMessage(
            QStringLiteral("Form18"), QStringLiteral("Vlastiti lokator nije ispravan. Upišite ga u Postavke natjecanja."));
    case StationControl::TurnResult::RotatorOff:
    case StationControl::TurnResult::RotatorAway:
        // Why it is away the rotator's lamp says.
        return showRelabelledMessage(QStringLiteral("Form53"), RotatorNotConnected);
    }
    return nullptr;
}

}
