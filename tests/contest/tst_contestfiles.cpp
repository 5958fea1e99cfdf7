// New contest, contest copies and opening a copy, on a temporary program folder.
#include "StoredRows.h"
#include "TestPlatform.h"
#include "TestSupport.h"

#include "contest/ContestDatabase.h"
#include "contest/ContestFiles.h"
#include "contest/ContestSession.h"
#include "contest/ContestSettingsStore.h"
#include "contest/ui/ContestFileCommands.h"
#include "contestlog/LogStore.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/MessageWindow.h"
#include "platform/ProgramFolder.h"
#include "platform/SqliteDatabase.h"
#include "platform/UtcClock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>
#include <memory>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Rows of `table` in the file at `path`, read through a connection of the test's own.
int countRows(const QString &path, const QString &table)
{
    return TestSupport::storedCount(path, table);
}

bool addQsos(QSqlDatabase db, int count, const QString &prefix = QStringLiteral("9A"))
{
    LogStore log(db);
    for (int i = 1; i <= count; ++i)
        if (!log.insert(TestSupport::sampleQso(QStringLiteral("%1%2AA").arg(prefix).arg(i),
                                               QStringLiteral("144 MHz"), i)))
            return false;
    return true;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}

class TestContestFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<ContestFileCommands> m_commands;
    TestPlatform m_platform;

    QString working() const { return m_folder->file(QStringLiteral("contest.mdb")); }
    ContestContext &ctx() const { return m_folder->context(); }
    QSqlDatabase db() const { return ctx().database(); }
    // The contest name as if stored in the contest data dialog.
    void storeContestName(const QString &name) const
    {
        QSqlQuery q(db());
        q.prepare(QStringLiteral("UPDATE postavke SET NazivNatjecanja = ?"));
        q.addBindValue(name + QLatin1Char(' '));
        QVERIFY(q.exec());
        ctx().contestData().reload();
    }
    QStringList backups() const
    {
        return QDir(m_folder->file(QStringLiteral("BackUp"))).entryList(QDir::Files, QDir::Name);
    }
    // The log can still be written through the session's connection.
    bool logUsable() const { return ctx().session().isOpen() && addQsos(db(), 1, QStringLiteral("S5")); }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        QVERIFY(TestSupport::addBands(working(), {3, 4}));
        QVERIFY(ctx().session().open());
        QVERIFY(addQsos(db(), 2));
        m_platform.clock.now = QDateTime(QDate(2026, 5, 2), QTime(14, 3, 9), Qt::UTC);
        m_platform.files.chosen.clear();
        m_commands = std::make_unique<ContestFileCommands>(nullptr, m_platform.platform(), ctx());
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        QApplication::processEvents();
        m_commands.reset();
        ctx().session().close();
        m_folder.reset();
    }

    void newContestYesKeepsTheOldLogInAnAutosave()
    {
        QSignalSpy closing(m_commands.get(), &ContestFileCommands::aboutToReplaceWorkingFile);
        QSignalSpy created(m_commands.get(), &ContestFileCommands::newContestCreated);
        m_commands->newContest();
        MessageWindow *warning = MessageWindow::find(QStringLiteral("Form8"));
        QVERIFY(warning && warning->isVisible());
        QCOMPARE(warning->objectName(), QStringLiteral("Form8"));
        QVERIFY(warning->text().startsWith(QStringLiteral("UPOZORENJE:")));
        // The stored contest data go on scoring until the answer.
        QCOMPARE(ctx().contestData().settings().lokator, QStringLiteral("JN85AB"));

        QTest::mouseClick(warning->button(QStringLiteral("chameleonButton1")), Qt::LeftButton);

        QCOMPARE(backups(), QStringList(QStringLiteral("autosave-20260502-140309.mdb")));
        const QString autosave = m_folder->file(QStringLiteral("BackUp/autosave-20260502-140309.mdb"));
        QVERIFY(ContestDatabase::isContestDatabase(autosave, nullptr));
        QCOMPARE(countRows(autosave, QStringLiteral("takmicenje")), 2);
        QCOMPARE(countRows(autosave, QStringLiteral("postavke")), 2);
        QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), 0);
        QCOMPARE(countRows(working(), QStringLiteral("postavke")), 0);
        QVERIFY(MessageWindow::find(QStringLiteral("Form9")));
        QCOMPARE(closing.size(), 1);
        QCOMPARE(created.size(), 1);
        QVERIFY(ctx().contestData().settings().bandList.isEmpty());
        QVERIFY(ctx().contestData().settings().lokator.isEmpty());
        QVERIFY(logUsable());
        QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), 1);
    }

    void newContestNoChangesNothing()
    {
        const QString ownLocator = ctx().contestData().settings().lokator;
        QVERIFY(!ownLocator.isEmpty());
        QSignalSpy created(m_commands.get(), &ContestFileCommands::newContestCreated);
        m_commands->newContest();
        MessageWindow *warning = MessageWindow::find(QStringLiteral("Form8"));
        QVERIFY(warning);
        QTest::mouseClick(warning->button(QStringLiteral("chameleonButton2")), Qt::LeftButton);

        QCOMPARE(created.size(), 0);
        QVERIFY(backups().isEmpty());
        QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), 2);
        QCOMPARE(countRows(working(), QStringLiteral("postavke")), 2);
        QCOMPARE(ctx().contestData().settings().lokator, ownLocator);
        QVERIFY(logUsable());
    }

    void autosaveNeverOverwritesAnExistingFile()
    {
        QDir().mkpath(m_folder->file(QStringLiteral("BackUp")));
        const QString taken = m_folder->file(QStringLiteral("BackUp/autosave-20260502-140309.mdb"));
        QFile f(taken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("an older autosave");
        f.close();

        m_commands->createContestDatabase();
        m_commands->createContestDatabase(); // a second new contest within the same second

        QCOMPARE(readAll(taken), QByteArray("an older autosave"));
        QCOMPARE(backups(), QStringList({QStringLiteral("autosave-20260502-140309-2.mdb"),
                                         QStringLiteral("autosave-20260502-140309-3.mdb"),
                                         QStringLiteral("autosave-20260502-140309.mdb")}));
        QCOMPARE(countRows(m_folder->file(QStringLiteral("BackUp/autosave-20260502-140309-2.mdb")),
                           QStringLiteral("takmicenje")),
                 2);
        QCOMPARE(countRows(m_folder->file(QStringLiteral("BackUp/autosave-20260502-140309-3.mdb")),
                           QStringLiteral("takmicenje")),
                 0);
    }

    void newContestWithoutAnAutosaveDeletesNothing()
    {
        // BackUp cannot be created: a file stands in its place.
        QFile blocker(m_folder->file(QStringLiteral("BackUp")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSignalSpy created(m_commands.get(), &ContestFileCommands::newContestCreated);

        m_commands->createContestDatabase();

        QCOMPARE(created.size(), 0);
        QVERIFY(MessageWindow::find(QStringLiteral("Form27")));
        QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), 2);
        QVERIFY(logUsable());
    }

    void copyIsSavedUnderTheContestNameAndReplacedByTheNewerOne()
    {
        storeContestName(QStringLiteral("  Kup Hrvatske 2026 "));
        QSignalSpy saved(m_commands.get(), &ContestFileCommands::copySaved);
        m_commands->saveContestCopy();
        const QString copy = m_folder->file(QStringLiteral("BackUp/Kup Hrvatske 2026.mdb"));
        QCOMPARE(countRows(copy, QStringLiteral("takmicenje")), 2);
        QCOMPARE(saved.size(), 1); // the main window shows its progress window
        QVERIFY(addQsos(db(), 1, QStringLiteral("OE")));
        m_commands->saveContestCopy();
        QCOMPARE(backups(), QStringList(QStringLiteral("Kup Hrvatske 2026.mdb")));
        QCOMPARE(countRows(copy, QStringLiteral("takmicenje")), 3);
        QVERIFY(logUsable());
    }

    void contestNameThatIsNoFileNameMakesNoCopy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("slash") << QStringLiteral("Kup 2026/05");
        QTest::newRow("backslash") << QStringLiteral("a\\b");
        QTest::newRow("colon") << QStringLiteral("VHF: maj");
        QTest::newRow("question mark") << QStringLiteral("Kup?");
        QTest::newRow("device name") << QStringLiteral("con");
        QTest::newRow("dot dot") << QStringLiteral("..");
        QTest::newRow("empty") << QStringLiteral("  ");
    }
    void contestNameThatIsNoFileNameMakesNoCopy()
    {
        QFETCH(QString, name);
        storeContestName(name);
        const QStringList before = QDir(m_folder->path()).entryList(QDir::Files);
        m_commands->saveContestCopy();
        MessageWindow *message = MessageWindow::find(QStringLiteral("Form22"));
        QVERIFY(message);
        QCOMPARE(message->text(),
                 QStringLiteral("Naziv natjecanja nije ispravan naziv datoteke. Kopija nije spremljena."));
        QVERIFY(backups().isEmpty());
        // Nothing appeared beside the working file either.
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), before);
    }

    void openingACopy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("opens");
        QTest::newRow("a contest copy") << QStringLiteral("copy") << true;
        QTest::newRow("an SQLite file of another program") << QStringLiteral("foreign") << false;
        QTest::newRow("a file that is no database") << QStringLiteral("text") << false;
        QTest::newRow("a missing file") << QStringLiteral("missing") << false;
        QTest::newRow("the dialog cancelled") << QStringLiteral("cancel") << false;
    }
    void openingACopy()
    {
        QFETCH(QString, kind);
        QFETCH(bool, opens);
        QDir().mkpath(m_folder->file(QStringLiteral("BackUp")));
        QString chosen = m_folder->file(QStringLiteral("BackUp/chosen.mdb"));
        if (kind == QLatin1String("copy")) {
            QVERIFY(ContestDatabase::createFile(chosen, nullptr));
            QSqlDatabase other = SqliteDatabase::open(chosen, QStringLiteral("test-other"), nullptr);
            QVERIFY(addQsos(other, 5, QStringLiteral("OK")));
            SqliteDatabase::close(other);
        } else if (kind == QLatin1String("foreign")) {
            QSqlDatabase other = SqliteDatabase::open(chosen, QStringLiteral("test-other"), nullptr);
            QSqlQuery(other).exec(QStringLiteral("CREATE TABLE takmicenje (ID INTEGER, Call TEXT)"));
            SqliteDatabase::close(other);
        } else if (kind == QLatin1String("text")) {
            QFile f(chosen);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ID,Call\n1,9A1AA\n");
        } else if (kind == QLatin1String("cancel")) {
            chosen.clear();
        }
        const QByteArray before = readAll(working());
        m_platform.files.chosen = QStringList(chosen);
        QSignalSpy opened(m_commands.get(), &ContestFileCommands::savedContestOpened);

        m_commands->openSavedContest();

        QCOMPARE(QStringList({m_platform.files.folder, m_platform.files.filter}),
                 QStringList({m_folder->file(QStringLiteral("BackUp")) + QLatin1Char('/'), QStringLiteral("*.mdb")}));
        QCOMPARE(opened.size(), opens ? 1 : 0);
        QCOMPARE(bool(MessageWindow::find(QStringLiteral("Form11"))), opens);
        // Nothing chosen is "Nije pronađeno"; a chosen file that cannot be opened says why.
        QCOMPARE(bool(MessageWindow::find(QStringLiteral("Form7"))), kind == QLatin1String("cancel"));
        MessageWindow *failure = MessageWindow::find(QStringLiteral("Form40"));
        QCOMPARE(bool(failure), !opens && kind != QLatin1String("cancel"));
        if (failure) {
            QVERIFY(failure->text().startsWith(QStringLiteral("Natjecanje nije pozvano")));
            const QString reason = failure->text().section(QLatin1Char('\n'), 1);
            QVERIFY2(reason.contains(kind == QLatin1String("foreign") ? QStringLiteral("missing")
                                     : kind == QLatin1String("text") ? QStringLiteral("not an SQLite database")
                                                                     : QStringLiteral("cannot be read")),
                     qPrintable(reason));
        }
        if (opens) {
            QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), 5);
            QCOMPARE(countRows(chosen, QStringLiteral("takmicenje")), 5); // the copy itself stays
        } else {
            QCOMPARE(readAll(working()), before);
        }
        QVERIFY(logUsable());
        QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), opens ? 6 : 3);
    }

    void openingACopyFirstKeepsTheWorkingContest_data()
    {
        QTest::addColumn<bool>("backupWritable");
        QTest::newRow("the working contest goes to an autosave") << true;
        QTest::newRow("no autosave possible, nothing is opened") << false;
    }
    void openingACopyFirstKeepsTheWorkingContest()
    {
        QFETCH(bool, backupWritable);
        QTemporaryDir elsewhere;
        const QString chosen = elsewhere.filePath(QStringLiteral("other.mdb"));
        QVERIFY(ContestDatabase::createFile(chosen, nullptr));
        if (!backupWritable) {
            QFile blocker(m_folder->file(QStringLiteral("BackUp")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        m_platform.files.chosen = QStringList(chosen);
        QSignalSpy opened(m_commands.get(), &ContestFileCommands::savedContestOpened);
        m_commands->openSavedContest();

        QCOMPARE(opened.size(), backupWritable ? 1 : 0);
        if (backupWritable) {
            QCOMPARE(backups(), QStringList(QStringLiteral("autosave-20260502-140309.mdb")));
            QCOMPARE(countRows(m_folder->file(QStringLiteral("BackUp/autosave-20260502-140309.mdb")),
                               QStringLiteral("takmicenje")),
                     2);
            QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), 0);
        } else {
            MessageWindow *failure = MessageWindow::find(QStringLiteral("Form40"));
            QVERIFY(failure);
            QVERIFY2(failure->text().contains(QStringLiteral("BackUp")), qPrintable(failure->text()));
            QCOMPARE(countRows(working(), QStringLiteral("takmicenje")), 2);
        }
        QVERIFY(logUsable());
    }

    void replacingACopyNeverTakesItsNameAway()
    {
        // Whoever looks at BackUp while a copy is replaced (or after a crash at any
        // moment) finds the old or the new copy under the name, never none: the new one
        // is renamed over the old, which is never deleted first.
        storeContestName(QStringLiteral("Kup"));
        m_commands->saveContestCopy();
        QCOMPARE(backups(), QStringList(QStringLiteral("Kup.mdb")));
        const int watch = inotify_init1(IN_NONBLOCK);
        QVERIFY(watch >= 0);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(m_folder->file(QStringLiteral("BackUp"))).constData(),
                                  IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM)
                >= 0);
        QVERIFY(addQsos(db(), 1, QStringLiteral("OE")));
        m_commands->saveContestCopy();

        QStringList events;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
            for (char *p = buffer; p < buffer + n;) {
                const auto *e = reinterpret_cast<const inotify_event *>(p);
                const QString name = e->len ? QString::fromLocal8Bit(e->name) : QString();
                events << (e->mask & IN_DELETE ? QStringLiteral("deleted ") : QStringLiteral("renamed to "))
                              + name;
                p += sizeof(inotify_event) + e->len;
            }
        }
        ::close(watch);
        QVERIFY2(!events.contains(QStringLiteral("deleted Kup.mdb")), qPrintable(events.join(", ")));
        QVERIFY2(events.contains(QStringLiteral("renamed to Kup.mdb")), qPrintable(events.join(", ")));
        QCOMPARE(countRows(m_folder->file(QStringLiteral("BackUp/Kup.mdb")), QStringLiteral("takmicenje")), 3);
    }

    void copyOntoAFullDiskSaysSoAndKeepsTheOldCopy()
    {
        TmpfsMount disk(1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        storeContestName(QStringLiteral("Kup"));
        ctx().session().close();
        QVERIFY(QFile::copy(working(), disk.file(QStringLiteral("contest.mdb"))));
        ContestContext onDisk(disk.path());
        QVERIFY(onDisk.session().open());
        ContestFileCommands commands(nullptr, m_platform.platform(), onDisk);
        commands.saveContestCopy();
        const QString copy = disk.file(QStringLiteral("BackUp/Kup.mdb"));
        QCOMPARE(countRows(copy, QStringLiteral("takmicenje")), 2);
        const QByteArray good = readAll(copy);

        QVERIFY(addQsos(onDisk.database(), 1, QStringLiteral("OE")));
        QVERIFY(disk.fill());
        commands.saveContestCopy();
        MessageWindow *failure = MessageWindow::find(QStringLiteral("Form28"));
        QVERIFY(failure);
        QVERIFY2(failure->text().contains(QStringLiteral("disk full")), qPrintable(failure->text()));
        QCOMPARE(readAll(copy), good);
        QCOMPARE(QDir(disk.file(QStringLiteral("BackUp"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList(QStringLiteral("Kup.mdb")));
        onDisk.session().close();
    }

    void openedCopyBringsItsOwnContestData()
    {
        QDir().mkpath(m_folder->file(QStringLiteral("BackUp")));
        const QString chosen = m_folder->file(QStringLiteral("BackUp/other.mdb"));
        QVERIFY(ContestDatabase::createFile(chosen, nullptr));
        QVERIFY(TestSupport::addBands(chosen, {9}, TestSupport::sampleSettings(QStringLiteral("JN65TW"))));
        QCOMPARE(ctx().contestData().settings().lokator, QStringLiteral("JN85AB"));
        m_platform.files.chosen = QStringList(chosen);
        m_commands->openSavedContest();
        QCOMPARE(ctx().contestData().settings().lokator, QStringLiteral("JN65TW"));
        QCOMPARE(ctx().contestData().settings().firstBand(), QStringLiteral("10 GHz"));
    }
};

QTEST_MAIN(TestContestFiles)
#include "tst_contestfiles.moc"
