#pragma once
#include "station/StationControl.h"

class Messages;

// The short messages of the radio and rotator.
namespace StationMessages {
// Form51 (radio) / Form52 (rotator): the daemon Brelog started ended; `text` is its reason.
void showDaemonFailure(Messages &messages, bool rotator, const QString &text);
// Ctrl+R or a turn button that did not turn: the locator messages of the QSO entry
// (Form17, Form18), Form53 with the rotator off or away.
// Nothing for a turn under way.
void showTurnResult(Messages &messages, StationControl::TurnResult result);
}
