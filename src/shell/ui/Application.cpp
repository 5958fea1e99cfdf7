#include "shell/ui/Application.h"

#include "callinfo/StationImportCli.h"
#include "contest/ContestContext.h"
#include "controls/MessageCatalogue.h"
#include "controls/ui/MessageWindow.h"
#include "controls/ui/Style.h"
#include "export/ExportCli.h"
#include "platform/InstallLayout.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"
#include "shell/ProgramFiles.h"
#include "shell/ui/Form1.h"
#include "shell/ui/SplashWindow.h"
#include "shell/ui/SystemPlatform.h"
#include "stats/StatsPictureFiles.h"
#include "stats/ui/StatsPictureCli.h"
#include "i18n/ui/MessageWindows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QProcessEnvironment>
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
                                    QStringLiteral("Write the log of --band as an EDI or ADIF file, or a "
                                                   "statistics picture (the QSO map, the bearing plot, the "
                                                   "distance chart or the worked squares) as a PNG file, into "
                                                   "the log folder, print its path and exit."),
                                    QStringLiteral("edi|adif|map|bearings|distances|squares")};
    QCommandLineOption band{QStringLiteral("band"), QStringLiteral("The band to export, for example \"144 MHz\"."),
                            QStringLiteral("BAND")};
    QCommandLineOption database{QStringLiteral("database"),
                                QStringLiteral("Log into the contest database URL shared by the station's PCs "
                                               "(postgresql://user@host:port/name) instead of contest.mdb; also "
                                               "what --export reads. Without it, the choice kept in brelog.ini."),
                                QStringLiteral("URL")};
    QCommandLineOption importStations{QStringLiteral("import-stations"),
                                      QStringLiteral("Add the stations of the EDI logs FILE... to the known-stations "
                                                     "database, print a summary and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Print the program's name and version and exit.")};
};

void setUp(QCommandLineParser &parser, Options &o)
{
    parser.setApplicationDescription(
        QStringLiteral("Brelog, a contest logger for the VHF, UHF and microwave bands."));
    parser.addHelpOption();
    parser.addOption(o.version);
    parser.addOption(o.folder);
    parser.addOption(o.exportFormat);
    parser.addOption(o.band);
    parser.addOption(o.database);
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

// Where this run's shipped files are, and its program folder without --folder: a build
// tree is its own program folder, an installed program uses the user's data folder,
// laid out from the shipped files.
InstallLayout installLayout()
{
    return InstallLayout::detect(QCoreApplication::applicationDirPath(), QProcessEnvironment::systemEnvironment());
}

// The program folder of this run: the command line's, else the layout's.
QString programFolder(const QCommandLineParser &parser, const Options &o, const InstallLayout &layout)
{
    return parser.isSet(o.folder) ? QDir(parser.value(o.folder)).absolutePath() : layout.defaultProgramFolder;
}

bool prepareFolder(const QString &folder, const QString &shipped, bool createFiles, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the program folder %1").arg(folder);
        return false;
    }
    if (!createFiles)
        return true;
    return ProgramFiles::ensureShippedFiles(shipped, folder, error);
}

bool prepareFolder(const QString &folder, const QString &shipped, bool createFiles)
{
    QString error;
    if (prepareFolder(folder, shipped, createFiles, &error))
        return true;
    std::fprintf(stderr, "brelog: %s\n", qPrintable(error));
    return false;
}

// A program folder where not even the lock can be made: nothing could be saved there.
// Said on stderr always, and in a window where someone can see one; that window ends
// the program with a failure code when it closes. False when no window was shown.
bool reportUnusableFolder(const QString &reason)
{
    // The reason names the folder or file concerned.
    std::fprintf(stderr, "brelog: cannot work in the program folder: %s\n", qPrintable(reason));
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    auto *w = new MessageWindow(MessageCatalogue::folderUnusable(reason));
    // The splash closes behind the message: only the message ends the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(w, &QObject::destroyed, [] { QCoreApplication::exit(1); });
    showRelabelled(w);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        w->move(screen->availableGeometry().center() - w->rect().center());
    return true;
}

// Whether the word after --export names a statistics picture, which is drawn with
// widgets and so needs a QApplication.
bool isPictureExport(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        QByteArray word;
        if (a == "--export" && i + 1 < argc)
            word = argv[i + 1];
        else if (a.startsWith("--export="))
            word = a.mid(9);
        if (!word.isEmpty() && StatsPictureFiles::kindOfWord(QString::fromLocal8Bit(word)))
            return true;
    }
    return false;
}

// The shared contest database to use: the command line's, else the one kept in
// brelog.ini; empty for the working file contest.mdb.
QString contestDatabase(const QCommandLineParser &parser, const Options &o, ContestContext &context)
{
    return parser.isSet(o.database) ? parser.value(o.database).trimmed()
                                    : context.settings().read<ContestServerChoice>().url;
}

// Splash, then the main window. The single-instance rule is checked after the splash
// and before the main window exists, so that a second program on the same folder
// ends without opening any database.
int runWindows(QCoreApplication &app, ContestContext &context)
{
    SingleInstance instance(context.folder().path());
    Style::apply(static_cast<QApplication &>(app));
    SystemPlatform system;
    std::unique_ptr<Form1> mainWindow;

    auto *splash = new SplashWindow;
    QObject::connect(splash, &SplashWindow::finished, splash, [&] {
        switch (instance.acquire()) {
        case SingleInstance::Outcome::Acquired:
            break;
        case SingleInstance::Outcome::HeldByAnother:
            QCoreApplication::exit(0);
            return;
        case SingleInstance::Outcome::Failed:
            if (!reportUnusableFolder(instance.failureReason()))
                QCoreApplication::exit(1);
            return;
        }
        mainWindow = std::make_unique<Form1>(system.platform(), context);
        mainWindow->show();
        // What the main window's load had to say (a database it could not open) stays
        // in front of it, in its middle.
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<MessageWindow *>(w) && w->isVisible()) {
                w->move(mainWindow->frameGeometry().center() - w->rect().center());
                w->raise();
            }
        }
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
    const bool picture = isPictureExport(argc, argv);
    const bool cli = isCommandLineOnly(argc, argv) && !picture;
    // Pictures are drawn off screen, so they need no display.
    if (picture && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(cli ? new QCoreApplication(argc, argv) : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("brelog"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRELOG_VERSION));

    QCommandLineParser parser;
    Options o;
    setUp(parser, o);
    parser.process(*app);
    if (parser.isSet(o.version)) {
        std::printf("Brelog %s\n", BRELOG_VERSION);
        return 0;
    }

    const InstallLayout layout = installLayout();
    const QString folder = programFolder(parser, o, layout);
    if (parser.isSet(o.exportFormat)) {
        if (!prepareFolder(folder, layout.shippedData, false))
            return 2;
        ContestContext context(folder);
        const QString word = parser.value(o.exportFormat);
        if (StatsPictureFiles::kindOfWord(word))
            return StatsPictureCli::run(context.folder(), word, parser.value(o.band),
                                        contestDatabase(parser, o, context));
        if (const QString w = word.trimmed().toLower(); w != QLatin1String("edi") && w != QLatin1String("adif"))
            return ExportCli::fail(QStringLiteral("unknown export format \"%1\" (use edi, adif, %2)")
                                       .arg(word, StatsPictureFiles::words().join(QStringLiteral(", "))));
        return ExportCli::run(context.folder(), word, parser.value(o.band), contestDatabase(parser, o, context));
    }
    if (parser.isSet(o.importStations)) {
        if (!prepareFolder(folder, layout.shippedData, true))
            return 2;
        return StationImportCli::run(ProgramFolder(folder), parser.positionalArguments());
    }
    ContestContext context(folder); // touches no file yet; the failure message below is relabelled from it
    QString error;
    if (!prepareFolder(folder, layout.shippedData, true, &error))
        return reportUnusableFolder(error) ? app->exec() : 2;
    context.session().setServerUrl(contestDatabase(parser, o, context));
    return runWindows(*app, context);
}

}
