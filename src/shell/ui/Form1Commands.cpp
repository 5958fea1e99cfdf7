// The main window's menu commands that open the other windows and tools.
#include "shell/ui/Form1.h"

#include "callinfo/ui/CallInfoController.h"
#include "callinfo/ui/MsBox.h"
#include "callinfo/ui/StationImportCommand.h"
#include "contest/ui/ContestFileCommands.h"
#include "contestlog/ContestSession.h"
#include "contest/ui/Form2.h"
#include "contestlog/ui/LogEntry.h"
#include "export/ui/ExportCommands.h"
#include "geo/ui/Form14.h"
#include "i18n/ui/LanguageApplier.h"
#include "shell/ui/Form4.h"
#include "shell/ui/Form5.h"
#include "shell/ui/FrmSplash1.h"
#include "shell/ui/HelpWindow.h"
#include "station/StationControl.h"
#include "station/ui/FormRadio.h"
#include "station/ui/StationMessages.h"

#include <QAction>

void Form1::connectCommands()
{
    auto on = [this](const char *name, auto &&slot) {
        QAction *a = action(QString::fromLatin1(name));
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, slot);
    };
    on("lokkalk", [this] {
        Form14 *calculator = Form14::open(this);
        calculator->setTurnAntennaAvailable(m_station->rotator().isEnabled());
        connect(calculator, &Form14::turnAntennaRequested, this, &Form1::turnAntennaToBearing, Qt::UniqueConnection);
    });
    on("radiorotator", [this] {
        connect(FormRadio::open(this), &FormRadio::settingsSaved, this, &Form1::applyStationSettings,
                Qt::UniqueConnection);
    });
    on("frekv", [this] { Form5::open(this); });
    on("pomoc", [this] { ShowHelp(this); });
    on("oprogramceku", [this] { Form4::open(this); });
    const std::pair<const char *, const char *> languages[] = {
        {"hrvat", "hrvatski"}, {"eng", "engleski"}, {"polski", "polski"}, {"slovakian", "slovacki"}};
    for (const auto &[item, word] : languages)
        on(item, [this, w = QString::fromLatin1(word)] { selectLanguage(w); });

    on("uvozstanica", [this] { StationImportCommand(*m_callInfo, this).run(); });
    // The searches follow the band's contents (EnableLogCommands).
    connect(m_entry.pozivniznaktrazi, &QAction::triggered, this,
            [this] { MsBox::open(MsBox::Kind::ByCall, *this, this); });
    connect(m_entry.trazipolok, &QAction::triggered, this,
            [this] { MsBox::open(MsBox::Kind::ByLocator, *this, this); });

    // Contest data and the contest as a whole.
    on("osobnepostavke", [this] {
        Form2 *d = Form2::showDialog(this);
        connect(d, &Form2::settingsStored, this, &Form1::onContestSettingsStored, Qt::UniqueConnection);
    });
    m_files = new ContestFileCommands(this, this);
    on("kreiranje", [this] { m_files->newContest(); });
    on("sprembaze", [this] { m_files->saveContestCopy(); });
    on("pozivanjebaze", [this] { m_files->openSavedContest(); });
    connect(m_files, &ContestFileCommands::newContestCreated, m_log, &LogEntry::afterNewContest);
    connect(m_files, &ContestFileCommands::savedContestOpened, m_log, &LogEntry::afterSavedContestOpened);
    connect(m_files, &ContestFileCommands::workingFileReopened, m_log, &LogEntry::RefreshLogView);

    // The export commands follow the band's contents (EnableLogCommands).
    auto export_ = [this](QAction *a, auto &&slot) { connect(a, &QAction::triggered, this, slot); };
    export_(m_entry.edi, [this] {
        if (ExportCommands::exportEdi(m_entry))
            showProgressWindow();
    });
    export_(m_entry.izuadi, [this] {
        if (ExportCommands::exportAdif(m_entry))
            showProgressWindow();
    });
    export_(m_entry.issvihveza, [this] { ExportCommands::printQsoList(m_entry, this); });
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
    FrmSplash1::showProgress(this);
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
