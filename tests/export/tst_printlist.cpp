#include "ExportFixture.h"
#include "TestPlatform.h"
#include "TestSupport.h"

#include "contest/ContestSession.h"
#include "contest/ContestSettingsStore.h"
#include "contest/ContestSession.h"
#include "contestlog/EntrySession.h"
#include "controls/ui/MessageWindow.h"
#include "export/ReportPagination.h"
#include "export/ui/ExportCommands.h"
#include "export/ui/QsoListReport.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTest>

Q_DECLARE_METATYPE(QVector<ReportPagination::PageRange>)

class TestPrintList : public QObject
{
    Q_OBJECT
    TestPlatform m_platform;
private slots:
    void init();
    void cleanup();

    void pagesHoldWholeLines_data();
    void pagesHoldWholeLines();
    void reportPdfShowsHeaderRowsAndFooter();

    void menuExportsWriteTheBandFile_data();
    void menuExportsWriteTheBandFile();
    void adifMenuReportsEmptyBand();
    void menuExportReportsFailure();
    void printListOpensPreviewOfBand();
    void printListOfEmptyBandShowsNothing();

private:
    void openSession();
    std::unique_ptr<TempProgramFolder> m_folder;
    // The main window's entry session on the band chosen (its totals come from the log).
    EntrySession &onBand(const QString &band);
    std::unique_ptr<EntrySession> m_entry;
};

void TestPrintList::init()
{
    m_folder = std::make_unique<TempProgramFolder>(false);
    QString error;
    QVERIFY2(ExportFixture::create(m_folder->file(QStringLiteral("contest.mdb")), &error), qPrintable(error));
}

EntrySession &TestPrintList::onBand(const QString &band)
{
    m_entry = std::make_unique<EntrySession>(m_folder->context());
    m_entry->setDatabase(m_folder->context().database());
    m_entry->changeBand(band);
    return *m_entry;
}

void TestPrintList::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_entry.reset();
    m_folder.reset();
}

void TestPrintList::openSession()
{
    QString error;
    QVERIFY2(m_folder->context().session().open(&error), qPrintable(error));
}

void TestPrintList::pagesHoldWholeLines_data()
{
    using PR = ReportPagination::PageRange;
    // A4 less 15 mm margins top and bottom: 267 mm = 15137 twips; 51 lines fit.
    const ReportPagination::Layout a4 = QsoListReport::layout(15137);
    QTest::addColumn<ReportPagination::Layout>("layout");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QVector<PR>>("pages");
    QTest::newRow("no QSO, no page") << a4 << 0 << QVector<PR>{};
    QTest::newRow("one QSO") << a4 << 1 << QVector<PR>{{0, 1}};
    QTest::newRow("exactly one page's worth") << a4 << 51 << QVector<PR>{{0, 51}};
    QTest::newRow("one more than a page") << a4 << 52 << QVector<PR>{{0, 51}, {51, 1}};
    QTest::newRow("250 QSOs") << a4 << 250 << QVector<PR>{{0, 51}, {51, 51}, {102, 51}, {153, 51}, {204, 46}};
    QTest::newRow("lines that fill the page exactly")
        << ReportPagination::Layout{1000, 100, 100, 200} << 9 << QVector<PR>{{0, 4}, {4, 4}, {8, 1}};
    QTest::newRow("page too small still advances")
        << ReportPagination::Layout{100, 100, 100, 200} << 2 << QVector<PR>{{0, 1}, {1, 1}};
}

void TestPrintList::pagesHoldWholeLines()
{
    QFETCH(ReportPagination::Layout, layout);
    QFETCH(int, rows);
    QFETCH(QVector<ReportPagination::PageRange>, pages);
    QCOMPARE(ReportPagination::paginate(rows, layout), pages);
}

void TestPrintList::reportPdfShowsHeaderRowsAndFooter()
{
    QsoListReport::Data data;
    data.contest = QStringLiteral("Kup Međimurja");
    data.call = QStringLiteral("9A1ABC/P");
    data.locator = QStringLiteral("JN86CD");
    data.points = QStringLiteral("12345");
    data.band = QStringLiteral("144 MHz");
    data.date = QStringLiteral("2026-05-03");
    for (int i = 1; i <= 120; ++i) {
        QsoEntry e = ExportFixture::qso(QStringLiteral("144 MHz"), QStringLiteral("2026-05-02"),
                                        QStringLiteral("14:01"), QStringLiteral("S5%1ZZ").arg(i),
                                        QStringLiteral("SSB"), i, 500 + i, QStringLiteral("JN76TO"), 160 + i,
                                        i == 7 ? QStringLiteral("D") : QStringLiteral("-"));
        data.rows.append(LogStore::storedForm(e, i));
    }
    const QString pdf = m_folder->file(QStringLiteral("list.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    QVERIFY(QsoListReport(data).print(&printer));

    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3); // 51 + 51 + 18 lines
    for (int n = 0; n < 3; ++n) {
        const QString &page = pages.at(n);
        QVERIFY(page.contains(QStringLiteral("Kup Međimurja")));
        QVERIFY(page.contains(QRegularExpression(QStringLiteral("Call:\\s+9A1ABC/P"))));
        QVERIFY(page.contains(QRegularExpression(QStringLiteral("Locator:\\s+JN86CD"))));
        QVERIFY(page.contains(QRegularExpression(QStringLiteral("Points:\\s+12345"))));
        QVERIFY(page.contains(QRegularExpression(QStringLiteral("Band:\\s+144 MHz"))));
        QVERIFY(page.contains(QRegularExpression(
            QStringLiteral("Date\\s+Time\\s+Call\\s+RST S\\s+Nr S\\s+Mode\\s+RST R\\s+Nr R\\s+Locator\\s+QRB\\s+"
                           "Bearing\\s+Dupe"))));
        QVERIFY2(page.contains(QStringLiteral("Page %1 of 3").arg(n + 1)), qPrintable(page.right(200)));
        QVERIFY(page.contains(QStringLiteral("2026-05-03")));
        QVERIFY(page.contains(QStringLiteral("Brelog")));
    }
    // Every QSO once, in stored order, on the page the pagination gave it.
    QRegularExpression line(QStringLiteral("2026-05-02\\s+14:01\\s+(S5\\d+ZZ)\\s+59\\s+(\\d+)\\s+SSB\\s+57\\s+"
                                           "(\\d+)\\s+JN76TO\\s+(\\d+)\\s+123\\s+([-D])"));
    int expected = 1;
    for (int n = 0; n < 3; ++n) {
        auto it = line.globalMatch(pages.at(n));
        int onPage = 0;
        while (it.hasNext()) {
            const auto m = it.next();
            QCOMPARE(m.captured(1), QStringLiteral("S5%1ZZ").arg(expected));
            QCOMPARE(m.captured(2).toInt(), expected);
            QCOMPARE(m.captured(5), expected == 7 ? QStringLiteral("D") : QStringLiteral("-"));
            ++expected;
            ++onPage;
        }
        QCOMPARE(onPage, n < 2 ? 51 : 18);
    }
    QCOMPARE(expected, 121);
}

void TestPrintList::menuExportsWriteTheBandFile_data()
{
    QTest::addColumn<bool>("edi");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expectedFile");
    QTest::newRow("edi") << true << "9A1ABC_P-Kup Međimurja-144 MHz.edi" << "9A1ABC_P-144MHz.edi";
    QTest::newRow("adif") << false << "9A1ABC_P-Kup Međimurja-144 MHz.adi" << "9A1ABC_P-144MHz.adi";
}

void TestPrintList::menuExportsWriteTheBandFile()
{
    QFETCH(bool, edi);
    QFETCH(QString, fileName);
    QFETCH(QString, expectedFile);
    openSession();
    EntrySession &entry = onBand(QStringLiteral("144 MHz "));
    QCOMPARE(entry.totals().count, 5);
    QCOMPARE(entry.totals().points, 1274);
    QVERIFY(edi ? ExportCommands::exportEdi(m_folder->context(), entry, m_platform.platform())
                : ExportCommands::exportAdif(m_folder->context(), entry, m_platform.platform()));
    QFile f(m_folder->file(QStringLiteral("log/") + fileName));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), ExportFixture::expected(expectedFile));
    QVERIFY(!MessageWindow::find(QStringLiteral("Form23")));
}

void TestPrintList::adifMenuReportsEmptyBand()
{
    openSession();
    QVERIFY(!ExportCommands::exportAdif(m_folder->context(), onBand(QStringLiteral("50 MHz")), m_platform.platform()));
    MessageWindow *w = MessageWindow::find(QStringLiteral("Form24"));
    QVERIFY(w);
    QCOMPARE(w->text(), QStringLiteral("Na ovom bandu nema veza."));
    QVERIFY(!QFileInfo::exists(m_folder->file(QStringLiteral("log"))));
}

void TestPrintList::menuExportReportsFailure()
{
    openSession();
    QFile blocker(m_folder->file(QStringLiteral("log")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!ExportCommands::exportEdi(m_folder->context(), onBand(QStringLiteral("144 MHz")), m_platform.platform()));
    MessageWindow *w = MessageWindow::find(QStringLiteral("Form23"));
    QVERIFY(w);
    // The fixed text and the reason are separate labels: the packs relabel only Label1.
    auto *text = w->findChild<QLabel *>(QStringLiteral("Label1"));
    auto *why = w->findChild<QLabel *>(QStringLiteral("Label2"));
    QVERIFY(text && why);
    QCOMPARE(text->text(), QStringLiteral("Izvoz nije uspio."));
    QVERIFY2(why->text().contains(m_folder->file(QStringLiteral("log"))), qPrintable(why->text()));
}

void TestPrintList::printListOpensPreviewOfBand()
{
    openSession();
    QPrintPreviewDialog *preview = ExportCommands::printQsoList(m_folder->context(), onBand(QStringLiteral("432 MHz")), m_platform.platform());
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Print all QSO's"));
    QPointer<QPrintPreviewDialog> guard(preview);
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

void TestPrintList::printListOfEmptyBandShowsNothing()
{
    openSession();
    QVERIFY(!ExportCommands::printQsoList(m_folder->context(), onBand(QStringLiteral("50 MHz")), m_platform.platform()));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestPrintList)
#include "tst_printlist.moc"
