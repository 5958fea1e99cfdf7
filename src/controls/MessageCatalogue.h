#pragma once
#include "platform/Messages.h"

// Every small message window of the program: objectName, texts and buttons in one
// place. The texts are the Croatian ones; the language packs relabel them by name.
// A window that reports a failure carries the reason as a value on its second line.
namespace MessageCatalogue {

MessageSpec missingData();                     // Form6: required QSO data missing
MessageSpec notFound();                        // Form7: a search or an opened copy found nothing
MessageSpec newContestWarning();               // Form8: "Da" / "Ne"
MessageSpec newContestReady();                 // Form9
MessageSpec contestOpened();                   // Form11
MessageSpec contestMissingData();              // Form13: required contest data missing
MessageSpec locatorInvalid();                  // Form17
MessageSpec ownLocatorInvalid();               // Form18
MessageSpec notWholeNumber();                  // Form19
MessageSpec qsoNotStored(const QString &reason); // Form20
MessageSpec locatorTooLong();                  // Form21
MessageSpec invalidCopyName();                 // Form22
MessageSpec exportFailed(const QString &reason); // Form23
MessageSpec emptyBand();                       // Form24
MessageSpec stationImportSummary(const QStringList &lines); // Form25: every line a count
MessageSpec settingsNotStored(const QString &reason); // Form26
MessageSpec newContestFailed(const QString &reason);  // Form27
MessageSpec copyFailed(const QString &reason);        // Form28
MessageSpec databaseCannotOpen(const QString &reason); // Form29

// Every window above, values filled with examples (for checks of the language packs).
QList<MessageSpec> all();

}
