// Which folder holds the shipped files and which program folder a start without
// --folder uses, for a build tree and for an installed program.
#include "platform/InstallLayout.h"

#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class TestInstallLayout : public QObject
{
    Q_OBJECT

private slots:
    void layoutFollowsWhereTheProgramIs_data();
    void layoutFollowsWhereTheProgramIs();
    void userDataFolderFollowsTheEnvironment_data();
    void userDataFolderFollowsTheEnvironment();
    void installedProgramKeepsItsFilesInTheUserFolder_data();
    void installedProgramKeepsItsFilesInTheUserFolder();
};

namespace {

void makeDirs(const QString &root, const QStringList &dirs)
{
    for (const QString &d : dirs)
        QVERIFY(QDir().mkpath(root + QLatin1Char('/') + d));
}

}

void TestInstallLayout::layoutFollowsWhereTheProgramIs_data()
{
    // Folders made below a temporary root; "@" in the expected paths stands for the root,
    // "~" for the user's data folder.
    QTest::addColumn<QStringList>("dirs");
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<QString>("folder");
    QTest::newRow("build tree holds its data beside the program")
        << QStringList{"build/bin/jezik"} << "build/bin" << false << "@/build/bin" << "@/build/bin";
    QTest::newRow("installed under /usr reads share/brelog and keeps the contest in the user's folder")
        << QStringList{"usr/bin", "usr/share/brelog/jezik"} << "usr/bin" << true << "@/usr/share/brelog" << "~";
    QTest::newRow("installed under another prefix")
        << QStringList{"opt/x/bin", "opt/x/share/brelog/jezik"} << "opt/x/bin" << true << "@/opt/x/share/brelog"
        << "~";
    QTest::newRow("executable dir given with a trailing dot segment")
        << QStringList{"usr/bin", "usr/share/brelog/jezik"} << "usr/bin/." << true << "@/usr/share/brelog" << "~";
    QTest::newRow("build tree beside an installed copy stays a build tree")
        << QStringList{"usr/bin/jezik", "usr/share/brelog/jezik"} << "usr/bin" << false << "@/usr/bin" << "@/usr/bin";
    QTest::newRow("share/brelog without the shipped files is not an install")
        << QStringList{"usr/bin", "usr/share/brelog/help"} << "usr/bin" << false << "@/usr/bin" << "@/usr/bin";
    QTest::newRow("program alone keeps its own folder")
        << QStringList{"somewhere"} << "somewhere" << false << "@/somewhere" << "@/somewhere";
}

void TestInstallLayout::layoutFollowsWhereTheProgramIs()
{
    QFETCH(QStringList, dirs);
    QFETCH(QString, exeDir);
    QFETCH(bool, installed);
    QFETCH(QString, shipped);
    QFETCH(QString, folder);
    QTemporaryDir root;
    makeDirs(root.path(), dirs);
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home/op")));
    const QString userFolder = root.filePath(QStringLiteral("home/op/.local/share/brelog"));
    auto resolve = [&](QString p) {
        return p == QLatin1String("~") ? userFolder : p.replace(QLatin1Char('@'), root.path());
    };

    const InstallLayout layout = InstallLayout::detect(root.filePath(exeDir), env);
    QCOMPARE(layout.installed, installed);
    QCOMPARE(layout.shippedData, resolve(shipped));
    QCOMPARE(layout.defaultProgramFolder, resolve(folder));
}

void TestInstallLayout::userDataFolderFollowsTheEnvironment_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no XDG_DATA_HOME") << "/home/op" << "" << "/home/op/.local/share/brelog";
    QTest::newRow("absolute XDG_DATA_HOME") << "/home/op" << "/data/op" << "/data/op/brelog";
    QTest::newRow("XDG_DATA_HOME with a trailing slash") << "/home/op" << "/data/op/" << "/data/op/brelog";
    QTest::newRow("relative XDG_DATA_HOME is ignored") << "/home/op" << "data" << "/home/op/.local/share/brelog";
}

void TestInstallLayout::userDataFolderFollowsTheEnvironment()
{
    QFETCH(QString, home);
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, expected);
    QProcessEnvironment env;
    env.insert(QStringLiteral("HOME"), home);
    if (!xdgDataHome.isEmpty())
        env.insert(QStringLiteral("XDG_DATA_HOME"), xdgDataHome);
    QCOMPARE(InstallLayout::userDataFolder(env), expected);
}

namespace {

// Every path below `root` with its size and modification time.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        entries << QStringLiteral("%1 %2 %3")
                       .arg(f.filePath())
                       .arg(f.isDir() ? -1 : f.size())
                       .arg(f.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

}

void TestInstallLayout::installedProgramKeepsItsFilesInTheUserFolder_data()
{
    // Where the run's files must land, below the temporary root.
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<bool>("chooseFolder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default folder below HOME") << "" << false << "home/.local/share/brelog";
    QTest::newRow("XDG_DATA_HOME chosen") << "xdg" << false << "xdg/brelog";
    QTest::newRow("--folder wins") << "" << true << "contests/may";
}

// The program laid out as `cmake --install` lays it out, started from its bin/ folder.
void TestInstallLayout::installedProgramKeepsItsFilesInTheUserFolder()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(bool, chooseFolder);
    QFETCH(QString, expected);
    // Inside the build tree, so that the program can be hard-linked rather than copied.
    QTemporaryDir root(QStringLiteral(BRELOG_TESTS_BIN_DIR "/install-XXXXXX"));
    QVERIFY(root.isValid());
    const QString prefix = root.filePath(QStringLiteral("usr"));
    const QString share = prefix + QStringLiteral("/share/brelog");
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")));
    const QString program = prefix + QStringLiteral("/bin/brelog");
    const QByteArray built = QByteArrayLiteral(BRELOG_BIN_DIR "/brelog");
    if (::link(built.constData(), QFile::encodeName(program).constData()) != 0)
        QVERIFY(QFile::copy(QString::fromUtf8(built), program));
    for (const char *sub : {"jezik", "cw", "zvukovi", "help", "map"})
        QVERIFY(TestSupport::copyTree(QStringLiteral(BRELOG_BIN_DIR "/") + QLatin1String(sub),
                                      share + QLatin1Char('/') + QLatin1String(sub)));
    for (const char *db : {"znakovi.mdb", "evidencija.mdb"})
        QVERIFY(QFile::copy(QStringLiteral(BRELOG_BIN_DIR "/") + QLatin1String(db), share + QLatin1Char('/') + QLatin1String(db)));
    const QStringList before = snapshot(prefix);

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    if (!xdgDataHome.isEmpty())
        env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(xdgDataHome));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(root.path());
    // A command that lays the folder out and ends without a window.
    QStringList args{QStringLiteral("--import-stations"),
                     QStringLiteral(BRELOG_FIXTURES_DIR "/edi-samples/E71W_144.edi")};
    if (chooseFolder)
        args << QStringLiteral("--folder") << root.filePath(expected);
    p.start(program, args);
    QVERIFY(p.waitForFinished(30000));
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, p.readAllStandardError().constData());

    const QString folder = root.filePath(expected);
    for (const char *f : {"contest.mdb", "evidencija.mdb", "znakovi.mdb", "jezik/jezik.ini", "jezik/engleski.lpk",
                          "cw/0.txt", "zvukovi/dupla.wav", "help/en/index.html", "map/europe.map"})
        QVERIFY2(QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(f)), f);
    QCOMPARE(snapshot(prefix), before);
    // The folder of the program itself is no program folder.
    QVERIFY(!QFileInfo::exists(prefix + QStringLiteral("/bin/contest.mdb")));
    if (chooseFolder)
        QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("home/.local/share/brelog"))));
}

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "tst_installlayout.moc"
