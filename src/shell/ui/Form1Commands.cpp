// The main window's menu commands that open the other windows and tools.
#include "shell/ui/Form1.h"

#include "callinfo/ui/CallInfoController.h"
#include "callinfo/ui/LogSearchWindow.h"
#include "callinfo/ui/StationImportCommand.h"
#include "contest/BandLabels.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestContext.h"
#include "contest/ui/ContestDataDialog.h"
#include "contest/ui/ContestFileCommands.h"
#include "contest/ui/FormServer.h"
#include "contestlog/EntryPreferences.h"
#include "contestlog/EntrySession.h"
#include "contestlog/ui/EntryPreferencesWindow.h"
#include "controls/MessageCatalogue.h"
#include "contestlog/ui/LogEntry.h"
#include "cw/ui/Form16.h"
#include "export/ui/ExportCommands.h"
#include "geo/ui/LocatorCalculator.h"
#include "i18n/ui/LanguageApplier.h"
#include "controls/ui/ProgressWindow.h"
#include "platform/Platform.h"
#include "shell/ui/AboutWindow.h"
#include "shell/ui/FrequencyListWindow.h"
#include "shell/ui/HelpWindow.h"
#include "stats/ui/Form3.h"
#include "station/StationControl.h"
#include "station/ui/FormRadio.h"
#include "station/ui/StationMessages.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void Form1::connectCommands()
{
    auto on = [this](const char *name, auto &&slot) {
        QAction *a = action(QString::fromLatin1(name));
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, slot);
    };
    on("lokkalk", [this] {
        LocatorCalculator *calculator = LocatorCalculator::open(m_platform.messages, this);
        calculator->setTurnAntennaAvailable(m_station->rotator().isEnabled());
        connect(calculator, &LocatorCalculator::turnAntennaRequested, this, &Form1::turnAntennaToBearing,
                Qt::UniqueConnection);
    });
    on("radiorotator", [this] {
        connect(FormRadio::open(m_context.settings(), m_platform.messages, this), &FormRadio::settingsSaved, this,
                &Form1::applyStationSettings,
                Qt::UniqueConnection);
    });
    on("frekv", [this] { FrequencyListWindow::open(this); });
    on("cwiinterface", [this] { Form16::open(this); });
    on("pomoc", [this] { ShowHelp(m_context.folder(), this); });
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

    on("programpostavke", [this] {
        EntryPreferencesWindow *w = EntryPreferencesWindow::open(m_context.settings(), m_platform.messages, this);
        connect(w, &EntryPreferencesWindow::stored, this, &Form1::applyEntryPreferences, Qt::UniqueConnection);
    });

    // Contest data and the contest as a whole.
    on("osobnepostavke", [this] {
        ContestDataDialog *d = ContestDataDialog::showDialog(m_platform, m_context, this);
        connect(d, &ContestDataDialog::settingsStored, this, &Form1::onContestSettingsStored, Qt::UniqueConnection);
    });
    on("bazanatjecanja", [this] {
        FormServer::open(
            m_context, [this](const QString &url, QString *error) { return switchContestDatabase(url, error); },
            m_platform.messages, this);
    });
    connect(&m_context.session(), &ContestSession::changedElsewhere, this, &Form1::followContestData);
    m_files = new ContestFileCommands(this, m_platform, m_context, this);
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
        if (ExportCommands::exportEdi(m_context, *m_session, m_platform))
            showProgressWindow();
    });
    export_(m_entry.izuadi, [this] {
        if (ExportCommands::exportAdif(m_context, *m_session, m_platform))
            showProgressWindow();
    });
    export_(m_entry.issvihveza, [this] { ExportCommands::printQsoList(m_context, *m_session, m_platform, this); });
    // The statistics follow the band's contents (EnableLogCommands) and read the band
    // and the totals the entry session keeps.
    connect(m_entry.stati, &QAction::triggered, this, [this] {
        const BandTotals &t = m_session->totals();
        Form3::open(this, m_context,
                    {[this] { return m_session->band(); },
                     {QString::number(t.count), QString::number(t.odx), QString::number(t.points)}},
                    m_platform.messages);
    });
}

void Form1::selectLanguage(const QString &word)
{
    QString storeError;
    if (!SelectLanguage(word, this, &storeError))
        return;
    if (!storeError.isEmpty())
        m_platform.messages.show(MessageCatalogue::languageNotStored(storeError));
    emit languageChanged();
    copyGridHeaders();
}

void Form1::applyEntryPreferences()
{
    m_log->setFocusCallAfterSave(m_context.settings().read<EntryPreferences>().focusCallAfterSave);
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

void Form1::followContestData(const QString &what)
{
    if (what != ContestDatabase::settingsChanged() && what != ContestDatabase::everythingChanged())
        return;
    // Contest data written on another PC score this PC's next QSO; an open contest data
    // dialog keeps what the operator is typing in its draft.
    m_context.contestData().reload();
    // Bands added or removed there are listed here once the entry line is empty, and
    // the band shown stays shown while it exists.
    QStringList stored, listed, labels;
    if (!ContestDatabase::storedBands(m_context.database(), stored))
        return;
    for (const QString &b : stored)
        if (BandLabels::number(b.trimmed()) > 0)
            labels << b.trimmed();
    for (int i = 0; i < m_entry.Combo2->count(); ++i)
        listed << m_entry.Combo2->itemText(i);
    const bool idle = m_session->mode() == EntrySession::Mode::New && m_entry.Text2->text().isEmpty();
    if (labels == listed || !(idle || listed.isEmpty()))
        return;
    const QString shown = m_entry.band();
    m_log->LoadBandList();
    const int keep = m_entry.Combo2->findText(shown);
    if (keep >= 0 && keep != m_entry.Combo2->currentIndex())
        m_entry.Combo2->setCurrentIndex(keep); // the band change refreshes the view
    else
        m_log->RefreshLogView();
}

void Form1::showServerLamp(bool connected)
{
    ContestSession &session = m_context.session();
    m_serverLamp->setVisible(session.usesServer());
    m_serverLamp->setStyleSheet(connected ? QStringLiteral("QLabel { background: #2e9a3c; color: white; }")
                                          : QStringLiteral("QLabel { background: #c62828; color: white; }"));
    m_serverLamp->setToolTip(ContestDatabase::displayUrl(session.serverUrl()));
}

bool Form1::switchContestDatabase(const QString &url, QString *error)
{
    ContestSession &session = m_context.session();
    const QString previous = session.serverUrl();
    session.setServerUrl(url);
    const bool switched = session.open(error);
    if (switched) {
        m_context.contestData().reload();
    } else {
        // The place used before stays in use.
        session.setServerUrl(previous);
        session.open();
    }
    m_log->afterSavedContestOpened();
    showServerLamp(session.isConnected());
    return switched;
}

QSqlDatabase Form1::database()
{
    return m_context.database();
}

QString Form1::band() const
{
    return m_entry.band();
}

void Form1::showSearchResult(const QVector<QsoRow> &rows)
{
    m_log->showRowsForEditing(rows);
}
