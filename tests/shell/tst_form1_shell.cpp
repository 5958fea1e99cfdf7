#include "StoredRows.h"
#include "MainWindowFixture.h"
#include "callinfo/ui/LogSearchWindow.h"
#include "contest/ContestSession.h"
#include "contestlog/BandLogModel.h"
#include "contestlog/EntrySession.h"
#include "platform/UtcClock.h"
#include "shell/ui/Form1.h"
#include "shell/ui/UtcClockController.h"

#include <QAction>
#include "controls/ui/ChameleonButton.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QFileInfo>
#include <QPointer>
#include <QTimeZone>
#include <QTableView>
#include <QTest>

// The main window with its collaborators together: call-sign information, searches,
// clock and menus, as the operator meets them.
class TestForm1Shell : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MainWindowFixture::closeMessageWindows(); }
    void countryAndNewDxccFollowTheCall();
    void savedQsoTeachesKnownStationAndPickFillsEntry();
    void searchLoadsFirstFoundForUpdateNotCopy();
    void clockFillsTimeAndDateInUtc();
    void menuTreeIsComplete();
    void closingTheWindowClosesTheDatabases();
    void languageMenuRelabelsWindowAndGridHeaders();
    void savedCopyShowsTheProgressWindow();
};

namespace {


QString stored(MainWindowFixture &f, const QString &column)
{
    return TestSupport::storedRows(f.folder().context().database(), column).join(QLatin1Char(','));
}

}

void TestForm1Shell::countryAndNewDxccFollowTheCall()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QTest::keyClicks(e.Text2, QStringLiteral("dl1abc"));
    QCOMPARE(e.Label17->text(), QStringLiteral("Fed. Rep. of Germany"));
    QCOMPARE(e.Label18->text(), QStringLiteral("14"));
    QCOMPARE(e.Label19->text(), QStringLiteral("28"));
    QVERIFY(e.Label25->isVisible()); // the band is empty: every country is new
    e.Text7->setText(QStringLiteral("1"));
    e.Text8->setText(QStringLiteral("JN58TD"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QVERIFY(e.Label17->text().isEmpty()); // the reset blanks the display
    QTest::keyClicks(e.Text2, QStringLiteral("DK2XY"));
    QCOMPARE(e.Label17->text(), QStringLiteral("Fed. Rep. of Germany"));
    QVERIFY(!e.Label25->isVisible());
    e.Text7->setText(QStringLiteral("2"));
    e.Text8->setText(QStringLiteral("JN58TD"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(stored(f, QStringLiteral("DXCCd")),
             QStringLiteral("Fed. Rep. of Germany,-"));
    QTest::keyClicks(e.Text2, QStringLiteral("OE3"));
    QCOMPARE(e.Label17->text(), QStringLiteral("Austria"));
    QVERIFY(e.Label25->isVisible());
    e.Text2->clear();
    QVERIFY(e.Label17->text().isEmpty() && !e.Label25->isVisible());
}

void TestForm1Shell::savedQsoTeachesKnownStationAndPickFillsEntry()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51ZZ"), QStringLiteral("4"), QStringLiteral("76TB"));
    QTest::keyClicks(e.Text2, QStringLiteral("51Z"));
    QAbstractItemModel *list = e.DataGrid2->model();
    QVERIFY(list);
    QCOMPARE(list->rowCount(), 1);
    QCOMPARE(list->index(0, 0).data().toString(), QStringLiteral("S51ZZ "));
    e.Text2->clear();
    const QRect r = e.DataGrid2->visualRect(list->index(0, 0));
    QTest::mouseClick(e.DataGrid2->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(e.Text2->text(), QStringLiteral("S51ZZ"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN76TB"));
    QVERIFY(e.Label16->isVisible()); // picked call already worked on the band
}

void TestForm1Shell::searchLoadsFirstFoundForUpdateNotCopy()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S53C"), QStringLiteral("1"), QStringLiteral("86CD"));
    f.typeQso(QStringLiteral("S52B"), QStringLiteral("2"), QStringLiteral("86CD"));
    f.typeQso(QStringLiteral("9A1A"), QStringLiteral("3"), QStringLiteral("86CD"));
    e.pozivniznaktrazi->trigger();
    LogSearchWindow *box = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("MsBox1") && w->isVisible())
            box = qobject_cast<LogSearchWindow *>(w);
    QVERIFY(box);
    QTest::keyClicks(box->searchField(), QStringLiteral("s5"));
    QCOMPARE(f.window().logModel().rowCount(), 2); // sorted by call: S52B first
    QCOMPARE(e.Text2->text(), QStringLiteral("S52B"));
    QCOMPARE(f.window().entrySession().mode(), EntrySession::Mode::Edit);
    box->close();
    e.Text8->setText(QStringLiteral("JN88AA"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(stored(f, QStringLiteral("trim(Call) || '/' || trim(Loc)")),
             QStringLiteral("S53C/JN86CD,S52B/JN88AA,9A1A/JN86CD"));
    QCOMPARE(f.window().logModel().rowCount(), 3); // the grid shows the whole band again
}

void TestForm1Shell::clockFillsTimeAndDateInUtc()
{
    MainWindowFixture f;
    f.clock().now = QDateTime(QDate(2026, 5, 2), QTime(9, 5, 7), Qt::UTC);
    EntryLine &e = f.window().entry();
    f.window().clock().tick1();
    QCOMPARE(e.Text1->text(), QStringLiteral("09:05"));
    QCOMPARE(e.Text14->text(), QStringLiteral("2026-05-02"));
    e.Check1->setChecked(true); // logging afterwards: typed values stay
    e.Text1->setText(QStringLiteral("07:00"));
    f.window().clock().tick1();
    QCOMPARE(e.Text1->text(), QStringLiteral("07:00"));
}

void TestForm1Shell::menuTreeIsComplete()
{
    MainWindowFixture f;
    const QStringList menus = {"podaci", "postav", "editiranje", "alati", "pretraga",
                               "statistika", "ispis", "jezik", "oprogramu"};
    QStringList titles;
    for (QAction *a : f.window().menuBar()->actions())
        titles << a->menu()->objectName();
    QCOMPARE(titles, menus);
    const QList<QPair<QString, QString>> items = {
        {"kreiranje", "Novo  natjecanje"}, {"sprembaze", "Spremi natjecanje"}, {"pozivanjebaze", "Pozovi natjecanje"},
        {"edi", "Izvoz u EDI"}, {"izuadi", "Izvoz u ADIF"}, {"kraj", "Kraj"},
        {"osobnepostavke", "Postavke natjecanja"}, {"spremi", "Spremi vezu"}, {"izmjeni", "Izmjeni vezu"},
        {"odustani", "Odustani"}, {"brisi", "Briši vezu"}, {"lokkalk", "Lokator kalkulator"},
        {"pozivniznaktrazi", "Traži po pozivnom znaku"}, {"trazipolok", "Traži po lokatoru"},
        {"stati", "Statistika"}, {"issvihveza", "Ispis svih veza"}, {"hrvat", "Hrvatski"}, {"eng", "English"},
        {"polski", "Polski"}, {"slovakian", "Slovensky"}, {"cwiinterface", "CW Interface"},
        {"frekv", "Liste frekvencija"}, {"pomoc", "Pomoć"}, {"oprogramceku", "O programu"}};
    for (const auto &[name, text] : items) {
        QAction *a = f.window().action(name);
        QVERIFY2(a, qPrintable(name));
        QCOMPARE(a->text(), text);
        QVERIFY2(!a->icon().isNull() || name == "uvozstanica", qPrintable(name + " has no icon"));
    }
    // Windows that are not part of this build: present, not clickable.
    QVERIFY(!f.window().action("stati")->isEnabled());
    QVERIFY(f.window().action("cwiinterface")->isEnabled());
    QVERIFY(f.window().action("osobnepostavke")->isEnabled());
    QVERIFY(f.window().action("kreiranje")->isEnabled());
}

void TestForm1Shell::closingTheWindowClosesTheDatabases()
{
    MainWindowFixture f;
    QVERIFY(f.folder().context().session().isOpen());
    f.window().close();
    QVERIFY(!f.folder().context().session().isOpen());
    QVERIFY(!QFileInfo::exists(f.folder().file(QStringLiteral("contest.mdb-journal"))));
}

void TestForm1Shell::languageMenuRelabelsWindowAndGridHeaders()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.window().action(QStringLiteral("eng"))->trigger();
    QCOMPARE(e.chameleonButton1->text(), QStringLiteral("Save"));
    QCOMPARE(f.window().logModel().headerData(BandLogModel::Call, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Call"));
    QCOMPARE(e.DataGrid2->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Locator"));
    QFile ini(f.folder().file(QStringLiteral("jezik/jezik.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll().trimmed(), QByteArray("engleski")); // kept for the next start
    f.window().action(QStringLiteral("hrvat"))->trigger();
    QCOMPARE(e.chameleonButton1->text(), QStringLiteral("Spremi"));
    QCOMPARE(e.DataGrid2->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("pozivni"));
}

// "Spremi natjecanje": the copy is written, then the progress window fills and goes.
void TestForm1Shell::savedCopyShowsTheProgressWindow()
{
    MainWindowFixture f;
    f.window().action(QStringLiteral("sprembaze"))->trigger();
    QVERIFY(QFileInfo::exists(f.folder().file(QStringLiteral("BackUp/Test Contest.mdb"))));
    QPointer<QWidget> progress;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmSplash1") && w->isVisible())
            progress = w;
    QVERIFY(progress);
    QTRY_VERIFY_WITH_TIMEOUT(!progress, 3000);
}

QTEST_MAIN(TestForm1Shell)
#include "tst_form1_shell.moc"
