#include "EntryFixture.h"

#include "callinfo/EdiStationImport.h"
#include "callinfo/KnownStations.h"
#include "callinfo/StationImportCli.h"
#include "callinfo/ui/StationImportCommand.h"
#include "platform/ProgramFolder.h"
#include "TestPlatform.h"
#include "controls/ui/MessageWindow.h"

#include <QDir>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

namespace {

// Real logs carried with the tests (origin in their README).
const QString kSamples = QStringLiteral(BRELOG_FIXTURES_DIR "/edi-samples");

QString sample(const char *name)
{
    return kSamples + QLatin1Char('/') + QLatin1String(name);
}

QStringList allSamples()
{
    QStringList out;
    const QDir dir(kSamples);
    for (const QString &f : dir.entryList({QStringLiteral("*.edi"), QStringLiteral("*.EDI")}, QDir::Files,
                                          QDir::Name))
        out << dir.filePath(f);
    return out;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

QByteArray log(const char *date, const QByteArray &records, const char *eol = "\r\n")
{
    QByteArray text = "[REG1TEST;1]\nTDate=" + QByteArray(date) + ";" + QByteArray(date)
                      + "\nPCall=9A1XX\n[Remarks]\n[QSORecords;9]\n" + records + "[END;Test]\n";
    return text.replace("\n", eol);
}

// A small log in UTF-16 with its byte-order mark.
QByteArray utf16(QStringConverter::Encoding encoding, const char *mark)
{
    QStringEncoder encode(encoding);
    const QString text = QStringLiteral("[REG1TEST;1]\r\nTDate=20200101;20200101\r\n[QSORecords;2]\r\n"
                                        "200101;1000;S51A;1;59;001;59;001;;JN76TO;1;;;;\r\n"
                                        "200101;1001;9A1AA;1;59;002;59;002;;JN75AB;1;;;;\r\n[END;x]\r\n");
    return QByteArray(mark) + QByteArray(encode(text));
}

QString locatorOf(const KnownStations &s, const QString &call)
{
    const int pos = s.positionOfCall(call);
    return pos < 0 ? QString() : s.at(pos).lokator;
}

}

class TestStationImport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString freshStore()
    {
        const QString path = m_dir.filePath(QStringLiteral("evidencija.mdb"));
        QFile::remove(path);
        return path;
    }

private slots:
    void realLogsAddEveryCallOnce()
    {
        const QStringList files = allSamples();
        QCOMPARE(files.size(), 62);
        KnownStations store;
        QVERIFY(store.open(freshStore()));
        const EdiStationImport::Summary s = EdiStationImport::importLogs(files, store);
        QVERIFY(s.ok());
        QCOMPARE(s.filesRead, 62);
        QCOMPARE(s.malformed, 0);
        QCOMPARE(s.added, 274);
        QCOMPARE(store.size(), 274);
        // Logs disagree on some locators: the later contest date wins ...
        QCOMPARE(locatorOf(store, "YO5KDX/P"), QStringLiteral("KN16NH "));
        // ... and of logs with the same date, the later file.
        QCOMPARE(locatorOf(store, "YU7ZX"), QStringLiteral("KN04FJ ")); // LZ3A after E71W

        // Importing again changes nothing.
        const EdiStationImport::Summary again = EdiStationImport::importLogs(files, store);
        QCOMPARE(again.added, 0);
        QCOMPARE(again.updated, 0);
        QCOMPARE(again.unchanged, 274);
    }

    void sameDateLaterFileWins()
    {
        KnownStations store;
        QVERIFY(store.open(freshStore()));
        EdiStationImport::importLogs({sample("LZ3A_144.edi"), sample("E71W_144.edi")}, store);
        QCOMPARE(locatorOf(store, "YU7ZX"), QStringLiteral("KN05FJ "));
    }

    void knownStationsGetTheNewerLocator()
    {
        QTemporaryDir dir;
        const QString older = writeFile(dir, "older.edi", log("20200101", "200101;1000;S51A;1;59;001;59;001;;JN76TO;1;;;;\n"));
        const QString newer = writeFile(dir, "newer.edi", log("20210101", "210101;1000;S51A;1;59;001;59;001;;JN76AB;1;;;;\n"
                                                                         "210101;1001;9A1AA;1;59;002;59;002;;JN75AB;1;;;;\n"));
        KnownStations store;
        QVERIFY(store.open(freshStore()));
        QVERIFY(store.add("9A1AA", "JN75AB"));
        QVERIFY(store.add("S51A", "JN76XX"));
        // The newer log is named first: the date decides, not the order.
        const EdiStationImport::Summary s = EdiStationImport::importLogs({newer, older}, store);
        QCOMPARE(s.added, 0);
        QCOMPARE(s.updated, 1);
        QCOMPARE(s.unchanged, 1);
        QCOMPARE(locatorOf(store, "S51A"), QStringLiteral("JN76AB "));
    }

    void tolerantReadingAndMalformedLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("malformed");
        QTest::newRow("CR LF, lower-case section, blank lines")
            << QByteArray("[REG1TEST;1]\r\nTDate=20200101;20200102\r\n[qsorecords;2]\r\n\r\n"
                          "200101;1000;s51a;1;59;001;59;001;;jn76to;1;;;;\r\n\r\n"
                          "200101;1001;9A1AA;1;59;002;59;002;;JN75AB;1;;;;\r\n")
            << QStringList{"S51A", "9A1AA"} << 0;
        QTest::newRow("UTF-8 mark and LF")
            << QByteArray("\xEF\xBB\xBF[REG1TEST;1]\n[QSORecords;1]\n200101;1000;OE3A;1;59;001;59;001;;JN88AB;1;;;;\n")
            << QStringList{"OE3A"} << 0;
        QTest::newRow("short line, bad locator, empty call")
            << log("20200101", "200101;1000;S51A;1;59\n"
                               "200101;1001;S52B;1;59;002;59;002;;JN7;1;;;;\n"
                               "200101;1002;;1;59;003;59;003;;JN75AB;1;;;;\n"
                               "200101;1003;9A1AA;1;59;004;59;004;;JN75AB;1;;;;\n")
            << QStringList{"9A1AA"} << 3;
        QTest::newRow("UTF-16 little-endian with its mark")
            << utf16(QStringDecoder::Utf16LE, "\xFF\xFE") << QStringList{"S51A", "9A1AA"} << 0;
        QTest::newRow("UTF-16 big-endian with its mark")
            << utf16(QStringDecoder::Utf16BE, "\xFE\xFF") << QStringList{"S51A", "9A1AA"} << 0;
        QTest::newRow("call of 20 characters kept, of 21 skipped")
            << log("20200101", "200101;1000;9A1AAAAAAAAAAAAAAAAA;1;59;001;59;001;;JN75AB;1;;;;\n"
                               "200101;1001;9A1AAAAAAAAAAAAAAAAAA;1;59;002;59;002;;JN75AB;1;;;;\n")
            << QStringList{"9A1AAAAAAAAAAAAAAAAA"} << 1;
        QTest::newRow("later record of a call wins, first place kept")
            << log("20200101", "200101;1000;S51A;1;59;001;59;001;;JN76TO;1;;;;\n"
                               "200101;1001;9A1AA;1;59;002;59;002;;JN75AB;1;;;;\n"
                               "200101;1002;S51A;1;59;003;59;003;;JN76AB;1;;;;\n")
            << QStringList{"S51A", "9A1AA"} << 0;
        QTest::newRow("CR alone ends lines, a line too long is skipped")
            << log("20200101", "200101;1000;S51A;1;59;001;59;001;;JN76TO;1;;;;\r"
                                   + QByteArray(EdiStationImport::MaxLineLength + 10, ';') + "\r"
                                   + "200101;1001;9A1AA;1;59;002;59;002;;JN75AB;1;;;;\n")
            << QStringList{"S51A", "9A1AA"} << 1;
        QTest::newRow("records end at the next section")
            << log("20200101", "200101;1000;S51A;1;59;001;59;001;;JN76TO;1;;;;\n[Remarks]\nnot;a;record\n")
            << QStringList{"S51A"} << 0;
    }
    void tolerantReadingAndMalformedLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, calls);
        QFETCH(int, malformed);
        const EdiStationImport::LogFile f = EdiStationImport::parseLog(content);
        QVERIFY(f.read);
        QStringList found;
        for (const auto &s : f.stations)
            found << s.call;
        QCOMPARE(found, calls);
        QCOMPARE(f.malformed, malformed);
    }

    void hugeFileIsReadInLittleMemory()
    {
        // 200 MB with a line of 150 MB in the records and 50 MB of records behind it:
        // reading it whole took several times its size; line by line the program
        // stays small, and every record after the long line still counts.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.edi"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(log("20200101", "200101;1000;S51A;1;59;001;59;001;;JN76TO;1;;;;\n").chopped(12));
            const QByteArray chunk(1 << 20, 'x');
            for (int i = 0; i < 150; ++i)
                QVERIFY(f.write(chunk) == chunk.size());
            f.write("\n");
            QByteArray records;
            for (int i = 0; i < 1000; ++i)
                records += QStringLiteral("200101;1001;9A%1AA;1;59;002;59;002;;JN75AB;1;;;;\r\n").arg(i).toLatin1();
            for (qint64 written = 0; written < 50 << 20; written += records.size())
                QVERIFY(f.write(records) == records.size());
            f.write("[END;x]\r\n");
        }
        QTemporaryDir folder;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(BRELOG_BIN_DIR "/brelog"),
                {QStringLiteral("--import-stations"), path, QStringLiteral("--folder"), folder.path()});
        QVERIFY(p.waitForFinished(50000));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("Dodano stanica: 1001")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Preskočeno neispravnih redaka: 1")), qPrintable(out));
        rusage usage{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
        // ru_maxrss is in kilobytes: well below the 150 MB of the long line.
        QVERIFY2(usage.ru_maxrss < 100 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
    }

    void commandLineReportsAndFailsWithoutReadableFile()
    {
        const QString path = freshStore();
        QCOMPARE(StationImportCli::run(ProgramFolder(m_dir.path()), {m_dir.filePath("missing.edi")}), 1);
        QCOMPARE(StationImportCli::run(ProgramFolder(m_dir.path()), {sample("E71W_144.edi"), m_dir.filePath("missing.edi")}), 0);
        KnownStations store;
        QVERIFY(store.open(path));
        QCOMPARE(locatorOf(store, "9A1N"), QStringLiteral("JN85LI "));
    }

    void menuCommandImportsChosenFilesAndShowsSummary()
    {
        freshStore();
        EntryFixture f;
        f.callInfo->start();
        TestPlatform platform;
        platform.files.chosen = {sample("E71W_144.edi"), sample("LZ3A_144.edi")};
        StationImportCommand command(*f.callInfo, platform.platform(), &f.window);
        const EdiStationImport::Summary s = command.run();
        QCOMPARE(platform.files.asked, 1);
        QVERIFY(s.added > 0);
        MessageWindow *w = MessageWindow::find(QStringLiteral("Form25"));
        QVERIFY(w);
        QVERIFY(w->text().contains(QStringLiteral("Dodano stanica: %1").arg(s.added)));
        QCOMPARE(f.entry.DataGrid2->model()->rowCount(), f.callInfo->knownStations().size());
        w->close();
    }
};

QTEST_MAIN(TestStationImport)
#include "tst_stationimport.moc"
