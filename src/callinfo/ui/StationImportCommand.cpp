#include "callinfo/ui/StationImportCommand.h"

#include "callinfo/ui/CallInfoController.h"
#include "controls/MessageCatalogue.h"
#include "platform/FileChooser.h"
#include "platform/Platform.h"

StationImportCommand::StationImportCommand(CallInfoController &callInfo, Platform &platform, QWidget *parentWindow,
                                           QObject *parent)
    : QObject(parent), m_callInfo(callInfo), m_platform(platform), m_parentWindow(parentWindow)
{
}

EdiStationImport::Summary StationImportCommand::run()
{
    const QStringList files =
        m_platform.files.openFiles(m_parentWindow, QStringLiteral("Uvoz poznatih stanica iz EDI datoteka"),
                                   QString(), QStringLiteral("EDI (*.edi *.EDI);;* (*)"));
    if (files.isEmpty())
        return {};
    const EdiStationImport::Summary s = EdiStationImport::importLogs(files, m_callInfo.knownStations());
    m_callInfo.refreshKnownStations();
    m_platform.messages.show(MessageCatalogue::stationImportSummary(EdiStationImport::summaryLines(s)));
    return s;
}
