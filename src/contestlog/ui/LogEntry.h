#pragma once
#include "contestlog/BandLog.h"
#include "contestlog/LogStore.h"

#include <QObject>
#include <QPointer>

struct EntryLine;
class CallInfoController;
class LogTableModel;
struct Platform;
class QWidget;

// The log entry of the main window: saving, editing and deleting QSOs, the band view
// and its totals, the duplicate test and the call field's change handling. The
// operations keep their long-standing names and run in the order the entry line's
// behaviour depends on.
class LogEntry : public QObject
{
    Q_OBJECT
public:
    LogEntry(EntryLine &entry, CallInfoController &callInfo, LogTableModel &model, Platform &platform,
             QObject *parent = nullptr);

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

    // Band view and totals
    void LoadBandList();
    void ApplyBandMode();
    void RefreshLogView();
    void ShowQsoCount();
    void ShowNextSerial();
    void ShowPoints();
    void ShowOdx();
    void ResetEntry();
    void EnableLogCommands();
    void onBandChanged();

    // Duplicates and editing
    void CheckDuplicate();
    void ShowDuplicateMark();
    void LoadQsoForEditing();
    // The grid's current row changed by the operator (click or keyboard).
    void onGridRowPicked(int row);
    // Shows `rows` in the grid (a search result) and loads the first for editing.
    void showRowsForEditing(const QVector<QsoRow> &rows);

    // Entry field behaviour
    void onCallChanged();
    void applyReportDefaults();
    // Fills call and locator from a picked known station.
    void fillStation(const QString &call, const QString &locator);

    // The main window's start-up steps of the log (after the contest database opened).
    void startUp();
    // After the working file was replaced or reopened: the log and totals follow it.
    void onDatabaseReopened();
    // A new, empty contest replaced the working file.
    void afterNewContest();
    // A saved contest became the working file.
    void afterSavedContestOpened();

    void hideEditFields();
    void resetWithTotals();
    // Connects the grid's row changes (the view and its model must be set up).
    void connectGrid();
    const BandLog &bandLog() const { return m_band; }
    LogStore &store() { return m_store; }

private:
    enum class LocatorCheck { Ok, OtherInvalid, OwnInvalid };
    LocatorCheck ComputeQrbBearing();
    bool checkEntry(); // required fields, whole numbers, locators; shows the message when refused
    bool buildEntry(QsoEntry &e, bool editing);
    const BandLog::Totals &totals();
    void invalidateTotals() { m_totalsValid = false; }
    void reportDatabaseError(const QString &reason);
    void showMissingData();
    void onMissingDataConfirmed();
    void reloadBand();
    void bindGridToBand(bool reload = false);
    void setGridCurrentRow(int row);
    void setEditMode(bool editing);
    void selectField(class QLineEdit *field);

    EntryLine &m_entry;
    CallInfoController &m_callInfo;
    LogTableModel &m_model;
    Platform &m_platform;
    LogStore m_store;
    BandLog m_band;
    QString m_loadedBand;
    BandLog::Totals m_totals;
    bool m_totalsValid = false;
    bool m_loadingBands = false;
    bool m_settingGridRow = false;
    int m_gridRow = -1;
};
