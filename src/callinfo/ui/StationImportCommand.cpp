#include "callinfo/ui/StationImportCommand.h"

#include "callinfo/ui/CallInfoController.h"
#include "shell/ui/MessageWindow.h"

#include <QFileDialog>

namespace {

StationImportCommand::FileChooser &chooser()
{
    static StationImportCommand::FileChooser c;
    return c;
}

QStringList chooseWithDialog(QWidget *parent)
{
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Uvoz poznatih stanica iz EDI datoteka"), QString(),
                                         QStringLiteral("EDI (*.edi *.EDI);;* (*)"));
}

}

StationImportCommand::StationImportCommand(CallInfoController &callInfo, QWidget *parentWindow, QObject *parent)
    : QObject(parent), m_callInfo(callInfo), m_parentWindow(parentWindow)
{
}

void StationImportCommand::setFileChooser(FileChooser c)
{
    chooser() = std::move(c);
}

EdiStationImport::Summary StationImportCommand::run()
{
    const QStringList files = chooser() ? chooser()(m_parentWindow) : chooseWithDialog(m_parentWindow);
    if (files.isEmpty())
        return {};
    const EdiStationImport::Summary s = EdiStationImport::importLogs(files, m_callInfo.knownStations());
    m_callInfo.refreshKnownStations();
    if (MessageWindow *open = MessageWindow::find(QStringLiteral("Form25")))
        open->close();
    MessageWindow::showWindow(new MessageWindow(QStringLiteral("Form25"), EdiStationImport::summaryLines(s),
                                                {{QStringLiteral("chameleonButton1"), QStringLiteral("U redu")}}));
    return s;
}
