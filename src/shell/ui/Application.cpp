#include "shell/ui/Application.h"

#include "callinfo/StationImportCli.h"
#include "controls/ui/Style.h"
#include "export/ExportCli.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"
#include "shell/ProgramFiles.h"
#include "shell/ui/Form1.h"
#include "shell/ui/SplashWindow.h"
#include "shell/ui/SystemPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace Brelog {

namespace {

struct Options
{
    QCommandLineOption folder{QStringLiteral("folder"),
                              QStringLiteral("Use DIR as the program folder (its databases, jezik, cw, log, BackUp)."),
                              QStringLiteral("DIR")};
    QCommandLineOption exportFormat{QStringLiteral("export"),
                                    QStringLiteral("Write the log of --band as an EDI or ADIF file into the log "
                                                   "folder, print its path and exit."),
                                    QStringLiteral("edi|adif")};
    QCommandLineOption band{QStringLiteral("band"), QStringLiteral("The band to export, for example \"144 MHz\"."),
                            QStringLiteral("BAND")};
    QCommandLineOption importStations{QStringLiteral("import-stations"),
                                      QStringLiteral("Add the stations of the EDI logs FILE... to the known-stations "
                                                     "database, print a summary and exit.")};
};

void setUp(QCommandLineParser &parser, Options &o)
{
    parser.setApplicationDescription(
        QStringLiteral("Brelog, a contest logger for the VHF, UHF and microwave bands."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(o.folder);
    parser.addOption(o.exportFormat);
    parser.addOption(o.band);
    parser.addOption(o.importStations);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("EDI files for --import-stations."),
                                 QStringLiteral("[FILE...]"));
}

// Commands that run without a window (and so without a display).
bool isCommandLineOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--export" || a.startsWith("--export=") || a == "--import-stations" || a == "--help"
            || a == "-h" || a == "--version" || a == "-v" || a == "--help-all")
            return true;
    }
    return false;
}

bool prepareFolder(const QCommandLineParser &parser, const Options &o, bool createFiles)
{
    if (parser.isSet(o.folder)) {
        const QString dir = parser.value(o.folder);
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "brelog: cannot create the program folder %s\n", qPrintable(dir));
            return false;
        }
        ProgramFolder::setPath(dir);
    }
    if (!createFiles)
        return true;
    QString error;
    if (!ProgramFiles::ensureShippedFiles(QCoreApplication::applicationDirPath(), ProgramFolder::path(), &error)) {
        std::fprintf(stderr, "brelog: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

// Splash, then the main window. The single-instance rule is checked after the splash
// and before the main window exists, so that a second program on the same folder
// ends without opening any database.
int runWindows(QCoreApplication &app)
{
    SingleInstance instance(ProgramFolder::path());
    Style::apply(static_cast<QApplication &>(app));
    SystemPlatform system;
    std::unique_ptr<Form1> mainWindow;

    auto *splash = new SplashWindow;
    QObject::connect(splash, &SplashWindow::finished, splash, [&] {
        if (!instance.tryAcquire()) {
            QCoreApplication::exit(0);
            return;
        }
        mainWindow = std::make_unique<Form1>(system.platform());
        mainWindow->show();
        // For start-up measurements: one line once the main window is up.
        if (qEnvironmentVariableIsSet("BRELOG_STARTUP_MARK")) {
            QTimer::singleShot(0, mainWindow.get(), [] {
                std::fputs("BRELOG_STARTUP_MARK main window shown\n", stdout);
                std::fflush(stdout);
            });
        }
    });
    splash->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    splash->start();
    return app.exec();
}

}

int runApplication(int argc, char *argv[])
{
    const bool cli = isCommandLineOnly(argc, argv);
    std::unique_ptr<QCoreApplication> app(cli ? new QCoreApplication(argc, argv) : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("brelog"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));

    QCommandLineParser parser;
    Options o;
    setUp(parser, o);
    parser.process(*app);

    if (parser.isSet(o.exportFormat)) {
        if (!prepareFolder(parser, o, false))
            return 2;
        return ExportCli::run(parser.value(o.exportFormat), parser.value(o.band));
    }
    if (parser.isSet(o.importStations)) {
        if (!prepareFolder(parser, o, true))
            return 2;
        return StationImportCli::run(parser.positionalArguments());
    }
    if (!prepareFolder(parser, o, true))
        return 2;
    return runWindows(*app);
}

}
