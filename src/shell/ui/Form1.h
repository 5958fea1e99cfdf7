#pragma once
#include "callinfo/ui/LogSearchTarget.h"
#include "contestlog/ui/EntryLine.h"

#include <QMainWindow>

class CallInfoController;
class ContestFileCommands;
class LedClock;
class UtcClockController;
class LogEntry;
class LogTableModel;
class QGridLayout;
class QLabel;
class QMenu;
class QVBoxLayout;
struct Platform;

// The main window: entry line, band view with totals, call-sign information and the
// menus. It lays out the controls under their design names and composes the
// collaborators that own the behaviour.
class Form1 : public QMainWindow, public LogSearchTarget
{
    Q_OBJECT
public:
    // `platform` gives the clock, sound, file dialog and message windows to every
    // collaborator; it outlives the window.
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    Platform &platform() { return m_platform; }
    EntryLine &entry() { return m_entry; }
    LogEntry &logEntry() { return *m_log; }
    CallInfoController &callInfo() { return *m_callInfo; }
    LogTableModel &logModel() { return *m_model; }
    UtcClockController &clock() { return *m_clock; }
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
    void setTabOrder();
    void installKeyPreview();
    void load();
    void closeDatabases();

    Platform &m_platform;
    EntryLine m_entry;
    LogTableModel *m_model = nullptr;
    CallInfoController *m_callInfo = nullptr;
    LogEntry *m_log = nullptr;
    ContestFileCommands *m_files = nullptr;
    LedClock *m_ledClock = nullptr;
    UtcClockController *m_clock = nullptr;
    QVBoxLayout *m_clockArea = nullptr;
    QVBoxLayout *m_keyerArea = nullptr;
    QList<QLabel *> m_headerLabels;
    QList<QLabel *> m_stationHeaderLabels;
    bool m_closing = false;
};
