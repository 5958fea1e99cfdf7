#pragma once
#include "platform/Messages.h"

// Every small message window of the program: objectName, texts and buttons in one
// place. The texts are the Croatian ones; the language packs relabel them by name.
// A window that reports a failure carries the reason as a value on its second line.
namespace MessageCatalogue {

MessageContent missingData(const QStringList &fields = {}); // Form6: required QSO data missing, naming them
MessageContent notFound();                        // Form7: a search or an opened copy found nothing
MessageContent newContestWarning();               // Form8: "Da" / "Ne"
MessageContent newContestReady();                 // Form9
MessageContent contestOpened();                   // Form11
MessageContent contestMissingData();              // Form13: required contest data missing
MessageContent locatorInvalid();                  // Form17
MessageContent ownLocatorInvalid();               // Form18
MessageContent notWholeNumber();                  // Form19
MessageContent qsoNotStored(const QString &reason); // Form20
MessageContent locatorTooLong();                  // Form21
MessageContent invalidCopyName();                 // Form22
MessageContent exportFailed(const QString &reason); // Form23
MessageContent emptyBand();                       // Form24
MessageContent stationImportSummary(const QStringList &lines); // Form25: every line a count
MessageContent settingsNotStored(const QString &reason); // Form26
MessageContent newContestFailed(const QString &reason);  // Form27
MessageContent copyFailed(const QString &reason);        // Form28
MessageContent databaseCannotOpen(const QString &reason); // Form29
MessageContent contestNotOpened(const QString &reason);   // Form40: "Pozovi natjecanje" failed
MessageContent logCannotBeRead(const QString &reason);    // Form41
MessageContent folderUnusable(const QString &reason);     // Form42: the program folder cannot be used
MessageContent languageNotStored(const QString &reason);  // Form43
MessageContent contestReadOnly(const QString &reason);    // Form44: contest.mdb cannot be changed
MessageContent entryPreferencesNotStored(const QString &file); // Form35: the value line names the file
MessageContent pictureSaved(const QString &path);         // Form45: the value line is the picture's path
MessageContent pictureNotSaved(const QString &reason);    // Form46
MessageContent qsosCannotBeRead(const QString &reason);   // Form47: the statistics window's read failed
MessageContent cwPortCannotOpen(const QString &reason);   // Form48: the value line names port and reason
MessageContent noMemoryToEdit();                          // Form49
MessageContent memoryNotStored(const QString &reason);    // Form50
MessageContent radioDaemonStopped(const QString &reason); // Form51: rigctld ended
MessageContent rotatorDaemonStopped(const QString &reason); // Form52: rotctld ended
MessageContent rotatorNotConnected();                     // Form53
MessageContent stationSettingsNotStored(const QString &reason); // Form54
MessageContent serverNotReached(const QString &reason);   // Form55: the contest database server
MessageContent serverReached();                           // Form56

// Every window above, values filled with examples (for checks of the language packs).
QList<MessageContent> all();

}
