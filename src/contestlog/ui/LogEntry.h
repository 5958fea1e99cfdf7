#pragma once
#include "contestlog/EntrySession.h"

#include <QObject>

struct EntryLine;
class QLineEdit;
class ContestContext;
struct Platform;
class QWidget;

// The main window's entry line bound to its entry session: the fields follow the
// session's draft and figures, the operator's typing goes into the session, and the
// outcome of a save, update or delete shows as message windows, focus and
// visible controls. The rules themselves live in the session.
class LogEntry : public QObject
{
    Q_OBJECT
public:
    LogEntry(EntryLine &entry, EntrySession &session, ContestContext &context, Platform &platform,
             QObject *parent = nullptr);

    EntrySession &session() { return m_session; }
    LogStore &store() { return m_session.store(); }

    // QSO commands
    void SaveQso();
    void UpdateQso();
    void DeleteQso();
    void CancelEntry();
    // The button and menu actions: the operation and the steps that follow it.
    void spremiAction();
    void izmjeniAction();
    void brisiAction();
    void odustaniAction();
    // Enter in an entry field: save in new-QSO mode, update in edit mode.
    void enterAction();

    // Band view
    void LoadBandList();
    void RefreshLogView();
    void EnableLogCommands();
    void onBandChanged();

    // The grid's current row changed by the operator (click or keyboard).
    void onGridRowPicked(int row);
    // Shows `rows` in the grid (a search result) and loads the first for editing.
    void showRowsForEditing(const QVector<QsoRow> &rows);

    void onCallChanged();
    void applyReportDefaults();
    // Fills call and locator from a picked known station.
    void fillStation(const QString &call, const QString &locator);
    // The known station whose call is exactly the call typed (locator empty: none):
    // its locator goes into the locator field while that holds only the prefilled
    // letters or a locator filled in this way.
    void offerLocator(const QString &call, const QString &locator);
    // After a save or update the focus goes into the call field instead of staying.
    void setFocusCallAfterSave(bool on) { m_focusCallAfterSave = on; }

    // The main window's start-up steps of the log (after the contest database opened).
    void startUp();
    // After the working file was replaced or reopened: the log and totals follow it.
    void onDatabaseReopened();
    // Another PC changed the band `what` (or the whole contest) on the shared database.
    void onChangedElsewhere(const QString &what);
    // A new, empty contest replaced the working file.
    void afterNewContest();
    // A saved contest became the working file.
    void afterSavedContestOpened();

    void hideEditFields() { showEditFields(false); }
    // Connects the grid's row changes (the view and its model must be set up).
    void connectGrid();

private:
    // The figures shown only while editing (QRB, bearing, duplicate mark and their captions).
    void showEditFields(bool shown);
    void bindFields();
    void pullDraft();
    void pushDraft();
    void pushFigures();
    void showTotals();
    void onEntryReset();
    bool handleOutcome(const EntrySession::Outcome &o);
    void showMissingData(const QList<EntrySession::Field> &fields);
    void reportReadError(const QString &reason);
    void reportDatabaseError(const QString &reason);
    QLineEdit *field(EntrySession::Field f) const;
    void setGridCurrentRow(int row);
    void setEditMode(bool editing);
    void selectField(QLineEdit *field);
    void focusAfterSave();

    EntryLine &m_entry;
    EntrySession &m_session;
    ContestContext &m_context;
    Platform &m_platform;
    bool m_pushing = false;
    bool m_loadingBands = false;
    bool m_settingGridRow = false;
    bool m_focusCallAfterSave = false;
    QString m_autoLocator; // the locator filled in from a known station, until typed over
};
