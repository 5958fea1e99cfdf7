#pragma once
#include <QObject>
#include <QPointer>

class ContestContext;
struct Platform;
class QWidget;

// The commands of the "Podaci" menu that work on the contest file as a whole:
// "Novo  natjecanje", "Spremi natjecanje" and "Pozovi natjecanje". The main window
// owns one and refreshes itself on the signals.
class ContestFileCommands : public QObject
{
    Q_OBJECT
public:
    // `window` is the main window, parent of the file dialog. `platform` gives the
    // clock, the file dialog and the message windows; `context` the contest.
    ContestFileCommands(QWidget *window, Platform &platform, ContestContext &context, QObject *parent = nullptr);

    // "Novo  natjecanje": shows the warning Form8 without waiting and empties an open
    // contest data dialog at once. "Da" creates the new contest; "Ne" brings the stored
    // data back into the dialog.
    void newContest();
    // The "Da" answer: keeps a copy of the old contest, then starts an empty one.
    void createContestDatabase();
    // "Spremi natjecanje": the copy in BackUp, then copySaved (the progress window) or
    // the reason it failed.
    void saveContestCopy();
    // "Pozovi natjecanje": asks for a copy and makes it the working file.
    void openSavedContest();

signals:
    // The contest connection is about to close: drop every query and model on it.
    void aboutToReplaceWorkingFile();
    // A new, empty contest is open: the main window runs RefreshLogView, LoadBandList,
    // ResetEntry, ShowPoints, ShowQsoCount, ShowNextSerial, ShowOdx, EnableLogCommands.
    void newContestCreated();
    // A saved contest is the working file: RefreshLogView, ResetEntry, ShowPoints,
    // ShowQsoCount, ShowNextSerial, ShowOdx, hide Text9/Text10/Text15 and
    // Label9/Label10/Label11, focus Text2.
    void savedContestOpened();
    // The connection was reopened on the unchanged working file after a failure:
    // rebind the log view (RefreshLogView).
    void workingFileReopened();
    // The copy is in BackUp: the main window shows its progress window.
    void copySaved();

private:
    QPointer<QWidget> m_window;
    Platform &m_platform;
    ContestContext &m_context;
};
