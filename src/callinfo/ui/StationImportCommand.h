#pragma once
#include "callinfo/EdiStationImport.h"

#include <QObject>
#include <QStringList>

class CallInfoController;
struct Platform;
class QWidget;

// "Uvoz poznatih stanica iz EDI datoteka...": the operator chooses one or more EDI
// logs, their stations are added to the known stations, and the message window
// Form25 shows the summary.
class StationImportCommand : public QObject
{
    Q_OBJECT
public:
    // The files are chosen through the platform's file dialog, the summary shown
    // through its message windows.
    StationImportCommand(CallInfoController &callInfo, Platform &platform, QWidget *parentWindow,
                         QObject *parent = nullptr);

    // Runs the command; returns the summary (nothing imported when no file was chosen).
    EdiStationImport::Summary run();

private:
    CallInfoController &m_callInfo;
    Platform &m_platform;
    QWidget *m_parentWindow;
};
