#include "BrelogCommandLine.h"
#include "ExportFixture.h"
#include "TestSupport.h"

#include "export/AdifWriter.h"
#include "export/AsciiText.h"
#include "export/EdiWriter.h"
#include "export/LogExport.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

class TestExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void ediOfBandMatchesExpectedFile_data();
    void ediOfBandMatchesExpectedFile();
    void adifOfBandMatchesExpectedFile_data();
    void adifOfBandMatchesExpectedFile();
    void adifOfEmptyBandWritesNoFile();
    void adifFrequencyAndBandFollowTheBandColumn_data();
    void adifFrequencyAndBandFollowTheBandColumn();
    void adifValuesAreAsciiAndCountedInBytes_data();
    void adifValuesAreAsciiAndCountedInBytes();
    void ediModeCodes_data();
    void ediModeCodes();

    void fileNameReplacesSlashes();
    void exportReplacesPreviousFile();
    void failedWriteKeepsPreviousFile_data();
    void failedWriteKeepsPreviousFile();

    void commandLineWritesTheBandFile_data();
    void commandLineWritesTheBandFile();
    void commandLineRejectsBadRequests_data();
    void commandLineRejectsBadRequests();
    void commandLineExportOntoAFullDiskFailsAndKeepsThePreviousFile();

    void ediValuesCannotAddLinesOrFields_data();
    void ediValuesCannotAddLinesOrFields();
    void fileNamesArePrintableAndFitTheFileSystem_data();
    void fileNamesArePrintableAndFitTheFileSystem();

private:
    QByteArray compose(LogExport::Format format, const QString &band);
    void compareWithExpected(const QByteArray &actual, const QString &name);

    std::unique_ptr<TempProgramFolder> m_folder;
    QSqlDatabase m_db;
};

void TestExport::init()
{
    m_folder = std::make_unique<TempProgramFolder>(false);
    QString error;
    QVERIFY2(ExportFixture::create(m_folder->file(QStringLiteral("contest.mdb")), &error), qPrintable(error));
    m_db = ContestDatabase::open(m_folder->file(QStringLiteral("contest.mdb")), &error);
    QVERIFY2(m_db.isValid(), qPrintable(error));
}

void TestExport::cleanup()
{
    SqliteDatabase::close(m_db);
    m_folder.reset();
}

QByteArray TestExport::compose(LogExport::Format format, const QString &band)
{
    QVector<QsoRow> rows;
    ContestSettings settings;
    if (!LogStore(m_db).bandRows(band, rows) || !ContestSettingsTable::load(m_db, settings))
        return {};
    return format == LogExport::Format::Edi
               ? EdiWriter::compose(rows, settings, band, ExportFixture::totals(m_db, band))
               : AdifWriter::compose(rows, settings);
}

void TestExport::compareWithExpected(const QByteArray &actual, const QString &name)
{
    const QByteArray expected = ExportFixture::expected(name);
    if (actual != expected) {
        // Leave the text beside the test binary for a diff.
        QFile out(QStringLiteral(BRELOG_TESTS_BIN_DIR "/actual-") + name);
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(actual, expected);
}

void TestExport::ediOfBandMatchesExpectedFile_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("expectedFile");
    QTest::newRow("144 MHz: duplicate, call with slash, serial 1000, one remark line")
        << "144 MHz" << "9A1ABC_P-144MHz.edi";
    QTest::newRow("432 MHz: two remark lines, alternative date and time forms")
        << "432 MHz" << "9A1ABC_P-432MHz.edi";
    QTest::newRow("band with settings but no QSO") << "50 MHz" << "9A1ABC_P-50MHz.edi";
    QTest::newRow("no band selected lists every QSO with empty band lines") << "" << "9A1ABC_P-noband.edi";
}

void TestExport::ediOfBandMatchesExpectedFile()
{
    QFETCH(QString, band);
    QFETCH(QString, expectedFile);
    compareWithExpected(compose(LogExport::Format::Edi, band), expectedFile);
}

void TestExport::adifOfBandMatchesExpectedFile_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("expectedFile");
    QTest::newRow("144 MHz: duplicate, call with slash, serial 1000") << "144 MHz" << "9A1ABC_P-144MHz.adi";
    QTest::newRow("no band selected: every QSO with its own band") << "" << "9A1ABC_P-noband.adi";
}

void TestExport::adifOfBandMatchesExpectedFile()
{
    QFETCH(QString, band);
    QFETCH(QString, expectedFile);
    compareWithExpected(compose(LogExport::Format::Adif, band), expectedFile);
}

void TestExport::adifOfEmptyBandWritesNoFile()
{
    ContestSettings settings;
    QVERIFY(ContestSettingsTable::load(m_db, settings));
    const LogExport::Result r = LogExport::exportBand(m_db, LogExport::Format::Adif, QStringLiteral("50 MHz"),
                                                      settings, {}, m_folder->path());
    QCOMPARE(r.status, LogExport::Result::EmptyBand);
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("log"))));
}

void TestExport::adifFrequencyAndBandFollowTheBandColumn_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("band");
    QTest::newRow("50 MHz") << "50 MHz " << "50.0000" << "6M";
    QTest::newRow("432 MHz") << "432 MHz " << "432.0000" << "70CM";
    QTest::newRow("2,3 GHz") << "2,3 GHz " << "2300.0000" << "13CM";
    QTest::newRow("24 GHz has a decimal band name") << "24 GHz " << "24000.0000" << "1.25CM";
    QTest::newRow("144 GHz is not 144 MHz") << "144 GHz " << "144000.0000" << "2MM";
    QTest::newRow("248 GHz") << "248 GHz " << "248000.0000" << "1MM";
    QTest::newRow("unknown label has no band name") << "9 cm " << "9 cm" << "";
}

void TestExport::adifFrequencyAndBandFollowTheBandColumn()
{
    QFETCH(QString, stored);
    QFETCH(QString, frequency);
    QFETCH(QString, band);
    QCOMPARE(AdifWriter::frequency(stored), frequency);
    QCOMPARE(AdifWriter::bandName(AdifWriter::frequency(stored)), band);
}

void TestExport::adifValuesAreAsciiAndCountedInBytes_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("trailing storage blank is not counted") << "9A2BB " << QByteArray("<X:5>9A2BB");
    QTest::newRow("empty value") << " " << QByteArray("<X:0>");
    QTest::newRow("Croatian letters") << "Čakovec Đurđevac šž ć"
                                      << QByteArray("<X:21>Cakovec Durdevac sz c");
    QTest::newRow("Hungarian and Polish letters") << "Győr Łódź" << QByteArray("<X:9>Gyor Lodz");
    QTest::newRow("letter spelt with two characters") << "Straße" << QByteArray("<X:7>Strasse");
    QTest::newRow("dash and quotes") << "Kup – „Zima“" << QByteArray("<X:12>Kup - \"Zima\"");
    QTest::newRow("sign without an ASCII form") << "5€" << QByteArray("<X:2>5?");
}

void TestExport::adifValuesAreAsciiAndCountedInBytes()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, field);
    QCOMPARE(AdifWriter::field("X", value), field);
}

void TestExport::ediModeCodes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("code");
    QTest::newRow("SSB") << "SSB " << 1;
    QTest::newRow("CW") << "CW " << 2;
    QTest::newRow("AM") << "AM " << 5;
    QTest::newRow("FM") << "FM " << 6;
    QTest::newRow("RTTY") << "RTTY " << 7;
    QTest::newRow("SSTV") << "SSTV " << 8;
    QTest::newRow("ATV") << "ATV " << 9;
    QTest::newRow("Drugo! is other") << "Drugo! " << 0;
    QTest::newRow("case counts") << "ssb " << 0;
}

void TestExport::ediModeCodes()
{
    QFETCH(QString, mode);
    QFETCH(int, code);
    QCOMPARE(EdiWriter::modeCode(mode), code);
}

void TestExport::fileNameReplacesSlashes()
{
    ContestSettings s = ExportFixture::settings();
    QCOMPARE(LogExport::fileName(LogExport::Format::Edi, s, QStringLiteral("144 MHz")),
             QStringLiteral("9A1ABC_P-Kup Međimurja-144 MHz.edi"));
    s.pozivniZnak = QStringLiteral(" 9A/S51X/P ");
    s.nazivNatjecanja = QStringLiteral("../Kup 1/2");
    QCOMPARE(LogExport::fileName(LogExport::Format::Adif, s, QStringLiteral("1,3 GHz")),
             QStringLiteral("9A_S51X_P-.._Kup 1_2-1,3 GHz.adi"));
}

void TestExport::exportReplacesPreviousFile()
{
    ContestSettings settings;
    QVERIFY(ContestSettingsTable::load(m_db, settings));
    const QString band = QStringLiteral("144 MHz");
    LogExport::Result r = LogExport::exportBand(m_db, LogExport::Format::Edi, band, settings,
                                                ExportFixture::totals(m_db, band), m_folder->path());
    QVERIFY2(r.ok(), qPrintable(r.detail));
    QCOMPARE(r.path, m_folder->file(QStringLiteral("log/9A1ABC_P-Kup Međimurja-144 MHz.edi")));

    QVERIFY(LogStore(m_db).remove(1));
    r = LogExport::exportBand(m_db, LogExport::Format::Edi, band, settings, ExportFixture::totals(m_db, band),
                              m_folder->path());
    QVERIFY(r.ok());
    QFile f(r.path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(!text.contains("S51ZZ/P"));
    QVERIFY(text.contains("[QSORecords;4]\r\n"));
    QCOMPARE(QDir(m_folder->file(QStringLiteral("log"))).entryList(QDir::Files).size(), 1);
}

void TestExport::failedWriteKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("status");
    QTest::newRow("log folder path is a file") << "log is a file" << int(LogExport::Result::FolderFailed);
    QTest::newRow("file name taken by a folder") << "target is a folder" << int(LogExport::Result::WriteFailed);
    QTest::newRow("write fails midway, the old export stays")
        << "file size limit" << int(LogExport::Result::WriteFailed);
}

void TestExport::failedWriteKeepsPreviousFile()
{
    QFETCH(QString, failure);
    QFETCH(int, status);
    const QString logDir = m_folder->file(QStringLiteral("log"));
    const QString name = QStringLiteral("good.edi");
    const QString target = logDir + QLatin1Char('/') + name;
    const QByteArray good("[REG1TEST;1]\r\nthe good export\r\n");
    const QByteArray bytes(64 * 1024, 'x');

    auto writeFileAt = [](const QString &path, const QByteArray &data) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    };
    QString survivor;
    if (failure == QLatin1String("log is a file")) {
        survivor = logDir;
        QVERIFY(writeFileAt(logDir, good));
    } else if (failure == QLatin1String("target is a folder")) {
        QVERIFY(QDir().mkpath(target));
        survivor = logDir + QStringLiteral("/other.edi");
        QVERIFY(writeFileAt(survivor, good));
    } else {
        QVERIFY(QDir().mkpath(logDir));
        survivor = target;
        QVERIFY(writeFileAt(target, good));
    }

    LogExport::Result r;
    if (failure == QLatin1String("file size limit")) {
        // Root may write anywhere, but not past the file size limit: the write itself fails.
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 4096;
        auto *previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        r = LogExport::writeFile(logDir, name, bytes);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
    } else {
        r = LogExport::writeFile(logDir, name, bytes);
    }

    QCOMPARE(int(r.status), status);
    QFile f(survivor);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), good);
    if (QFileInfo(logDir).isDir()) {
        // No temporary file is left behind.
        QStringList files = QDir(logDir).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files, QStringList{QFileInfo(survivor).fileName()});
    }
}

// The band files come out without a display of any kind.
using CliRun = TestSupport::CommandLineRun;
using TestSupport::runBrelog;

void TestExport::commandLineWritesTheBandFile_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expectedFile");
    QTest::newRow("edi") << "edi" << "144 MHz" << "9A1ABC_P-Kup Međimurja-144 MHz.edi" << "9A1ABC_P-144MHz.edi";
    QTest::newRow("adif") << "adif" << "144 MHz" << "9A1ABC_P-Kup Međimurja-144 MHz.adi" << "9A1ABC_P-144MHz.adi";
    QTest::newRow("edi of a band without QSOs") << "edi" << "50 MHz" << "9A1ABC_P-Kup Međimurja-50 MHz.edi"
                                                << "9A1ABC_P-50MHz.edi";
}

void TestExport::commandLineWritesTheBandFile()
{
    QFETCH(QString, format);
    QFETCH(QString, band);
    QFETCH(QString, fileName);
    QFETCH(QString, expectedFile);
    const CliRun r = runBrelog({QStringLiteral("--export"), format, QStringLiteral("--band"), band,
                                QStringLiteral("--folder"), m_folder->path()});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QString path = m_folder->file(QStringLiteral("log/") + fileName);
    QCOMPARE(QString::fromUtf8(r.out).trimmed(), path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), ExportFixture::expected(expectedFile));
}

void TestExport::commandLineRejectsBadRequests_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("band that is not a label") << "" << QStringList{"--export", "edi", "--band", "144"}
                                              << "unknown band \"144\"";
    QTest::newRow("no band given") << "" << QStringList{"--export", "adif"} << "unknown band \"\"";
    QTest::newRow("unknown format") << "" << QStringList{"--export", "cabrillo", "--band", "144 MHz"}
                                    << "unknown export format";
    QTest::newRow("missing database") << "no database" << QStringList{"--export", "edi", "--band", "144 MHz"}
                                      << "no contest database";
    QTest::newRow("log folder cannot be made") << "log is a file"
                                               << QStringList{"--export", "edi", "--band", "144 MHz"}
                                               << "cannot create the folder";
    QTest::newRow("adif of a band without QSOs") << "" << QStringList{"--export", "adif", "--band", "50 MHz"}
                                                 << "no QSOs on 50 MHz";
}

void TestExport::commandLineRejectsBadRequests()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    if (setup == QLatin1String("no database")) {
        SqliteDatabase::close(m_db);
        QVERIFY(QFile::remove(m_folder->file(QStringLiteral("contest.mdb"))));
    } else if (setup == QLatin1String("log is a file")) {
        QFile f(m_folder->file(QStringLiteral("log")));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const CliRun r = runBrelog(args + QStringList{QStringLiteral("--folder"), m_folder->path()});
    QVERIFY(r.exitCode > 0);
    QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
    QVERIFY(r.out.isEmpty());
    if (setup == QLatin1String("no database"))
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("contest.mdb"))));
    if (setup.isEmpty())
        QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("log"))));
}

void TestExport::commandLineExportOntoAFullDiskFailsAndKeepsThePreviousFile()
{
    TmpfsMount disk(512);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    SqliteDatabase::close(m_db);
    QVERIFY(QFile::copy(m_folder->file(QStringLiteral("contest.mdb")), disk.file(QStringLiteral("contest.mdb"))));
    const QStringList args{QStringLiteral("--export"), QStringLiteral("edi"), QStringLiteral("--band"),
                           QStringLiteral("144 MHz"), QStringLiteral("--folder"), disk.path()};
    CliRun r = runBrelog(args);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QString path = QString::fromUtf8(r.out).trimmed();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();
    QVERIFY(good.size() > 500);

    QVERIFY(disk.fill());
    r = runBrelog(args);
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("disk full") && r.err.contains("log/"), r.err.constData());
    QVERIFY(r.out.isEmpty());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), good);
    QCOMPARE(QDir(disk.file(QStringLiteral("log"))).entryList(QDir::Files | QDir::Hidden),
             QStringList(QFileInfo(path).fileName()));
}

void TestExport::ediValuesCannotAddLinesOrFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expectedLine");
    QTest::newRow("call with a semicolon") << "call" << "S5;1X" << QByteArray("260502;1401;S5 1X;1;59;001;57;012;;JN76TO;160;;;;");
    QTest::newRow("locator with a semicolon") << "loc" << "JN;76" << QByteArray("260502;1401;S51ZZ/P;1;59;001;57;012;;JN 76;160;;;;");
    QTest::newRow("contest name with a line break") << "contest" << "Kup\r\nPCall=XX9XX" << QByteArray("TName=Kup  PCall=XX9XX");
    QTest::newRow("address with NUL and a Unicode line separator")
        << "address" << QStringLiteral("Ulica%1 1%2RCall=X").arg(QChar(0)).arg(QChar(0x2028)) << QByteArray("PAdr1=Ulica  1 RCall=X");
    QTest::newRow("remark line that looks like a section") << "remarks" << "prvi red\n[QSORecords;1]" << QByteArray(" [QSORecords;1]");
    QTest::newRow("remark line [END]") << "remarks" << "[END]" << QByteArray(" [END]");
}

void TestExport::ediValuesCannotAddLinesOrFields()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QByteArray, expectedLine);
    const QString band = QStringLiteral("144 MHz");
    QVector<QsoRow> rows;
    QVERIFY(LogStore(m_db).bandRows(band, rows));
    ContestSettings settings = ExportFixture::settings();
    if (field == QLatin1String("call"))
        rows[0].call = value + QLatin1Char(' ');
    else if (field == QLatin1String("loc"))
        rows[0].loc = value + QLatin1Char(' ');
    else if (field == QLatin1String("contest"))
        settings.nazivNatjecanja = value;
    else if (field == QLatin1String("address"))
        settings.adresa = value;
    else
        settings.bands[3].komentar = value;
    const QByteArray text = EdiWriter::compose(rows, settings, band, ExportFixture::totals(m_db, band));
    QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // the file ends with a line end
    for (QByteArray &l : lines) {
        QVERIFY2(l.endsWith('\r') && l.count('\r') == 1, l.constData());
        l.chop(1);
    }
    QVERIFY2(lines.contains(expectedLine), text.constData());
    // Exactly the designed lines: one of each header key, the designed sections, and
    // fifteen fields in every record.
    QCOMPARE(lines.count("[QSORecords;5]"), 1);
    int sections = 0, pcall = 0;
    for (const QByteArray &l : lines) {
        sections += l.startsWith('[');
        pcall += l.startsWith("PCall=");
    }
    QCOMPARE(sections, 4); // [REG1TEST;1], [Remarks], [QSORecords;5], [END]
    QCOMPARE(pcall, 1);
    const qsizetype first = lines.indexOf("[QSORecords;5]") + 1;
    QCOMPARE(lines.size() - first - 1, 5);
    for (qsizetype i = first; i < lines.size() - 1; ++i)
        QCOMPARE(lines.at(i).count(';'), 14);
}

void TestExport::fileNamesArePrintableAndFitTheFileSystem_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("contest");
    QTest::addColumn<QString>("expected"); // empty: only the checks below
    QTest::newRow("NUL in the contest name") << "9A1A" << QStringLiteral("Kup%1x").arg(QChar(0)) << "9A1A-Kup_x-144 MHz.edi";
    QTest::newRow("line break in the call") << "9A1A\n/P" << "Kup" << "9A1A__P-Kup-144 MHz.edi";
    QTest::newRow("tab and escape") << "9A1A" << "a\tb\x1b" "c" << "9A1A-a_b_c-144 MHz.edi";
    QTest::newRow("letters beyond ASCII stay") << "9A1A" << "Kup Međimurja ☀" << "9A1A-Kup Međimurja ☀-144 MHz.edi";
    QTest::newRow("very long contest name") << "9A1A" << QString(1000, QLatin1Char('k')) << "";
    QTest::newRow("very long name of two-byte letters") << QString(300, QChar(0x0161)) << QString(300, QChar(0x0107)) << "";
}

void TestExport::fileNamesArePrintableAndFitTheFileSystem()
{
    QFETCH(QString, call);
    QFETCH(QString, contest);
    QFETCH(QString, expected);
    ContestSettings settings;
    QVERIFY(ContestSettingsTable::load(m_db, settings));
    settings.pozivniZnak = call;
    settings.nazivNatjecanja = contest;
    const QString band = QStringLiteral("144 MHz");
    const QString name = LogExport::fileName(LogExport::Format::Edi, settings, band);
    if (!expected.isEmpty())
        QCOMPARE(name, expected);
    QVERIFY2(name.endsWith(QStringLiteral("-144 MHz.edi")), qPrintable(name));
    QVERIFY(QFile::encodeName(name).size() <= LogExport::MaxFileNameBytes);
    for (const QChar c : name)
        QVERIFY2(c.isPrint() || c.isSurrogate(), qPrintable(name));
    // And the file is really written under that name.
    const LogExport::Result r = LogExport::exportBand(m_db, LogExport::Format::Edi, band, settings,
                                                      ExportFixture::totals(m_db, band), m_folder->path());
    QVERIFY2(r.ok(), qPrintable(r.detail));
    QCOMPARE(QDir(m_folder->file(QStringLiteral("log"))).entryList(QDir::Files), QStringList(name));
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
