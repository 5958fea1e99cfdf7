#pragma once
#include "callinfo/EdiStationImport.h"

#include <QObject>
#include <QStringList>
#include <functional>

class CallInfoController;
class QWidget;

// "Uvoz poznatih stanica iz EDI datoteka...": the operator chooses one or more EDI
// logs, their stations are added to the known stations, and the message window
// Form25 shows the summary.
class StationImportCommand : public QObject
{
    Q_OBJECT
public:
    // The file choice; a test answers it instead of the file dialog.
    using FileChooser = std::function<QStringList(QWidget *parent)>;

    StationImportCommand(CallInfoController &callInfo, QWidget *parentWindow, QObject *parent = nullptr);

    static void setFileChooser(FileChooser chooser); // an empty chooser restores the dialog

    // Runs the command; returns the summary (nothing imported when no file was chosen).
    EdiStationImport::Summary run();

private:
    CallInfoController &m_callInfo;
    QWidget *m_parentWindow;
};
