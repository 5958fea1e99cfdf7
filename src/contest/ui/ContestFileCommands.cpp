#include "contest/ui/ContestFileCommands.h"

#include "contest/ContestContext.h"
#include "contest/ContestFiles.h"
#include "contest/ui/ContestDataDialog.h"
#include "controls/MessageCatalogue.h"
#include "platform/FileChooser.h"
#include "platform/Platform.h"

ContestFileCommands::ContestFileCommands(QWidget *window, Platform &platform, ContestContext &context,
                                         QObject *parent)
    : QObject(parent), m_window(window), m_platform(platform), m_context(context)
{
}

void ContestFileCommands::newContest()
{
    m_platform.messages.show(MessageCatalogue::newContestWarning(), this, [this](const QString &button) {
        if (button == QLatin1String("chameleonButton1")) {
            createContestDatabase();
        } else {
            // "Ne" changes nothing: the emptied dialog gives way to the stored data.
            m_context.contestData().reload();
        }
    });
    ContestDataDialog::ClearContestDialog();
}

void ContestFileCommands::createContestDatabase()
{
    bool closed = false;
    const ContestFiles::NewContestResult r =
        ContestFiles::createContestDatabase(m_context.session(), m_platform.clock, [this, &closed] {
            closed = true;
            emit aboutToReplaceWorkingFile();
        });
    if (!r.ok) {
        m_platform.messages.show(MessageCatalogue::newContestFailed(r.error));
        if (closed)
            emit workingFileReopened();
        return;
    }
    m_platform.messages.show(MessageCatalogue::newContestReady());
    // The bands of the old contest are gone with it: the first band saved from now on
    // is the one the main window selects.
    m_context.contestData().resetForNewContest();
    emit newContestCreated();
}

void ContestFileCommands::saveContestCopy()
{
    QString error;
    const QString name = m_context.contestData().settings().nazivNatjecanja;
    switch (ContestFiles::saveContestCopy(m_context.session(), name, &error)) {
    case ContestFiles::CopyResult::Saved:
        emit copySaved();
        break;
    case ContestFiles::CopyResult::InvalidName:
        m_platform.messages.show(MessageCatalogue::invalidCopyName());
        break;
    case ContestFiles::CopyResult::Failed:
        m_platform.messages.show(MessageCatalogue::copyFailed(error));
        break;
    }
}

void ContestFileCommands::openSavedContest()
{
    const QString chosen =
        m_platform.files.openFile(m_window, QStringLiteral("Pozovi natjecanje"),
                                  ContestFiles::backupFolder(m_context.session()) + QLatin1Char('/'),
                                  QStringLiteral("*.mdb"));
    bool closed = false;
    const ContestFiles::OpenResult r =
        ContestFiles::openSavedContest(m_context.session(), m_platform.clock, chosen, [this, &closed] {
            closed = true;
            emit aboutToReplaceWorkingFile();
        });
    if (!r.ok) {
        // Nothing chosen is answered with "Nije pronađeno"; a file that could not be
        // opened gets its reason.
        if (chosen.isEmpty())
            m_platform.messages.show(MessageCatalogue::notFound());
        else
            m_platform.messages.show(MessageCatalogue::contestNotOpened(r.error));
        if (closed || r.reopened)
            emit workingFileReopened();
        return;
    }
    m_platform.messages.show(MessageCatalogue::contestOpened());
    // The own locator and the other contest data now come from the opened contest.
    m_context.contestData().reload();
    emit savedContestOpened();
}
