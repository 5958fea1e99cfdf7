#include "StoredRows.h"
#include "MainWindowFixture.h"
#include "contest/ContestContext.h"
#include "contestlog/LogStore.h"
#include "contestlog/ui/LogEntry.h"
#include "contestlog/BandLogModel.h"
#include "contestlog/EntrySession.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/MessageWindow.h"
#include "geo/Locator.h"
#include "platform/SqliteDatabase.h"
#include "shell/ui/Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QSettings>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

namespace {

// "Odustani", then the call typed into the fresh entry line.
void odustaniAndType(MainWindowFixture &f, const QString &call)
{
    EntryLine &e = f.window().entry();
    QTest::mouseClick(e.chameleonButton3, Qt::LeftButton);
    QTest::keyClicks(e.Text2, call);
}

}

// The main window's entry line driven as an operator drives it.
class TestForm1Entry : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { MainWindowFixture::closeMessageWindows(); }

    void enterSavesQsoWithQrbBearingAndPosition();
    void firstQsoRecordsEmptyTotalsAndSerialOne();
    void totalsAndSerialFollowEveryChange();
    void ownLocatorAndDuplicateRulesForQrb();
    void duplicateIsFlaggedWhileTyping();
    void duplicateComparesTrimmedStoredCallOnTheBandOnly();
    void pickingRowLoadsQsoForEditing();
    void updateWritesBackAndKeepsLoggedTime();
    void deleteRemovesLoadedQsoOnly();
    void cancelThrowsEntryAway();
    void missingDataShowsMessageAndWritesNothing();
    void missingDataNamesFieldsInPackLanguage_data();
    void missingDataNamesFieldsInPackLanguage();
    void refusedEntryKeepsFieldsAndWritesNothing_data();
    void refusedEntryKeepsFieldsAndWritesNothing();
    void invalidLocatorKeepsOwnLocator();
    void keyboardPathThroughTheEntryLine();
    void reportDefaultsFollowMode();
    void bandChangeShowsBandWithItsMode();
    void logCommandsFollowBandContents();
    void serialsGoBeyondSixteenBits();
    void editKeepsStoredCountry_data();
    void editKeepsStoredCountry();
    void callSetInOnePieceGetsItsCountry_data();
    void callSetInOnePieceGetsItsCountry();
    void letterOverFieldLettersReplacesLocator_data();
    void letterOverFieldLettersReplacesLocator();
    void focusAfterSaveFollowsPreference();
    void knownStationTypedInFullFillsLocator();
    void downArrowReachesKnownStations();
    void knownStationIsWrittenAfterTheReset();
};

void TestForm1Entry::enterSavesQsoWithQrbBearingAndPosition()
{
    MainWindowFixture f;
    f.typeQso(QStringLiteral("9a2aa"), QStringLiteral("7"), QStringLiteral("86cd"));
    QCOMPARE(f.storedRows(QStringLiteral("Latitu, Longitu, Dodatak1, Time, Date, RSTs, RSTr, NrR, Mode")),
             QStringList({"9A2AA|1|121|6|-|JN86CD|46.1458|16.2083|144 MHz|12:34|2026-05-02|59|59|7|SSB"}));
    // Longitude west of Greenwich is written with "-"; the stored texts carry the storage blank.
    f.typeQso(QStringLiteral("G4ABC"), QStringLiteral("1"), QString());
    EntryLine &e = f.window().entry();
    e.Text8->setText(QStringLiteral("IO91WM"));
    e.Text7->setText(QStringLiteral("1"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(f.storedRows(QStringLiteral("'[' || Latitu || ']', '[' || Longitu || ']'")).last(),
             QStringLiteral("G4ABC|2|1391|307|-|IO91WM|[51.5208 ]|[-00.1250 ]"));
}

void TestForm1Entry::firstQsoRecordsEmptyTotalsAndSerialOne()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QCOMPARE(e.Text4->text(), QStringLiteral("001"));
    QCOMPARE(e.Text11->text(), QStringLiteral("0"));
    QCOMPARE(e.Text12->text(), QStringLiteral("0"));
    QCOMPARE(e.Text13->text(), QStringLiteral("0"));
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("5"), QStringLiteral("76TB"));
    QCOMPARE(f.storedRows(QStringLiteral("QSOs, ODX, Points")).first().section(QLatin1Char('|'), 6),
             QStringLiteral("0|0|0"));
}

void TestForm1Entry::totalsAndSerialFollowEveryChange()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("2"), QStringLiteral("86CD")); // duplicate: 0 points
    f.typeQso(QStringLiteral("OE3X"), QStringLiteral("3"), QStringLiteral("88AA"));
    const int q1 = Geo::computeQrb(QStringLiteral("JN85AB"), QStringLiteral("JN86CD")).qrb;
    const int q3 = Geo::computeQrb(QStringLiteral("JN85AB"), QStringLiteral("JN88AA")).qrb;
    QCOMPARE(e.Text11->text(), QStringLiteral("3"));
    QCOMPARE(e.Text13->text(), QString::number(q1 + q3));
    QCOMPARE(e.Text12->text(), QString::number(qMax(q1, q3)));
    QCOMPARE(e.Text4->text(), QStringLiteral("004"));
    // The new row records the totals shown before it.
    QCOMPARE(f.storedRows(QStringLiteral("QSOs, Points")).last().section(QLatin1Char('|'), 6),
             QStringLiteral("2|%1").arg(q1));
    QCOMPARE(f.window().logModel().rowCount(), 3);
    QCOMPARE(e.DataGrid1->currentIndex().row(), 2); // the newest QSO is the current row
}

void TestForm1Entry::ownLocatorAndDuplicateRulesForQrb()
{
    MainWindowFixture f;
    f.typeQso(QStringLiteral("9A1B"), QStringLiteral("1"), QStringLiteral("85AB")); // the own locator exactly
    f.typeQso(QStringLiteral("9A1B"), QStringLiteral("2"), QStringLiteral("85AB")); // and again: a duplicate
    EntryLine &e = f.window().entry();
    e.Text2->setText(QStringLiteral("9A1C"));
    e.Text7->setText(QStringLiteral("3"));
    e.Text8->setText(QStringLiteral("JN85ab")); // the same square in other letter case is computed
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(f.storedRows(), QStringList({"9A1B|1|1|0|-|JN85AB", "9A1B|2|0|0|D|JN85AB", "9A1C|3|0|270|-|JN85ab"}));
}

void TestForm1Entry::duplicateIsFlaggedWhileTyping()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    f.sound().played.clear();
    QTest::keyClicks(e.Text2, QStringLiteral("S51"));
    QVERIFY(!e.Label16->isVisible());
    QCOMPARE(e.Text15->text(), QStringLiteral("-"));
    QTest::keyClicks(e.Text2, QStringLiteral("A"));
    QVERIFY(e.Label16->isVisible());
    QCOMPARE(e.Text15->text(), QStringLiteral("D"));
    QCOMPARE(f.sound().played.size(), 1);
    QVERIFY(f.sound().played.first().endsWith(QLatin1String("zvukovi/dupla.wav")));
    QTest::keyClick(e.Text2, Qt::Key_Backspace);
    QVERIFY(!e.Label16->isVisible());
    QCOMPARE(e.Text15->text(), QStringLiteral("-"));
}

void TestForm1Entry::duplicateComparesTrimmedStoredCallOnTheBandOnly()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    e.Text2->setText(QStringLiteral("S51A ")); // a typed trailing blank does not match
    QCOMPARE(e.Text15->text(), QStringLiteral("-"));
    e.Text2->setText(QStringLiteral("s51a")); // letter case counts
    QCOMPARE(e.Text15->text(), QStringLiteral("-"));
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("432 MHz")));
    e.Text2->setText(QStringLiteral("S51A"));
    QCOMPARE(e.Text15->text(), QStringLiteral("-")); // the band has no QSO yet
}

void TestForm1Entry::pickingRowLoadsQsoForEditing()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    for (int i = 1; i <= 7; ++i)
        f.typeQso(QStringLiteral("S5%1A").arg(i), QString::number(i), QStringLiteral("86CD"));
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("8"), QStringLiteral("86CD")); // a duplicate of the first
    f.sound().played.clear();
    QTableView *grid = e.DataGrid1;
    const QRect r = grid->visualRect(f.window().logModel().index(6, BandLogModel::Call));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(f.window().entrySession().mode(), EntrySession::Mode::Edit);
    QCOMPARE(e.Text2->text(), QStringLiteral("S57A"));
    QCOMPARE(e.Text4->text(), QStringLiteral("007"));
    QCOMPARE(e.Text7->text(), QStringLiteral("007"));
    QCOMPARE(e.Text17->text(), QStringLiteral("12:34"));
    QCOMPARE(e.Text16->text(), QStringLiteral("2026-05-02"));
    QVERIFY(e.chameleonButton2->isVisible() && !e.chameleonButton1->isVisible());
    QVERIFY(e.Text9->isVisible() && e.Text17->isVisible() && !e.Text1->isVisible());
    QVERIFY(e.izmjeni->isEnabled() && e.brisi->isEnabled() && !e.spremi->isEnabled());
    QVERIFY(!e.Label16->isVisible()); // loading a QSO does not flag it against itself
    QVERIFY(f.sound().played.isEmpty());
    QCOMPARE(QApplication::focusWidget(), e.Text2);

    // The duplicate row loads with its warning and QRB 0; the keyboard moves between rows.
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(e.Text2->text(), QStringLiteral("S51A"));
    QVERIFY(e.Label16->isVisible());
    QCOMPARE(e.Text9->text(), QStringLiteral("0"));
    QCOMPARE(e.Text15->text(), QStringLiteral("D"));
}

void TestForm1Entry::updateWritesBackAndKeepsLoggedTime()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    f.typeQso(QStringLiteral("S52B"), QStringLiteral("2"), QStringLiteral("86CD"));
    e.Text1->setText(QStringLiteral("13:00")); // the clock moved on
    e.DataGrid1->setCurrentIndex(f.window().logModel().index(0, BandLogModel::Call));
    QCOMPARE(e.Text2->text(), QStringLiteral("S51A"));
    e.Text8->setText(QStringLiteral("JN88AA"));
    QTest::keyClick(e.Text8, Qt::Key_Return); // Enter updates in edit mode
    QCOMPARE(f.storedCount(), 2);
    const Geo::QrbResult path = Geo::computeQrb(QStringLiteral("JN85AB"), QStringLiteral("JN88AA"));
    QCOMPARE(f.storedRows(QStringLiteral("Time")).first(),
             QStringLiteral("S51A|1|%1|%2|-|JN88AA|12:34").arg(path.qrb).arg(path.bearing));
    QCOMPARE(f.window().entrySession().mode(), EntrySession::Mode::New);
    QCOMPARE(e.DataGrid1->currentIndex().row(), 1);
    QCOMPARE(f.window().logModel().shownRow(0).loc, QStringLiteral("JN88AA "));
    QVERIFY(!f.window().entrySession().editedId());
}

void TestForm1Entry::deleteRemovesLoadedQsoOnly()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    for (int i = 1; i <= 3; ++i)
        f.typeQso(QStringLiteral("S5%1A").arg(i), QString::number(i), QStringLiteral("86CD"));
    e.brisi->setEnabled(true);
    e.brisi->trigger(); // nothing loaded: nothing deleted
    QCOMPARE(f.storedCount(), 3);
    e.DataGrid1->setCurrentIndex(f.window().logModel().index(1, BandLogModel::Call));
    e.brisi->trigger();
    QCOMPARE(f.storedRows().join(u','), QStringLiteral("S51A|1|121|6|-|JN86CD,S53A|3|121|6|-|JN86CD"));
    QCOMPARE(e.Text4->text(), QStringLiteral("004")); // the highest sent + 1: 3 is never sent twice
    QCOMPARE(f.window().logModel().rowCount(), 2);
    QCOMPARE(QApplication::focusWidget(), e.Text2);
    QVERIFY(!e.Text9->isVisible());
}

void TestForm1Entry::cancelThrowsEntryAway()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QTest::keyClicks(e.Text2, QStringLiteral("S51A"));
    e.Text7->setText(QStringLiteral("12"));
    QTest::mouseClick(e.chameleonButton3, Qt::LeftButton);
    QVERIFY(e.Text2->text().isEmpty());
    QVERIFY(e.Text7->text().isEmpty());
    QCOMPARE(e.Text8->text(), QStringLiteral("JN"));
    QCOMPARE(f.storedCount(), 0);
    QCOMPARE(QApplication::focusWidget(), e.Text2);
}

void TestForm1Entry::missingDataShowsMessageAndWritesNothing()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QTest::keyClicks(e.Text2, QStringLiteral("S51A"));
    e.Text8->clear();
    e.Text7->setText(QStringLiteral("5"));
    QTest::keyClick(e.Text7, Qt::Key_Return);
    MessageWindow *m = MessageWindow::find(QStringLiteral("Form6"));
    QVERIFY(m);
    QCOMPARE(m->text().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Niste unijeli potrebne podatke"));
    QVERIFY(m->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(f.storedCount(), 0);
    QCOMPARE(e.Text2->text(), QStringLiteral("S51A")); // kept until the operator confirms
    QVERIFY(!QApplication::activeModalWidget());
    QTest::mouseClick(m->button(QStringLiteral("chameleonButton1")), Qt::LeftButton);
    // "U redu" keeps the typed QSO: the operator goes on in the missing field.
    QCOMPARE(e.Text2->text(), QStringLiteral("S51A"));
    QCOMPARE(e.Text7->text(), QStringLiteral("5"));
    QCOMPARE(QApplication::focusWidget(), e.Text8);
    // A field holding only a blank passes the check.
    e.Text2->setText(QStringLiteral("S51A"));
    e.Text7->setText(QStringLiteral("5"));
    e.Text8->setText(QStringLiteral("JN86CD"));
    e.Text3->setText(QStringLiteral("59"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(f.storedCount(), 1);
}

void TestForm1Entry::missingDataNamesFieldsInPackLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("empty");  // fields left empty
    QTest::addColumn<QString>("named");      // second line of the message
    QTest::addColumn<QString>("focused");    // the first missing field
    QTest::newRow("locator only, Croatian") << "hrvatski" << QStringList{"Text8"} << "Lokator" << "Text8";
    QTest::newRow("call and serial, English")
        << "engleski" << QStringList{"Text2", "Text7"} << "Call sign, Nr. R" << "Text2";
    QTest::newRow("all three, English") << "engleski" << QStringList{"Text8", "Text7", "Text2"}
                                        << "Call sign, Nr. R, Locator" << "Text2";
}

void TestForm1Entry::missingDataNamesFieldsInPackLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, empty);
    QFETCH(QString, named);
    QFETCH(QString, focused);
    MainWindowFixture f;
    f.window().selectLanguage(language);
    EntryLine &e = f.window().entry();
    QTest::keyClicks(e.Text2, QStringLiteral("S51A"));
    QTest::keyClick(e.Text2, Qt::Key_Tab);
    QTest::keyClicks(e.Text7, QStringLiteral("7"));
    e.Text8->setText(QStringLiteral("JN86CD"));
    for (const QString &name : empty)
        f.window().findChild<QLineEdit *>(name)->clear();
    QTest::keyClick(e.Text3, Qt::Key_Return);
    MessageWindow *m = MessageWindow::find(QStringLiteral("Form6"));
    QVERIFY(m);
    QCOMPARE(m->text().section(QLatin1Char('\n'), 1), named);
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(f.storedCount(), 0);
    QCOMPARE(e.Text3->text(), QStringLiteral("59")); // nothing of the entry was reset
}

void TestForm1Entry::refusedEntryKeepsFieldsAndWritesNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("window");
    QTest::newRow("letters in the received serial") << "Text7" << "1a" << "Form19";
    QTest::newRow("received serial of one blank") << "Text7" << " " << "Form19";
    QTest::newRow("empty report sent") << "Text3" << "" << "Form19";
    QTest::newRow("decimal report received") << "Text6" << "5.9" << "Form19";
    QTest::newRow("letters in the serial sent") << "Text4" << "x01" << "Form19";
    QTest::newRow("locator of five characters") << "Text8" << "JN86C" << "Form17";
    QTest::newRow("locator with a letter as third character") << "Text8" << "JNA6CD" << "Form17";
    QTest::newRow("two-letter locator") << "Text8" << "JN" << "Form17";
}

void TestForm1Entry::refusedEntryKeepsFieldsAndWritesNothing()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, window);
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    e.Text2->setText(QStringLiteral("S51A"));
    e.Text7->setText(QStringLiteral("5"));
    e.Text8->setText(QStringLiteral("JN86CD"));
    auto *target = f.window().findChild<QLineEdit *>(field);
    target->setText(value);
    QTest::keyClick(e.Text2, Qt::Key_Return);
    QVERIFY2(MessageWindow::find(window), qPrintable(window));
    QCOMPARE(f.storedCount(), 0);
    QCOMPARE(target->text(), value);
    QCOMPARE(e.Text2->text(), QStringLiteral("S51A"));
    QCOMPARE(QApplication::focusWidget(), target); // selected for correction
    QCOMPARE(f.window().entrySession().mode(), EntrySession::Mode::New);
}

void TestForm1Entry::invalidLocatorKeepsOwnLocator()
{
    ContestSettings bad = TestSupport::sampleSettings(QStringLiteral("J5"));
    MainWindowFixture f({3}, bad);
    EntryLine &e = f.window().entry();
    e.Text2->setText(QStringLiteral("S51A"));
    e.Text7->setText(QStringLiteral("5"));
    e.Text8->setText(QStringLiteral("JN86CD"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QVERIFY(MessageWindow::find(QStringLiteral("Form18"))); // tells to fix the contest data
    QCOMPARE(f.storedCount(), 0);
    QCOMPARE(f.folder().context().contestData().settings().lokator, QStringLiteral("J5"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN86CD"));

    MainWindowFixture::closeMessageWindows();
    bool found = false; // the operator corrects it in the contest data
    QVERIFY(ContestSettingsTable::updateBandRow(f.folder().context().database(), TestSupport::sampleSettings(), 3,
                                                &found));
    QVERIFY(found);
    f.folder().context().contestData().reload();
    e.Text8->setText(QStringLiteral("JNX5"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QVERIFY(MessageWindow::find(QStringLiteral("Form17")));
    QCOMPARE(f.folder().context().contestData().settings().lokator, QStringLiteral("JN85AB"));
    e.Text8->setText(QStringLiteral("JN86CD")); // after the correction the QSO goes in with its points
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(f.storedRows(), QStringList({"S51A|1|121|6|-|JN86CD"}));
}

void TestForm1Entry::keyboardPathThroughTheEntryLine()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QTest::keyClicks(e.Text2, QStringLiteral("s5"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ž"));
    QApplication::sendEvent(e.Text2, &accented);
    QTest::keyClicks(e.Text2, QStringLiteral("1a"));
    QCOMPARE(e.Text2->text(), QStringLiteral("S5ž1A")); // accented letters pass unchanged
    const QList<QWidget *> tabPath = {e.Text6, e.Text7, e.Text8, e.chameleonButton1, e.chameleonButton3};
    for (QWidget *next : tabPath) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    e.Text2->setFocus();
    QTest::keyClick(e.Text2, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), e.Text6);
    QTest::keyClick(e.Text6, Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), e.Text2);
    QCOMPARE(e.Text2->text(), QStringLiteral("S5ž1A")); // the arrows never edited the text

    // The locator keeps its field letters selected out of the way.
    QTest::keyClick(e.Text2, Qt::Key_Tab);
    QTest::keyClick(e.Text6, Qt::Key_Tab);
    QTest::keyClick(e.Text7, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), e.Text8);
    QTest::keyClicks(e.Text8, QStringLiteral("86cd"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN86CD"));
    e.Text2->setFocus();
    e.Text8->setFocus(Qt::TabFocusReason); // coming back: square and sub-square are typed over
    QCOMPARE(e.Text8->selectedText(), QStringLiteral("86CD"));
    QCOMPARE(e.Text7->maxLength(), 150);
    QCOMPARE(e.Text8->maxLength(), 6);
}

void TestForm1Entry::reportDefaultsFollowMode()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QCOMPARE(e.Text3->text(), QStringLiteral("59"));
    e.Combo1->setFocus();
    QTest::keyClick(e.Combo1, Qt::Key_Down); // FM -> SSB -> CW: choosing from the list
    e.Combo1->setCurrentText(QStringLiteral("CW"));
    emit e.Combo1->activated(e.Combo1->currentIndex());
    QCOMPARE(e.Text3->text(), QStringLiteral("599"));
    QCOMPARE(e.Text6->text(), QStringLiteral("599"));
    e.Combo1->setCurrentText(QStringLiteral("cw")); // typed in lower case: another mode
    e.Text2->setFocus();
    e.Combo1->setFocus(); // entering the mode field applies the defaults
    QCOMPARE(e.Text3->text(), QStringLiteral("59"));
    // After a save in RTTY the next QSO starts with 599, and the band's mode comes back.
    e.Combo1->setCurrentText(QStringLiteral("RTTY"));
    e.Text2->setText(QStringLiteral("S51A"));
    e.Text3->setText(QStringLiteral("599"));
    e.Text6->setText(QStringLiteral("599"));
    e.Text7->setText(QStringLiteral("1"));
    e.Text8->setText(QStringLiteral("JN86CD"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(e.Combo1->currentText(), QStringLiteral("SSB"));
    QCOMPARE(e.Text3->text(), QStringLiteral("59")); // the saved mode decided, then the band's mode
}

void TestForm1Entry::bandChangeShowsBandWithItsMode()
{
    ContestSettings s = TestSupport::sampleSettings();
    s.bands[4].mode = QStringLiteral("CW");
    MainWindowFixture f({3, 4}, s);
    EntryLine &e = f.window().entry();
    QCOMPARE(e.Combo2->currentText(), QStringLiteral("144 MHz"));
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    f.typeQso(QStringLiteral("S52A"), QStringLiteral("2"), QStringLiteral("86CD"));
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("432 MHz")));
    QCOMPARE(f.window().logModel().rowCount(), 0);
    QCOMPARE(e.Combo1->currentText(), QStringLiteral("CW"));
    QCOMPARE(e.Text4->text(), QStringLiteral("001"));
    f.typeQso(QStringLiteral("S53A"), QStringLiteral("1"), QStringLiteral("86CD"));
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("144 MHz")));
    QCOMPARE(f.window().logModel().rowCount(), 2);
    QCOMPARE(e.DataGrid1->currentIndex().row(), 1);
    QCOMPARE(e.Combo1->currentText(), QStringLiteral("SSB"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN"));
}

void TestForm1Entry::logCommandsFollowBandContents()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QVERIFY(!e.edi->isEnabled() && !e.izmjeni->isEnabled());
    QVERIFY(e.spremi->isEnabled());
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    QVERIFY(e.edi->isEnabled() && e.issvihveza->isEnabled() && e.pozivniznaktrazi->isEnabled());
    QVERIFY(!e.izmjeni->isEnabled() && !e.brisi->isEnabled()); // nothing loaded for editing
}

void TestForm1Entry::serialsGoBeyondSixteenBits()
{
    MainWindowFixture f;
    {
        LogStore store(f.folder().context().database());
        QSqlDatabase db = store.database();
        QVERIFY(db.transaction());
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO takmicenje (Call, NrS, QRB, Dupla, Dodatak1) VALUES (?, ?, 1, '- ', "
                                 "'144 MHz ')"));
        for (int i = 1; i <= 32767; ++i) {
            q.addBindValue(QStringLiteral("C%1 ").arg(i));
            q.addBindValue(i);
            QVERIFY(q.exec());
        }
        QVERIFY(db.commit());
    }
    EntryLine &e = f.window().entry();
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("432 MHz")));
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("144 MHz")));
    QCOMPARE(e.Text4->text(), QStringLiteral("32768"));
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    QCOMPARE(e.Text11->text(), QStringLiteral("32768"));
    QCOMPARE(e.Text4->text(), QStringLiteral("32769"));
    QCOMPARE(f.storedRows().last(), QStringLiteral("S51A|32768|121|6|-|JN86CD"));
}

void TestForm1Entry::editKeepsStoredCountry_data()
{
    QTest::addColumn<QString>("typedBefore"); // typed into the call field before the row is picked
    QTest::addColumn<QString>("newLocator");
    QTest::newRow("only the locator changed") << QString() << "JN88AA";
    QTest::newRow("another country typed before the load") << "oe6xg" << "JN86CD";
}

void TestForm1Entry::editKeepsStoredCountry()
{
    QFETCH(QString, typedBefore);
    QFETCH(QString, newLocator);
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("9A1AA"), QStringLiteral("1"), QStringLiteral("86CD"));
    f.typeQso(QStringLiteral("9A2BB"), QStringLiteral("2"), QStringLiteral("86CD"));
    QCOMPARE(f.storedRows(QStringLiteral("DXCCd")).first().section(u'|', 6), QStringLiteral("Croatia"));
    if (!typedBefore.isEmpty())
        QTest::keyClicks(e.Text2, typedBefore);
    QTest::mouseClick(e.DataGrid1->viewport(), Qt::LeftButton, {},
                      e.DataGrid1->visualRect(f.window().logModel().index(0, BandLogModel::Call)).center());
    QCOMPARE(e.Text2->text(), QStringLiteral("9A1AA"));
    // The entry shows the loaded call's country and carries its stored marker.
    QCOMPARE(e.Label29->text(), QStringLiteral("Croatia"));
    QCOMPARE(f.window().entrySession().country(), QStringLiteral("Croatia"));
    QCOMPARE(f.window().entrySession().countryMarker(), QStringLiteral("Croatia"));
    e.Text8->setText(newLocator);
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(f.storedRows(QStringLiteral("DXCCd")).first().section(u'|', 5),
             QStringLiteral("%1|Croatia").arg(newLocator));
    QCOMPARE(f.storedRows(QStringLiteral("DXCCd")).last().section(u'|', 6), QStringLiteral("-"));
}

void TestForm1Entry::callSetInOnePieceGetsItsCountry_data()
{
    QTest::addColumn<bool>("picked"); // picked from the known-stations list, else pasted
    QTest::newRow("picked from the known stations") << true;
    QTest::newRow("pasted") << false;
}

void TestForm1Entry::callSetInOnePieceGetsItsCountry()
{
    QFETCH(bool, picked);
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("OE6XG"), QStringLiteral("1"), QStringLiteral("77AA")); // now a known station
    f.typeQso(QStringLiteral("9A1AA"), QStringLiteral("2"), QStringLiteral("86CD"));
    QTest::keyClicks(e.Text2, QStringLiteral("g"));
    QCOMPARE(e.Label17->text(), QStringLiteral("England"));
    if (picked) {
        QTableView *list = e.DataGrid2;
        int row = -1;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            if (list->model()->index(r, 0).data().toString().trimmed() == QLatin1String("OE6XG"))
                row = r;
        QVERIFY(row >= 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
    } else {
        e.Text2->selectAll();
        e.Text2->insert(QStringLiteral("OE6XG"));
        e.Text8->setText(QStringLiteral("JN77AA"));
    }
    QCOMPARE(e.Text2->text(), QStringLiteral("OE6XG"));
    QCOMPARE(e.Label17->text(), QStringLiteral("Austria"));
    e.Text7->setText(QStringLiteral("3"));
    QTest::keyClick(e.Text7, Qt::Key_Return);
    QCOMPARE(f.storedRows(QStringLiteral("DXCCd")).last().section(u'|', 5), QStringLiteral("JN77AA|-"));
    QCOMPARE(f.storedRows(QStringLiteral("DXCCd")).first().section(u'|', 6), QStringLiteral("Austria"));
}

void TestForm1Entry::letterOverFieldLettersReplacesLocator_data()
{
    QTest::addColumn<QString>("before"); // the locator field before it takes the focus
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::newRow("full locator over the prefilled letters") << "" << "jo62ab" << "JO62AB";
    QTest::newRow("full locator over a selected rest") << "JN86CD" << "io91wm" << "IO91WM";
    QTest::newRow("digits keep the field letters") << "" << "86cd" << "JN86CD";
    QTest::newRow("digits over a selected rest") << "JN86CD" << "77aa" << "JN77AA";
}

void TestForm1Entry::letterOverFieldLettersReplacesLocator()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    QTest::keyClicks(e.Text2, QStringLiteral("S51A"));
    if (!before.isEmpty())
        e.Text8->setText(before);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), e.Text8);
    QTest::keyClicks(e.Text8, typed);
    QCOMPARE(e.Text8->text(), after);
    QTest::keyClicks(e.Text7, QStringLiteral("1"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(f.storedRows().value(0).section(u'|', 5), after);
}

void TestForm1Entry::focusAfterSaveFollowsPreference()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    QCOMPARE(QApplication::focusWidget(), e.Text8); // by default the focus stays

    f.window().action(QStringLiteral("programpostavke"))->trigger();
    auto *prefs = qobject_cast<QWidget *>(QApplication::activeWindow());
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FormPreferences") && w->isVisible())
            prefs = w;
    QVERIFY(prefs && prefs->objectName() == QLatin1String("FormPreferences"));
    auto *check = prefs->findChild<QCheckBox *>(QStringLiteral("Check1"));
    QVERIFY(check && !check->isChecked());
    QCOMPARE(check->text(), QStringLiteral("Nakon spremanja: kursor u pozivni znak"));
    check->click();
    QTest::mouseClick(prefs->findChild<ChameleonButton *>(QStringLiteral("chameleonButton1")), Qt::LeftButton);
    QSettings ini(f.folder().file(QStringLiteral("brelog.ini")), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("entry/focusCallAfterSave")).toBool(), true);

    f.typeQso(QStringLiteral("S52A"), QStringLiteral("2"), QStringLiteral("86CD"));
    QCOMPARE(QApplication::focusWidget(), e.Text2);
    // An update as well.
    e.DataGrid1->setCurrentIndex(f.window().logModel().index(0, BandLogModel::Call));
    e.Text8->setFocus();
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCOMPARE(f.window().entrySession().mode(), EntrySession::Mode::New);
    QCOMPARE(QApplication::focusWidget(), e.Text2);
    QCOMPARE(f.storedCount(), 2);
}

void TestForm1Entry::knownStationTypedInFullFillsLocator()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51ABC"), QStringLiteral("1"), QStringLiteral("76TO"));
    f.typeQso(QStringLiteral("S51AB"), QStringLiteral("2"), QStringLiteral("75AA"));
    QTest::keyClicks(e.Text2, QStringLiteral("S51AB"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN75AA"));
    QTest::keyClicks(e.Text2, QStringLiteral("C")); // typing on: the longer call's own locator
    QCOMPARE(e.Text8->text(), QStringLiteral("JN76TO"));
    QTest::keyClicks(e.Text2, QStringLiteral("D")); // no such station: the field letters again
    QCOMPARE(e.Text8->text(), QStringLiteral("JN"));
    odustaniAndType(f, QStringLiteral("S51ABC"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN76TO"));
    // A locator the operator typed stays.
    e.Text8->setText(QStringLiteral("JN86"));
    e.Text2->clear();
    QTest::keyClicks(e.Text2, QStringLiteral("S51AB"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN86"));
}

void TestForm1Entry::downArrowReachesKnownStations()
{
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    f.typeQso(QStringLiteral("S51ABC"), QStringLiteral("1"), QStringLiteral("76TO"));
    f.typeQso(QStringLiteral("9A1XYZ"), QStringLiteral("2"), QStringLiteral("75AA"));
    e.Text2->setFocus();
    QTest::keyClicks(e.Text2, QStringLiteral("XY"));
    QTest::keyClick(e.Text2, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), e.DataGrid2);
    QTest::keyClick(e.DataGrid2, Qt::Key_Return);
    QCOMPARE(e.Text2->text(), QStringLiteral("9A1XYZ"));
    QCOMPARE(e.Text8->text(), QStringLiteral("JN75AA"));
    QCOMPARE(QApplication::focusWidget(), e.Text2); // the exchange goes on from the call
    QTest::keyClick(e.Text2, Qt::Key_Tab);
    QTest::keyClick(e.Text6, Qt::Key_Tab);
    QTest::keyClicks(e.Text7, QStringLiteral("3"));
    QTest::keyClick(e.Text7, Qt::Key_Return);
    // Worked before on the band: a duplicate, scoring nothing.
    QCOMPARE(f.storedRows().last(), QStringLiteral("9A1XYZ|3|0|%1|D|JN75AA")
                                        .arg(Geo::computeQrb(QStringLiteral("JN85AB"), QStringLiteral("JN75AA")).bearing));
}

void TestForm1Entry::knownStationIsWrittenAfterTheReset()
{
    auto storedStations = [](const QString &path) {
        return TestSupport::storedRows(path, QStringLiteral("trim(pozivni) || '/' || trim(lokator)"),
                                       QStringLiteral("evidencija"));
    };
    MainWindowFixture f;
    EntryLine &e = f.window().entry();
    const QString stations = f.folder().file(QStringLiteral("evidencija.mdb"));
    f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
    // Enter returns with the QSO committed and the entry reset; the station follows
    // before the next event is handled.
    QCOMPARE(f.storedCount(), 1);
    QVERIFY(e.Text2->text().isEmpty());
    QVERIFY(storedStations(stations).isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(storedStations(stations), QStringList{"S51A/JN86CD"});
    // An update of the station's QSO rewrites its locator the same way.
    QTest::mouseClick(e.DataGrid1->viewport(), Qt::LeftButton, {},
                      e.DataGrid1->visualRect(f.window().logModel().index(0, BandLogModel::Call)).center());
    QCOMPARE(f.window().entrySession().mode(), EntrySession::Mode::Edit);
    e.Text8->setText(QStringLiteral("JN88AA"));
    QTest::keyClick(e.Text8, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(storedStations(stations), QStringList{"S51A/JN88AA"});
    // A search for a call sees the station at once; closing the window writes what is left.
    f.typeQso(QStringLiteral("S52B"), QStringLiteral("2"), QStringLiteral("86CD"));
    QTest::keyClicks(e.Text2, QStringLiteral("S52"));
    QCOMPARE(e.DataGrid2->model()->rowCount(), 1);
    e.Text2->clear();
    f.typeQso(QStringLiteral("S53C"), QStringLiteral("3"), QStringLiteral("86CD"));
    f.window().close();
    QCOMPARE(storedStations(stations), QStringList({"S51A/JN88AA", "S52B/JN86CD", "S53C/JN86CD"}));
}

QTEST_MAIN(TestForm1Entry)
#include "tst_form1_entry.moc"
