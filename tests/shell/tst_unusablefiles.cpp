// A program folder, database or disk that cannot be used: the program says what is
// wrong (and ends with a failure code where it cannot work) instead of ending
// silently, reporting success or answering with a database driver's words.
#include "MainWindowFixture.h"

#include "contest/ContestSession.h"
#include "contestlog/LogStore.h"
#include "contestlog/ui/EntryLine.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"
#include "platform/SqliteDatabase.h"
#include "shell/ProgramFiles.h"
#include "shell/ui/Form1.h"
#include "controls/ui/MessageWindow.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QtTest>

#include <unistd.h>

namespace {

const QString program = QStringLiteral(BRELOG_BIN_DIR "/brelog");

bool run(const QString &command, const QStringList &args)
{
    QProcess p;
    p.start(command, args);
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// One file mounted read-only over itself, as a file on a read-only medium would be.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString &path) : m_path(path)
    {
        m_mounted = run(QStringLiteral("mount"), {QStringLiteral("--bind"), path, path});
        if (m_mounted && !run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro,bind"), path}))
            release();
    }
    ~ReadOnlyFile() { release(); }
    bool isReadOnly() const { return m_mounted; }

private:
    void release()
    {
        if (m_mounted)
            run(QStringLiteral("umount"), {QStringLiteral("-l"), m_path});
        m_mounted = false;
    }
    QString m_path;
    bool m_mounted = false;
};

QString messageText(const char *objectName)
{
    MessageWindow *w = MessageWindow::find(QString::fromLatin1(objectName));
    return w ? w->text() : QString();
}

}

class TestUnusableFiles : public QObject
{
    Q_OBJECT

private slots:
    void unusableProgramFolderIsReportedNotTakenForASecondProgram_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << "read-only" << "Read-only file system";
        QTest::newRow("read-only folder with the lock of a crashed program") << "stale lock" << "Read-only file system";
        QTest::newRow("full disk") << "full" << "disk full";
        QTest::newRow("read-only folder without a contest database") << "no database" << "Read-only file system";
    }
    void unusableProgramFolderIsReportedNotTakenForASecondProgram()
    {
        QFETCH(QString, situation);
        QFETCH(QString, reason);
        if (!QFile::exists(program))
            QSKIP("the program is not built");
        TmpfsMount disk(8 * 1024);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        {
            TempProgramFolder shipped;
            QVERIFY(TestSupport::copyTree(shipped.path(), disk.path()));
        }
        if (situation == QLatin1String("no database"))
            QVERIFY(QFile::remove(disk.file(QStringLiteral("contest.mdb"))));
        if (situation == QLatin1String("stale lock")) {
            // What a program killed while it ran leaves: a lock naming a process that is gone.
            QFile lock(disk.file(QStringLiteral("brelog.lock")));
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write("999999\nbrelog\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        QVERIFY(situation == QLatin1String("full") ? disk.fill() : disk.setReadOnly(true));

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("BRELOG_STARTUP_MARK"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.start(program, {QStringLiteral("--folder"), disk.path()});
        QVERIFY(p.waitForFinished(20000));
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() != 0, err.constData());
        QVERIFY2(err.contains(disk.path().toUtf8()) && err.contains(reason.toUtf8()), err.constData());
        QVERIFY(!p.readAllStandardOutput().contains("BRELOG_STARTUP_MARK"));
    }

    void lockFileWithoutAProcessDoesNotBlock_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty lock file") << QByteArray();
        QTest::newRow("lock file of garbage") << QByteArray("\x01\x02garbage");
    }
    void lockFileWithoutAProcessDoesNotBlock()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        QFile lock(folder.filePath(QStringLiteral("brelog.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();
        SingleInstance instance(folder.path());
        QCOMPARE(instance.acquire(), SingleInstance::Outcome::Acquired);
    }

    void folderOfAnotherUserIsReported()
    {
        // An installed program started by a user who may read its folder but not write it.
        if (!QFile::exists(program))
            QSKIP("the program is not built");
        if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("runuser")).isEmpty())
            QSKIP("running the program as another user needs root and runuser");
        TempProgramFolder folder;
        QDirIterator it(folder.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), QFileInfo(it.filePath()).isDir() ? QFile::Permissions(0x7755)
                                                                               : QFile::Permissions(0x6644));
        QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x7755)));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QStringLiteral("/"));
        p.start(QStringLiteral("runuser"),
                {QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), program, QStringLiteral("--folder"),
                 folder.path()});
        QVERIFY(p.waitForFinished(20000));
        const QByteArray err = p.readAllStandardError();
        if (p.exitCode() == 126 || p.exitCode() == 127 || !err.contains("brelog"))
            QSKIP(qPrintable(QStringLiteral("the user nobody cannot run %1 here: %2").arg(program, QString::fromLocal8Bit(err))));
        QVERIFY2(p.exitCode() != 0, err.constData());
        QVERIFY2(err.contains(folder.path().toUtf8()) && err.contains("Permission denied"), err.constData());
    }

    void brokenContestDatabaseIsNamedAtStart_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty file") << "empty" << "Form29" << "empty (0 bytes)";
        QTest::newRow("SQLite file without the log tables") << "no tables" << "Form29" << "table takmicenje is missing";
        QTest::newRow("text file") << "text" << "Form29" << "not an SQLite database";
        QTest::newRow("read-only file") << "read-only" << "Form44" << "read-only";
    }
    void brokenContestDatabaseIsNamedAtStart()
    {
        QFETCH(QString, damage);
        QFETCH(QString, window);
        QFETCH(QString, says);
        std::unique_ptr<ReadOnlyFile> readOnly;
        MainWindowFixture f({3}, TestSupport::sampleSettings(), [&](TempProgramFolder &folder) {
            const QString path = folder.file(QStringLiteral("contest.mdb"));
            if (damage == QLatin1String("read-only")) {
                readOnly = std::make_unique<ReadOnlyFile>(path);
                return;
            }
            QFile::remove(path);
            if (damage == QLatin1String("no tables")) {
                QSqlDatabase db = SqliteDatabase::open(path, QStringLiteral("test-foreign"), nullptr);
                QSqlQuery(db).exec(QStringLiteral("CREATE TABLE other (a)"));
                SqliteDatabase::close(db);
                return;
            }
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (damage == QLatin1String("text"))
                file.write("ID,Call\n1,9A1AA\n");
        });
        if (damage == QLatin1String("read-only") && !readOnly->isReadOnly())
            QSKIP("cannot mount a file read-only here");
        const QString text = messageText(qPrintable(window));
        QVERIFY2(text.contains(says), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("contest.mdb")));
        // No second window with a driver's message ("no such table", "Parameter count
        // mismatch"), and none saying a QSO was not saved.
        for (const char *other : {"Form20", "Form41"})
            QVERIFY2(!MessageWindow::find(QString::fromLatin1(other)), other);
        if (damage == QLatin1String("read-only"))
            QVERIFY(!MessageWindow::find(QStringLiteral("Form29")));
    }

    void statementsWithoutAnOpenDatabaseSaySo()
    {
        // After a contest database was refused at start, a QSO typed all the same is
        // refused in plain words, not with the driver's.
        LogStore store{QSqlDatabase()};
        QString error;
        QVERIFY(!store.insert(TestSupport::sampleQso(QStringLiteral("S51ZZ"), QStringLiteral("144 MHz"), 1), &error));
        QCOMPARE(error, QStringLiteral("the database is not open"));
        QVector<QsoRow> rows;
        QVERIFY(!store.bandRows(QStringLiteral("144 MHz"), rows, &error));
        QCOMPARE(error, QStringLiteral("the database is not open"));
    }

    void logThatCannotBeReadSaysSo()
    {
        MainWindowFixture f({3, 4});
        QVERIFY(!MessageWindow::find(QStringLiteral("Form41")));
        QSqlQuery(f.folder().context().database()).exec(QStringLiteral("ALTER TABLE takmicenje RENAME TO x"));
        f.window().entry().Combo2->setCurrentIndex(1);
        const QString text = messageText("Form41");
        QVERIFY2(text.startsWith(QStringLiteral("Dnevnik se ne može pročitati")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("takmicenje")), qPrintable(text));
        QVERIFY(!MessageWindow::find(QStringLiteral("Form20")));
    }

    void exportFromTheMenuOntoAFullDiskSaysSo()
    {
        MainWindowFixture f({3});
        f.typeQso(QStringLiteral("S51ZZ"), QStringLiteral("4"), QStringLiteral("76TB"));
        QCOMPARE(f.storedCount(), 1);
        TmpfsMount disk(256);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        // The log folder lies on the small disk.
        QVERIFY(QDir().mkpath(disk.file(QStringLiteral("log"))));
        QVERIFY(QFile::link(disk.file(QStringLiteral("log")), f.folder().file(QStringLiteral("log"))));
        f.window().entry().edi->trigger();
        const QStringList written = QDir(disk.file(QStringLiteral("log"))).entryList(QDir::Files);
        QCOMPARE(written.size(), 1);
        const QString path = f.folder().file(QStringLiteral("log/") + written.first());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        file.close();
        QVERIFY(good.endsWith("[END]\r\n"));
        MainWindowFixture::closeMessageWindows();

        QVERIFY(disk.fill());
        f.typeQso(QStringLiteral("S52B"), QStringLiteral("2"), QStringLiteral("86CD"));
        f.window().entry().edi->trigger();
        const QString text = messageText("Form23");
        QVERIFY2(text.contains(QStringLiteral("disk full")) && text.contains(path), qPrintable(text));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), good);
    }

    void laterShippedPrefixDatabaseReplacesACopyMadeAfterItsDate()
    {
        TempProgramFolder shipped;
        QTemporaryDir target;
        const QString source = shipped.file(QStringLiteral("znakovi.mdb"));
        auto setDate = [&](const QDateTime &when) {
            QFile f(source);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
        };
        // A release dated a year ago, laid out today.
        setDate(QDateTime::currentDateTime().addYears(-1));
        QString error;
        QVERIFY2(ProgramFiles::ensureShippedFiles(shipped.path(), target.path(), &error), qPrintable(error));
        // The next release, dated after the first but before today, with other prefixes.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("next-release"));
            db.setDatabaseName(source);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("DELETE FROM Prefixes")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("next-release"));
        setDate(QDateTime::currentDateTime().addMonths(-1));
        QVERIFY2(ProgramFiles::ensureShippedFiles(shipped.path(), target.path(), &error), qPrintable(error));
        QFile copy(target.filePath(QStringLiteral("znakovi.mdb")));
        QFile original(source);
        QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll() == original.readAll());
    }

    void brokenPrefixDatabaseNewerThanTheShippedOneIsReplaced()
    {
        TempProgramFolder shipped;
        QTemporaryDir target;
        const QString prefixes = target.filePath(QStringLiteral("znakovi.mdb"));
        QFile broken(prefixes);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("SQLite format 3");
        QVERIFY(broken.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
        broken.close();
        QString error;
        QVERIFY2(ProgramFiles::ensureShippedFiles(shipped.path(), target.path(), &error), qPrintable(error));
        QFile copy(prefixes);
        QFile original(shipped.file(QStringLiteral("znakovi.mdb")));
        QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QCOMPARE(copy.size(), original.size());
        QVERIFY(copy.readAll() == original.readAll());
    }
};

QTEST_MAIN(TestUnusableFiles)
#include "tst_unusablefiles.moc"
