// Start-up pieces: the single-instance rule, the splash and progress windows, the
// menu pictures, and the program itself started twice on one folder.
#include "TestSupport.h"

#include "controls/ui/ProgressWindow.h"
#include "controls/ui/XpProgressBar.h"
#include "platform/SingleInstance.h"
#include "shell/ui/AboutWindow.h"
#include "shell/ui/MenuIcons.h"
#include "shell/ui/SplashWindow.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString lockHolder = QStringLiteral(BRELOG_TESTS_BIN_DIR "/drv_lockholder");
const QByteArray startupMark = "BRELOG_STARTUP_MARK";

// Starts a process that holds the lock of `folder`; true once it says so.
bool startHolder(QProcess &p, const QString &folder)
{
    p.start(lockHolder, {folder});
    return p.waitForStarted(5000) && p.waitForReadyRead(5000) && p.readAll().trimmed() == "held";
}

}

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void secondLockOnTheSameFolderFails()
    {
        QTemporaryDir folder, other;
        QProcess holder;
        QVERIFY(startHolder(holder, folder.path()));
        SingleInstance second(folder.path());
        QVERIFY(!second.tryAcquire());
        QVERIFY(!second.isHeld());
        SingleInstance elsewhere(other.path());
        QVERIFY(elsewhere.tryAcquire());
        holder.kill();
        holder.waitForFinished();
    }

    void lockOfARunningProgramBlocksHoweverOld()
    {
        QTemporaryDir folder;
        QProcess holder;
        QVERIFY(startHolder(holder, folder.path()));
        QFile lock(folder.filePath(QStringLiteral("brelog.lock")));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
        lock.close();
        SingleInstance second(folder.path());
        QVERIFY(!second.tryAcquire());
        holder.kill();
        holder.waitForFinished();
    }

    void lockLeftByACrashIsTakenOver()
    {
        QTemporaryDir folder;
        QProcess holder;
        QVERIFY(startHolder(holder, folder.path()));
        holder.kill(); // no chance to remove its lock
        holder.waitForFinished();
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("brelog.lock"))));
        SingleInstance next(folder.path());
        QVERIFY(next.tryAcquire());
        // And it is really held now: another process is refused.
        QProcess third;
        third.start(lockHolder, {folder.path()});
        QVERIFY(third.waitForFinished(5000));
        QCOMPARE(third.readAll().trimmed(), QByteArray("busy"));
    }

    void secondProgramOnAFolderEndsSilently()
    {
        const QString program = QStringLiteral(BRELOG_BIN_DIR "/brelog");
        if (!QFile::exists(program))
            QSKIP("the program is not built");
        TempProgramFolder folder;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(startupMark), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess first, second;
        for (QProcess *p : {&first, &second}) {
            p->setProcessEnvironment(env);
            p->setProcessChannelMode(QProcess::SeparateChannels);
        }
        first.start(program, {QStringLiteral("--folder"), folder.path()});
        QVERIFY(first.waitForStarted(5000));
        QByteArray out;
        QElapsedTimer t;
        t.start();
        while (!out.contains(startupMark) && t.elapsed() < 15000 && first.state() == QProcess::Running) {
            first.waitForReadyRead(200);
            out += first.readAllStandardOutput();
        }
        QVERIFY2(out.contains(startupMark), (out + first.readAllStandardError()).constData());

        second.start(program, {QStringLiteral("--folder"), folder.path()});
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!second.readAllStandardOutput().contains(startupMark));
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    void splashFillsItsBarAndHandsOverWithinASecond()
    {
        QPointer<SplashWindow> splash = new SplashWindow;
        QCOMPARE(splash->objectName(), QStringLiteral("frmSplash"));
        QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Program namijenjen za vođenje VHF contesta."));
        QCOMPARE(splash->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("v. 2.0 - 08.05.2014."));
        auto *bar = splash->findChild<XpProgressBar *>(QStringLiteral("ProgressBar1"));
        QVERIFY(bar);
        QCOMPARE(bar->value(), 0);
        int barAtHandOver = -1;
        connect(splash, &SplashWindow::finished, this, [&] { barAtHandOver = bar->value(); });
        QSignalSpy finished(splash.data(), &SplashWindow::finished);
        QElapsedTimer t;
        splash->show();
        t.start();
        splash->start();
        QVERIFY(finished.wait(3000));
        QVERIFY2(t.elapsed() < 1200, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(barAtHandOver, 100);
        QCOMPARE(finished.size(), 1);
        QTRY_VERIFY(!splash);
    }

    // The splash carries the purpose line and the about window's disclaimer and
    // contact lines, in each language the packs give them.
    void splashShowsTheAboutWindowsLines_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("hrvatski") << QStringLiteral("hrvatski");
        QTest::newRow("engleski") << QStringLiteral("engleski");
        QTest::newRow("polski") << QStringLiteral("polski");
        QTest::newRow("slovacki") << QStringLiteral("slovacki");
    }
    void splashShowsTheAboutWindowsLines()
    {
        QFETCH(QString, language);
        TempProgramFolder folder(false);
        QFile ini(folder.file(QStringLiteral("jezik/jezik.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(language.toUtf8() + "\n");
        ini.close();
        SplashWindow splash;
        AboutWindow about;
        auto text = [](QWidget &w, const char *name) {
            const QLabel *l = w.findChild<QLabel *>(QString::fromLatin1(name));
            return l && l->isVisibleTo(&w) ? l->text() : QString();
        };
        QVERIFY(!text(splash, "Label1").isEmpty());
        QCOMPARE(text(splash, "Label1"), text(about, "Label1")); // purpose
        QCOMPARE(text(splash, "Label2"), text(about, "Label3")); // disclaimer
        QCOMPARE(text(splash, "Label4"), text(about, "Label4")); // contact line
        QVERIFY(!text(splash, "Label4").isEmpty());
        if (language == QLatin1String("hrvatski")) {
            QVERIFY(text(splash, "Label2").endsWith(QStringLiteral("pošaljite email ili nazovite:")));
            QCOMPARE(text(splash, "Label4"), QString::fromUtf8(AboutTexts::Contact));
        }
    }

    // Said without a display and without touching any program folder.
    void versionNamesTheProgramAndHelpListsIt()
    {
        QTemporaryDir home;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.insert(QStringLiteral("HOME"), home.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(BRELOG_BIN_DIR "/brelog"), {QStringLiteral("--version")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(QRegularExpression(QStringLiteral("^Brelog \\d+\\.\\d+\\.\\d+\n$")).match(out).hasMatch(),
                 qPrintable(out));
        p.start(QStringLiteral(BRELOG_BIN_DIR "/brelog"), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(p.readAllStandardOutput().contains("-v, --version"));
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // scripts/run.sh keeps the contest out of the build tree unless a folder is chosen.
    void runScriptKeepsTheContestOutsideTheBuildTree_data()
    {
        QTest::addColumn<bool>("chooseFolder");
        QTest::newRow("default folder under the user's data") << false;
        QTest::newRow("--folder chosen") << true;
    }
    void runScriptKeepsTheContestOutsideTheBuildTree()
    {
        QFETCH(bool, chooseFolder);
        QTemporaryDir home;
        const QString chosen = home.filePath(QStringLiteral("contests/may"));
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.insert(QStringLiteral("BRELOG_RUN_NO_BUILD"), QStringLiteral("1"));
        run.setProcessEnvironment(env);
        // A command that lays the folder out and ends without a window.
        QStringList args = {QStringLiteral(BRELOG_SOURCE_DIR "/scripts/run.sh"), QStringLiteral("--import-stations")};
        if (chooseFolder)
            args << QStringLiteral("--folder") << chosen;
        run.start(QStringLiteral("bash"), args);
        QVERIFY(run.waitForFinished(30000));
        const QString defaultFolder = home.filePath(QStringLiteral(".local/share/brelog"));
        const QString used = chooseFolder ? chosen : defaultFolder;
        for (const char *f : {"contest.mdb", "evidencija.mdb", "znakovi.mdb", "jezik/jezik.ini"})
            QVERIFY2(QFile::exists(used + QLatin1Char('/') + QLatin1String(f)), f);
        QCOMPARE(QFile::exists(defaultFolder), !chooseFolder);
    }

    void progressWindowClosesItselfAndBringsTheMainWindowForward()
    {
        QWidget mainWindow;
        mainWindow.show();
        QPointer<ProgressWindow> progress = ProgressWindow::showProgress(&mainWindow);
        QCOMPARE(progress->objectName(), QStringLiteral("frmSplash1"));
        QVERIFY(progress->findChild<XpProgressBar *>(QStringLiteral("ProgressBar1")));
        QVERIFY(progress->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!progress, 3000);
        QVERIFY(mainWindow.isVisible());
    }

    void meniPutsThePicturesByPositionSeparatorsIncluded()
    {
        // The menu tree as the main window builds it; "-" is a separator.
        const QList<QPair<QString, QStringList>> tree = {
            {QStringLiteral("podaci"),
             {QStringLiteral("kreiranje"), QStringLiteral("sprembaze"), QStringLiteral("pozivanjebaze"),
              QStringLiteral("-"), QStringLiteral("edi"), QStringLiteral("izuadi"), QStringLiteral("-"),
              QStringLiteral("kraj")}},
            {QStringLiteral("postav"), {QStringLiteral("osobnepostavke")}},
            {QStringLiteral("editiranje"),
             {QStringLiteral("spremi"), QStringLiteral("izmjeni"), QStringLiteral("odustani"), QStringLiteral("-"),
              QStringLiteral("brisi")}},
            {QStringLiteral("alati"), {QStringLiteral("lokkalk"), QStringLiteral("uvozstanica")}},
            {QStringLiteral("pretraga"), {QStringLiteral("pozivniznaktrazi"), QStringLiteral("trazipolok")}},
            {QStringLiteral("statistika"), {QStringLiteral("stati")}},
            {QStringLiteral("ispis"), {QStringLiteral("issvihveza")}},
            {QStringLiteral("jezik"),
             {QStringLiteral("hrvat"), QStringLiteral("eng"), QStringLiteral("polski"), QStringLiteral("slovakian")}},
            {QStringLiteral("oprogramu"),
             {QStringLiteral("cwiinterface"), QStringLiteral("frekv"), QStringLiteral("-"), QStringLiteral("pomoc"),
              QStringLiteral("-"), QStringLiteral("oprogramceku")}},
        };
        QMenuBar bar;
        for (const auto &[menuName, items] : tree) {
            QMenu *menu = bar.addMenu(menuName);
            menu->setObjectName(menuName);
            for (const QString &item : items) {
                if (item == QLatin1String("-"))
                    menu->addSeparator();
                else
                    menu->addAction(item)->setObjectName(item);
            }
        }
        meni(&bar);

        const QMap<QString, char> expected = {
            {"kreiranje", 'A'}, {"sprembaze", 'B'}, {"pozivanjebaze", 'C'}, {"edi", 'D'}, {"izuadi", 'D'},
            {"kraj", 'E'}, {"osobnepostavke", 'F'}, {"spremi", 'G'}, {"izmjeni", 'H'}, {"odustani", 'I'},
            {"brisi", 'J'}, {"lokkalk", 'A'}, {"pozivniznaktrazi", 'K'}, {"trazipolok", 'K'}, {"stati", 'L'},
            {"issvihveza", 'M'}, {"hrvat", 'N'}, {"eng", 'O'}, {"polski", 'P'}, {"slovakian", 'Q'},
            {"cwiinterface", 'R'}, {"frekv", 'R'}, {"pomoc", 'S'}, {"oprogramceku", 'T'},
        };
        for (QAction *a : bar.findChildren<QAction *>()) {
            if (a->isSeparator() || a->menu() || a->objectName().isEmpty())
                continue;
            if (!expected.contains(a->objectName())) {
                QVERIFY2(a->icon().isNull(), qPrintable(a->objectName()));
                continue;
            }
            QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
            const QImage shown = a->icon().pixmap(QSize(14, 14)).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage want = MenuIcons::picture(QLatin1Char(expected[a->objectName()]))
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(shown == want, qPrintable(a->objectName()));
        }
        QVERIFY(bar.findChild<QAction *>(QStringLiteral("uvozstanica"))->icon().isNull());
    }

    void twentyDistinctPicturesOfFourteenPixels()
    {
        QSet<QByteArray> distinct;
        for (char c = 'A'; c <= 'T'; ++c) {
            const QImage img = MenuIcons::picture(QLatin1Char(c)).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(img.size(), QSize(14, 14));
            int painted = 0;
            for (int y = 0; y < 14; ++y)
                for (int x = 0; x < 14; ++x)
                    painted += qAlpha(img.pixel(x, y)) > 0;
            QVERIFY2(painted > 20, &c);
            distinct.insert(QByteArray(reinterpret_cast<const char *>(img.constBits()), img.sizeInBytes()));
        }
        QCOMPARE(distinct.size(), 20);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
