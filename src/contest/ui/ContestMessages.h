#pragma once
#include <QString>

class MessageWindow;

// The message windows of the contest data dialog and the contest file commands.
namespace ContestMessages {

// Form13: required contest data are missing.
MessageWindow *showMissingData();
// A failure with its reason on a second line (Label2). An open window of that name is
// replaced, so the reason shown is always the latest one.
MessageWindow *showFailure(const QString &objectName, const QString &text, const QString &reason);

// Texts of the failure windows.
inline constexpr const char *SettingsNotStored = "Podaci o natjecanju nisu spremljeni: greška baze podataka.";
inline constexpr const char *NewContestFailed = "Novo natjecanje nije otvoreno; staro natjecanje je ostalo.";
inline constexpr const char *CopyFailed = "Kopija natjecanja nije spremljena.";
inline constexpr const char *OpenFailed = "Natjecanje nije pozvano; radno natjecanje je ostalo.";

}
