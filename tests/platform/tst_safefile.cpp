// Writing files on a full disk and in a read-only folder: the old file stays whole and
// the failure names its reason.
#include "TestSupport.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

}

class TestSafeFile : public QObject
{
    Q_OBJECT
private slots:
    void failedWriteKeepsTheOldFileAndSaysWhy_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("reason");
        // A small file only meets the disk when it is flushed: the case that used to
        // leave a 0-byte file behind.
        QTest::newRow("full disk, small file") << "full" << 40 << "disk full";
        QTest::newRow("full disk, large file") << "full" << 256 * 1024 << "disk full";
        QTest::newRow("read-only folder") << "read-only" << 40 << "Read-only file system";
    }
    void failedWriteKeepsTheOldFileAndSaysWhy()
    {
        QFETCH(QString, situation);
        QFETCH(int, size);
        QFETCH(QString, reason);
        TmpfsMount disk(256);
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.skipReason()));
        const QString path = disk.file(QStringLiteral("jezik.ini"));
        QVERIFY(put(path, "engleski\n"));
        QVERIFY(situation == QLatin1String("full") ? disk.fill() : disk.setReadOnly(true));

        QString error;
        QVERIFY(!SafeFile::write(path, QByteArray(size, 'x'), &error));
        QVERIFY2(error.startsWith(path + QStringLiteral(": ")), qPrintable(error));
        QVERIFY2(error.endsWith(reason), qPrintable(error));
        QCOMPARE(readAll(path), QByteArray("engleski\n"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 situation == QLatin1String("full") ? QStringList({".filler", "jezik.ini"})
                                                    : QStringList({"jezik.ini"}));
        QVERIFY(!SafeFile::checkFolderWritable(disk.path(), &error));
        QVERIFY2(error.endsWith(reason), qPrintable(error));
    }

    void fullDeviceIsReportedAtTheWrite()
    {
        // /dev/full fails every write with ENOSPC: the same answer as a full disk,
        // without mounting anything.
        QFile device(QStringLiteral("/dev/full"));
        if (!device.open(QIODevice::WriteOnly))
            QSKIP("no /dev/full on this system");
        QString why;
        QVERIFY(!SafeFile::writeAll(device, QByteArray(40, 'x'), &why));
        QCOMPARE(why, QStringLiteral("disk full"));
    }

    void writeReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.edi"));
        QVERIFY(put(path, "old"));
        QString error;
        QVERIFY2(SafeFile::write(path, "new content", &error), qPrintable(error));
        QCOMPARE(readAll(path), QByteArray("new content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.edi"});
    }
};

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
