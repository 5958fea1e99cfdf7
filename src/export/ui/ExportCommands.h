#pragma once

class QPrintPreviewDialog;
class QWidget;
class ContestContext;
class EntrySession;
struct Platform;

// The main window's export commands. Each reads the band and its totals from the
// entry session, the stored contest data, the log and the folder from `context`;
// messages and the date come from `platform`.
namespace ExportCommands {

// "Izvoz u EDI": writes log/<call>-<contest>-<band>.edi. True when the file was
// written; on failure the message window Form23 "Izvoz nije uspio." tells why on its second line.
bool exportEdi(ContestContext &context, const EntrySession &entry, Platform &platform);

// "Izvoz u ADIF": writes log/<call>-<contest>-<band>.adi. True when the file was
// written; a band without QSOs gets Form24 "Na ovom bandu nema veza.", a failure Form23.
bool exportAdif(ContestContext &context, const EntrySession &entry, Platform &platform);

// "Ispis svih veza": opens the print preview "Print all QSO's" of the band's QSOs
// (not blocking; it deletes itself when closed) and returns it. A band without QSOs
// shows nothing and returns nullptr; so does a log that cannot be read, after Form23.
QPrintPreviewDialog *printQsoList(ContestContext &context, const EntrySession &entry, Platform &platform,
                                  QWidget *parent = nullptr);

}
