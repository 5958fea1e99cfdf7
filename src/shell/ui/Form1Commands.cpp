// The main window's menu commands that open the other windows and tools.
#include "shell/ui/Form1.h"

#include "callinfo/ui/CallInfoController.h"
#include "callinfo/ui/LogSearchWindow.h"
#include "callinfo/ui/StationImportCommand.h"
#include "contest/ui/ContestDataDialog.h"
#include "contest/ui/ContestFileCommands.h"
#include "contestlog/ContestSession.h"
#include "contestlog/ui/LogEntry.h"
#include "export/ui/ExportCommands.h"
#include "geo/ui/LocatorCalculator.h"
#include "i18n/ui/LanguageApplier.h"
#include "controls/ui/ProgressWindow.h"
#include "platform/Platform.h"
#include "shell/ui/AboutWindow.h"
#include "shell/ui/FrequencyListWindow.h"
#include "shell/ui/HelpWindow.h"

#include <QAction>

void Form1::connectCommands()
{
    auto on = [this](const char *name, auto &&slot) {
        QAction *a = action(QString::fromLatin1(name));
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, slot);
    };
    on("lokkalk", [this] { LocatorCalculator::open(m_platform.messages, this); });
    on("frekv", [this] { FrequencyListWindow::open(this); });
    on("pomoc", [this] { ShowHelp(this); });
    on("oprogramceku", [this] { AboutWindow::open(this); });
    const std::pair<const char *, const char *> languages[] = {
        {"hrvat", "hrvatski"}, {"eng", "engleski"}, {"polski", "polski"}, {"slovakian", "slovacki"}};
    for (const auto &[item, word] : languages)
        on(item, [this, w = QString::fromLatin1(word)] { selectLanguage(w); });

    on("uvozstanica", [this] { StationImportCommand(*m_callInfo, m_platform, this).run(); });
    // The searches follow the band's contents (EnableLogCommands).
    connect(m_entry.pozivniznaktrazi, &QAction::triggered, this,
            [this] { LogSearchWindow::open(LogSearchWindow::Kind::ByCall, *this, m_platform.messages, this); });
    connect(m_entry.trazipolok, &QAction::triggered, this,
            [this] { LogSearchWindow::open(LogSearchWindow::Kind::ByLocator, *this, m_platform.messages, this); });

    // Contest data and the contest as a whole.
    on("osobnepostavke", [this] {
        ContestDataDialog *d = ContestDataDialog::showDialog(m_platform, this);
        connect(d, &ContestDataDialog::settingsStored, this, &Form1::onContestSettingsStored, Qt::UniqueConnection);
    });
    m_files = new ContestFileCommands(this, m_platform, this);
    connect(m_files, &ContestFileCommands::copySaved, this, &Form1::showProgressWindow);
    on("kreiranje", [this] { m_files->newContest(); });
    on("sprembaze", [this] { m_files->saveContestCopy(); });
    on("pozivanjebaze", [this] { m_files->openSavedContest(); });
    connect(m_files, &ContestFileCommands::newContestCreated, m_log, &LogEntry::afterNewContest);
    connect(m_files, &ContestFileCommands::savedContestOpened, m_log, &LogEntry::afterSavedContestOpened);
    connect(m_files, &ContestFileCommands::workingFileReopened, m_log, &LogEntry::RefreshLogView);

    // The export commands follow the band's contents (EnableLogCommands).
    auto export_ = [this](QAction *a, auto &&slot) { connect(a, &QAction::triggered, this, slot); };
    export_(m_entry.edi, [this] {
        if (ExportCommands::exportEdi(m_entry, m_platform))
            showProgressWindow();
    });
    export_(m_entry.izuadi, [this] {
        if (ExportCommands::exportAdif(m_entry, m_platform))
            showProgressWindow();
    });
    export_(m_entry.issvihveza, [this] { ExportCommands::printQsoList(m_entry, m_platform, this); });
}

void Form1::selectLanguage(const QString &word)
{
    if (!SelectLanguage(word, this))
        return;
    emit languageChanged();
    copyGridHeaders();
}

void Form1::showProgressWindow()
{
    ProgressWindow::showProgress(this);
}

void Form1::onContestSettingsStored()
{
    m_log->LoadBandList();
    m_log->RefreshLogView();
    update();
}

QSqlDatabase Form1::database()
{
    return ContestSession::instance().database();
}

QString Form1::band() const
{
    return m_entry.band();
}

void Form1::showSearchResult(const QVector<QsoRow> &rows)
{
    m_log->showRowsForEditing(rows);
}
