#include "contest/ui/ContestFileCommands.h"

#include "contest/ContestFiles.h"
#include "contest/ContestSession.h"
#include "contest/ContestSettingsStore.h"
#include "contest/ui/ContestMessages.h"
#include "contest/ui/Form2.h"
#include "shell/ui/FrmSplash1.h"
#include "shell/ui/MessageWindow.h"

#include <QDir>
#include <QFileDialog>

ContestFileCommands::OpenFileDialog ContestFileCommands::openFileDialog;

ContestFileCommands::ContestFileCommands(QWidget *window, QObject *parent) : QObject(parent), m_window(window) {}

MessageWindow *ContestFileCommands::newContest()
{
    MessageWindow *warning = MessageWindow::find(QStringLiteral("Form8"));
    if (warning) {
        warning->raise();
    } else {
        warning = new MessageWindow(
            QStringLiteral("Form8"),
            {QStringLiteral("UPOZORENJE:"),
             QStringLiteral("Sa ovim procesom ćete obrisati staro natjecanje. Napravite prije BACKUP staroga "
                            "natjecanja."),
             QStringLiteral("Želite li svejedno nastaviti?")},
            {{QStringLiteral("chameleonButton1"), QStringLiteral("Da")},
             {QStringLiteral("chameleonButton2"), QStringLiteral("Ne")}},
            {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3")});
        connect(warning, &MessageWindow::buttonClicked, this, [this](const QString &button) {
            if (button == QLatin1String("chameleonButton1")) {
                createContestDatabase();
            } else {
                // "Ne" changes nothing: the emptied contest data give way to the stored ones.
                ContestSettingsStore &store = ContestSettingsStore::instance();
                if (store.isLoaded())
                    store.reload();
            }
        });
        MessageWindow::showWindow(warning);
    }
    Form2::ClearContestDialog();
    return warning;
}

void ContestFileCommands::createContestDatabase()
{
    bool closed = false;
    const ContestFiles::NewContestResult r = ContestFiles::createContestDatabase([this, &closed] {
        closed = true;
        emit aboutToReplaceWorkingFile();
    });
    if (!r.ok) {
        ContestMessages::showFailure(QStringLiteral("Form27"), QString::fromUtf8(ContestMessages::NewContestFailed),
                                     r.error);
        if (closed)
            emit workingFileReopened();
        return;
    }
    MessageWindow::showMessage(QStringLiteral("Form9"), QStringLiteral("Novo natjecanje je otvoreno"));
    ContestSettingsStore &store = ContestSettingsStore::instance();
    if (store.isLoaded()) {
        // The bands of the old contest are gone with it: the first band saved from now
        // on is the one the main window selects.
        store.settings().bandList.clear();
        ContestSettingsTable::load(ContestSession::instance().database(), store.settings());
    }
    emit newContestCreated();
}

void ContestFileCommands::saveContestCopy()
{
    QString error;
    const QString name = ContestSettingsStore::instance().settings().nazivNatjecanja;
    switch (ContestFiles::saveContestCopy(name, &error)) {
    case ContestFiles::CopyResult::Saved:
        FrmSplash1::showProgress(m_window);
        break;
    case ContestFiles::CopyResult::InvalidName:
        MessageWindow::showMessage(
            QStringLiteral("Form22"),
            QStringLiteral("Naziv natjecanja nije ispravan naziv datoteke. Kopija nije spremljena."));
        break;
    case ContestFiles::CopyResult::Failed:
        ContestMessages::showFailure(QStringLiteral("Form28"), QString::fromUtf8(ContestMessages::CopyFailed), error);
        break;
    }
}

void ContestFileCommands::openSavedContest()
{
    const QString folder = ContestFiles::backupFolder() + QLatin1Char('/');
    const QString caption = QStringLiteral("Pozovi natjecanje");
    const QString filter = QStringLiteral("*.mdb");
    const QString chosen = openFileDialog ? openFileDialog(m_window, caption, folder, filter)
                                          : QFileDialog::getOpenFileName(m_window, caption, folder, filter);
    bool closed = false;
    const ContestFiles::OpenResult r = ContestFiles::openSavedContest(chosen, [this, &closed] {
        closed = true;
        emit aboutToReplaceWorkingFile();
    });
    if (!r.ok) {
        // Nothing chosen is what the design answers with "Nije pronađeno"; a file that
        // could not be opened gets its reason.
        if (chosen.isEmpty())
            MessageWindow::showMessage(QStringLiteral("Form7"), QStringLiteral("Nije pronađeno"));
        else
            ContestMessages::showFailure(QStringLiteral("Form40"), QString::fromUtf8(ContestMessages::OpenFailed),
                                         r.error);
        if (closed || r.reopened)
            emit workingFileReopened();
        return;
    }
    MessageWindow::showMessage(QStringLiteral("Form11"), QStringLiteral("Natjecanje je pozvano"));
    // The own locator and the other contest data now come from the opened contest.
    ContestSettingsStore &store = ContestSettingsStore::instance();
    if (store.isLoaded())
        store.reload();
    emit savedContestOpened();
}
