#pragma once
#include "callinfo/ui/LogSearchTarget.h"
#include "contestlog/ui/EntryLine.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class CallInfoController;
class KeyerPanel;
class ChameleonButton;
class RadioFollower;
class StationControl;
class StationPanel;
class ContestFileCommands;
class LedClock;
class UtcClockController;
class EntrySession;
class LogEntry;
class BandLogModel;
class QGridLayout;
class QLabel;
class QMenu;
class QVBoxLayout;
class ContestContext;
struct Platform;

// The main window: entry line, band view with totals, call-sign information and the
// menus. It lays out the controls under their design names and composes the
// collaborators that own the behaviour.
class Form1 : public QMainWindow, public LogSearchTarget
{
    Q_OBJECT
public:
    // `platform` gives the clock, sound, file dialog and message windows to every
    // collaborator, `context` the contest, its data, the program folder and this PC's
    // settings; both outlive the window.
    Form1(Platform &platform, ContestContext &context, QWidget *parent = nullptr);
    ~Form1() override;

    Platform &platform() { return m_platform; }
    ContestContext &context() { return m_context; }
    EntryLine &entry() { return m_entry; }
    LogEntry &logEntry() { return *m_log; }
    CallInfoController &callInfo() { return *m_callInfo; }
    // The entry's state, figures and totals: what other windows read of the entry line.
    EntrySession &entrySession() { return *m_session; }
    BandLogModel &logModel();
    UtcClockController &clock() { return *m_clock; }
    KeyerPanel &keyer() { return *m_keyer; }
    StationControl &station() { return *m_station; }
    // Room at the top of the right column, beside the totals, for the UTC clock.
    QVBoxLayout *clockArea() const { return m_clockArea; }
    // Room in the right column under the known stations for the CW keyer panel.
    QVBoxLayout *keyerArea() const { return m_keyerArea; }
    QAction *action(const QString &objectName) const;
    QMenu *menu(const QString &objectName) const;

    // The log searches: the grid lists what they found, the first QSO loaded for editing.
    QSqlDatabase database() override;
    QString band() const override;
    void showSearchResult(const QVector<QsoRow> &rows) override;

    // Copies the captions of the hidden labels Label33..Label44 into the grid headers,
    // and of Label48, Label49 into the known-stations list's.
    void copyGridHeaders();
    // Sizes the log grid's columns to their contents and headers and shares the
    // grid's extra width among them.
    void fitLogColumns();
    // Menu "Jezik": stores the choice, relabels this window and the grid headers.
    void selectLanguage(const QString &word);

signals:
    // After the language changed: loaded windows that follow it relabel themselves.
    void languageChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildEntryLine(QGridLayout *grid);
    void buildMenus();
    void connectCommands();
    void showProgressWindow();
    void onContestSettingsStored();
    // The operator's entry preferences of brelog.ini take effect.
    void applyEntryPreferences();
    void setTabOrder();
    void installKeyPreview();
    void load();
    void openContestDatabase(const std::function<void(const QString &)> &databaseFailure);
    void closeDatabases();
    void showServerLamp(bool connected);
    void followContestData(const QString &what);
    bool switchContestDatabase(const QString &url, QString *error);
    // The radio and the rotator: the band and mode follow the radio, Ctrl+R turns the antenna.
    void connectStation();
    void applyStationSettings();
    void turnAntenna();
    void turnAntennaToBearing(double bearing);

    Platform &m_platform;
    ContestContext &m_context;
    EntryLine m_entry;
    EntrySession *m_session = nullptr;
    CallInfoController *m_callInfo = nullptr;
    LogEntry *m_log = nullptr;
    ContestFileCommands *m_files = nullptr;
    LedClock *m_ledClock = nullptr;
    QLabel *m_serverLamp = nullptr;
    UtcClockController *m_clock = nullptr;
    KeyerPanel *m_keyer = nullptr;
    QVBoxLayout *m_clockArea = nullptr;
    QVBoxLayout *m_keyerArea = nullptr;
    StationControl *m_station = nullptr;
    StationPanel *m_stationPanel = nullptr;
    ChameleonButton *m_turnButton = nullptr; // "Okreni antenu" beside the bearing
    std::unique_ptr<RadioFollower> m_radioFollower;
    QList<QLabel *> m_headerLabels;
    QList<QLabel *> m_stationHeaderLabels;
    bool m_closing = false;
};
