#include "shell/ui/Application.h"

#include "platform/ProgramFolder.h"
#include "shell/ProgramFiles.h"
#include "shell/ui/Form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

namespace Brelog {

int runApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brelog"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Brelog, a contest logger for the VHF, UHF and microwave bands."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption folderOption(QStringLiteral("folder"),
                                    QStringLiteral("Use DIR as the program folder (databases, jezik, cw, log, BackUp)."),
                                    QStringLiteral("DIR"));
    parser.addOption(folderOption);
    parser.process(app);

    if (parser.isSet(folderOption)) {
        const QString dir = parser.value(folderOption);
        if (!QDir().mkpath(dir)) {
            qCritical("brelog: cannot create the program folder %s", qPrintable(dir));
            return 2;
        }
        ProgramFolder::setPath(dir);
    }
    QString error;
    if (!ProgramFiles::ensureShippedFiles(QCoreApplication::applicationDirPath(), ProgramFolder::path(), &error)) {
        qCritical("brelog: %s", qPrintable(error));
        return 2;
    }

    Form1 window;
    window.show();
    return app.exec();
}

}
