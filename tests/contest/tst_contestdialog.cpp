// The contest data dialog ContestDataDialog on a real contest database in a temporary program folder.
#include "TestPlatform.h"
#include "TestSupport.h"

#include "contest/BandLabels.h"
#include "contest/ContestSession.h"
#include "contest/ContestSettings.h"
#include "contest/ContestSettingsStore.h"
#include "contest/ui/ContestDataDialog.h"
#include "contest/ui/ContestFileCommands.h"
#include "contest/ContestSession.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/MessageWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace {

using Row = QMap<QString, QString>;

QList<Row> settingsRows()
{
    QList<Row> rows;
    QSqlQuery q(ContestSession::instance().database());
    q.exec(QStringLiteral("SELECT * FROM postavke ORDER BY ID"));
    while (q.next()) {
        Row r;
        for (int i = 0; i < q.record().count(); ++i)
            r.insert(q.record().fieldName(i), q.value(i).toString());
        rows << r;
    }
    return rows;
}

ContestSettings settingsFor(int k, const QString &name, const QString &power)
{
    ContestSettings s = TestSupport::sampleSettings();
    s.nazivNatjecanja = name;
    s.bands[k].band = BandLabels::label(k);
    s.bands[k].snaga = power;
    return s;
}

bool storeRow(int k, const QString &name, const QString &power)
{
    return ContestSettingsTable::insertBandRow(ContestSession::instance().database(), settingsFor(k, name, power), k);
}

}

class TestContestDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;
    TestPlatform m_platform{TestPlatform::MessageMode::Windows};
    QPointer<ContestDataDialog> m_dialog;

    template <typename T = QLineEdit> T *field(const QString &name) const
    {
        T *w = m_dialog ? m_dialog->findChild<T *>(name) : nullptr;
        if (!w)
            qWarning("no field %s", qPrintable(name));
        return w;
    }
    ChameleonButton *button(int n) const
    {
        return field<ChameleonButton>(QStringLiteral("chameleonButton%1").arg(n));
    }
    QTabWidget *tabs() const { return field<QTabWidget>(QStringLiteral("TabStrip1")); }
    ContestDataDialog *openDialog()
    {
        m_dialog = ContestDataDialog::showDialog(m_platform.platform());
        return m_dialog;
    }
    void fillRequired(int tab, const QString &power)
    {
        tabs()->setCurrentIndex(tab - 1);
        field(QStringLiteral("Text1"))->setText(QStringLiteral("Kup Hrvatske"));
        field(QStringLiteral("Text6"))->setText(QStringLiteral("9A1AA"));
        field(QStringLiteral("Text8"))->setText(QStringLiteral("JN75OS"));
        field(QStringLiteral("Text21(%1)").arg(tab))->setText(power);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TempProgramFolder>();
        QVERIFY(ContestSession::instance().open());
        ContestSettingsStore::instance().discard();
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        QApplication::processEvents();
        delete m_dialog.data();
        ContestSettingsStore::instance().discard();
        ContestSession::instance().close();
        m_folder.reset();
    }

    void everyDesignNameExistsOnce()
    {
        openDialog();
        QStringList names = {QStringLiteral("TabStrip1"), QStringLiteral("Text1"), QStringLiteral("DTPicker1"),
                             QStringLiteral("DTPicker2")};
        for (int i = 6; i <= 20; ++i)
            names << QStringLiteral("Text%1").arg(i);
        for (int i = 1; i <= 19; ++i)
            names << QStringLiteral("Label%1").arg(i);
        for (int i = 1; i <= 3; ++i)
            names << QStringLiteral("chameleonButton%1").arg(i);
        for (int k = 1; k <= 15; ++k) {
            for (int i = 20; i <= 31; ++i)
                names << QStringLiteral("Label%1(%2)").arg(i).arg(k);
            for (int i = 21; i <= 28; ++i)
                names << QStringLiteral("Text%1(%2)").arg(i).arg(k);
            names << QStringLiteral("Combo1(%1)").arg(k) << QStringLiteral("Text4(%1)").arg(k)
                  << QStringLiteral("Text5(%1)").arg(k) << QStringLiteral("Picture1(%1)").arg(k);
        }
        for (const QString &n : names)
            QVERIFY2(m_dialog->findChildren<QWidget *>(n).size() == 1, qPrintable(n));
        QCOMPARE(m_dialog->objectName(), QStringLiteral("Form2"));
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Podaci o natjecanju"));
        for (int k = 1; k <= 15; ++k)
            QCOMPARE(tabs()->tabText(k - 1), BandLabels::label(k));
    }

    void emptyTableOpensOnBandOneWithDefaults()
    {
        openDialog();
        const QDate today = m_platform.clock.todayUtc(); // the platform's UTC date, not the system's
        QCOMPARE(field<QDateEdit>(QStringLiteral("DTPicker1"))->date(), today);
        QCOMPARE(field<QDateEdit>(QStringLiteral("DTPicker2"))->date(), today);
        QVERIFY(field<QDateEdit>(QStringLiteral("DTPicker1"))->calendarPopup());
        QCOMPARE(ContestSettingsStore::instance().settings().trajeOd, today.toString(QStringLiteral("yyyy-MM-dd")));
        for (int k = 1; k <= 15; ++k) {
            QCOMPARE(field(QStringLiteral("Text22(%1)").arg(k))->text(), QStringLiteral("0"));
            QCOMPARE(field<QComboBox>(QStringLiteral("Combo1(%1)").arg(k))->currentText(), QStringLiteral("FM"));
            QVERIFY(!field(QStringLiteral("Text5(%1)").arg(k))->isEnabled());
            QVERIFY(field(QStringLiteral("Text21(%1)").arg(k))->text().isEmpty());
        }
        QVERIFY(field(QStringLiteral("Text1"))->text().isEmpty());
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(m_dialog->selectedBand(), QStringLiteral("1"));
        QCOMPARE(field(QStringLiteral("Text5(1)"))->text(), QStringLiteral("50 MHz"));
        QVERIFY(!button(1)->isHidden());
        QVERIFY(button(2)->isHidden());
    }

    void storedRowsFillTheirOwnPanels()
    {
        QVERIFY(storeRow(3, QStringLiteral("First"), QStringLiteral("100")));
        QVERIFY(storeRow(4, QStringLiteral("Second"), QStringLiteral("25")));
        // A row of a band the program does not know must not land on band 4's panel.
        ContestSettings odd = settingsFor(4, QStringLiteral("Odd"), QStringLiteral("999"));
        odd.bands[4].band = QStringLiteral("13 cm");
        QVERIFY(ContestSettingsTable::insertBandRow(ContestSession::instance().database(), odd, 4));

        openDialog();
        QCOMPARE(field(QStringLiteral("Text1"))->text(), QStringLiteral("Odd")); // general fields: last row
        QCOMPARE(field(QStringLiteral("Text21(3)"))->text(), QStringLiteral("100"));
        QCOMPARE(field(QStringLiteral("Text21(4)"))->text(), QStringLiteral("25"));
        QCOMPARE(field(QStringLiteral("Text5(4)"))->text(), QStringLiteral("432 MHz"));
        QCOMPARE(field<QComboBox>(QStringLiteral("Combo1(3)"))->currentText(), QStringLiteral("SSB"));
        QCOMPARE(ContestSettingsStore::instance().settings().bandList,
                 QStringList({QStringLiteral("144 MHz "), QStringLiteral("432 MHz "), QStringLiteral("13 cm ")}));

        // Tab change: band number, band label and the button rule follow the tab.
        QVERIFY(!button(1)->isHidden());
        tabs()->setCurrentIndex(2);
        QCOMPARE(m_dialog->selectedBand(), QStringLiteral("3"));
        QCOMPARE(field(QStringLiteral("Text5(3)"))->text(), QStringLiteral("144 MHz"));
        QVERIFY(button(1)->isHidden());
        QVERIFY(!button(2)->isHidden());
        tabs()->setCurrentIndex(6);
        QCOMPARE(field(QStringLiteral("Text5(7)"))->text(), QStringLiteral("3,4 GHz"));
        QVERIFY(!button(1)->isHidden());
        QVERIFY(button(2)->isHidden());
    }

    void saveAddsTheBandRowAndCloses()
    {
        openDialog();
        fillRequired(3, QStringLiteral("50"));
        field(QStringLiteral("Text23(3)"))->setText(QStringLiteral("IC-9700"));
        field<QPlainTextEdit>(QStringLiteral("Text28(3)"))->setPlainText(QStringLiteral("line 1\nline 2"));
        QString bandSeenByMainWindow;
        connect(m_dialog, &ContestDataDialog::settingsStored, this,
                [&] { bandSeenByMainWindow = ContestSettingsStore::instance().settings().firstBand(); });
        QSignalSpy stored(m_dialog.data(), &ContestDataDialog::settingsStored);

        QTest::mouseClick(button(1), Qt::LeftButton);

        QCOMPARE(stored.size(), 1);
        QCOMPARE(bandSeenByMainWindow, QStringLiteral("144 MHz"));
        QTRY_VERIFY(!m_dialog);
        QVERIFY(!ContestSettingsStore::instance().isLoaded()); // closing discards the record
        const QList<Row> rows = settingsRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][QStringLiteral("Band")], QStringLiteral("144 MHz "));
        QCOMPARE(rows[0][QStringLiteral("NazivNatjecanja")], QStringLiteral("Kup Hrvatske "));
        QCOMPARE(rows[0][QStringLiteral("Lokator")], QStringLiteral("JN75OS "));
        QCOMPARE(rows[0][QStringLiteral("Snaga")], QStringLiteral("50 "));
        QCOMPARE(rows[0][QStringLiteral("TransOsc")], QStringLiteral("0 "));
        QCOMPARE(rows[0][QStringLiteral("RX")], QStringLiteral("IC-9700 "));
        QCOMPARE(rows[0][QStringLiteral("Komentar")], QStringLiteral("line 1\nline 2 "));
        QCOMPARE(rows[0][QStringLiteral("Ime")], QStringLiteral(" "));
        QCOMPARE(rows[0][QStringLiteral("Mode")], QStringLiteral("FM"));
        QCOMPARE(rows[0][QStringLiteral("TrajeOd")],
                 m_platform.clock.todayUtc().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' '));
        // The next reader loads the stored row.
        QCOMPARE(ContestSettingsStore::instance().settings().lokator, QStringLiteral("JN75OS"));
    }

    void missingDataKeepsTheDialogAndWhatWasTyped_data()
    {
        QTest::addColumn<QString>("emptied");
        QTest::newRow("no power") << QStringLiteral("Text21(3)");
        QTest::newRow("no contest name") << QStringLiteral("Text1");
        QTest::newRow("no call sign") << QStringLiteral("Text6");
        QTest::newRow("no locator") << QStringLiteral("Text8");
    }
    void missingDataKeepsTheDialogAndWhatWasTyped()
    {
        QFETCH(QString, emptied);
        openDialog();
        fillRequired(3, QStringLiteral("50"));
        field(QStringLiteral("Text9"))->setText(QStringLiteral("Ilica 1"));
        field(emptied)->clear();
        QSignalSpy stored(m_dialog.data(), &ContestDataDialog::settingsStored);

        QTest::mouseClick(button(1), Qt::LeftButton);
        QApplication::processEvents();

        MessageWindow *message = MessageWindow::find(QStringLiteral("Form13"));
        QVERIFY(message);
        QCOMPARE(message->text(), QStringLiteral("Niste unijeli potrebne podatke"));
        QVERIFY(m_dialog && m_dialog->isVisible());
        QCOMPARE(stored.size(), 0);
        QCOMPARE(field(QStringLiteral("Text9"))->text(), QStringLiteral("Ilica 1"));
        if (emptied != QLatin1String("Text1"))
            QCOMPARE(field(QStringLiteral("Text1"))->text(), QStringLiteral("Kup Hrvatske"));
        QVERIFY(settingsRows().isEmpty());
    }

    void updateWithoutPowerKeepsTheDialog()
    {
        QVERIFY(storeRow(3, QStringLiteral("First"), QStringLiteral("100")));
        openDialog();
        tabs()->setCurrentIndex(2);
        QVERIFY(!button(2)->isHidden());
        field(QStringLiteral("Text21(3)"))->clear();
        QTest::mouseClick(button(2), Qt::LeftButton);
        QVERIFY(MessageWindow::find(QStringLiteral("Form13")));
        QVERIFY(m_dialog && m_dialog->isVisible());
        QCOMPARE(settingsRows().at(0)[QStringLiteral("Snaga")], QStringLiteral("100 "));
    }

    void updateRewritesTheBandRowOnly()
    {
        QVERIFY(storeRow(3, QStringLiteral("First"), QStringLiteral("100")));
        QVERIFY(storeRow(4, QStringLiteral("Second"), QStringLiteral("25")));
        openDialog();
        tabs()->setCurrentIndex(2);
        field(QStringLiteral("Text1"))->clear(); // no checks on "Izmjeni": the empty name is stored
        field(QStringLiteral("Text21(3)"))->setText(QStringLiteral("300"));
        field<QComboBox>(QStringLiteral("Combo1(3)"))->setEditText(QStringLiteral("CW"));
        QSignalSpy stored(m_dialog.data(), &ContestDataDialog::settingsStored);
        QTest::mouseClick(button(2), Qt::LeftButton);
        QCOMPARE(stored.size(), 1);
        QTRY_VERIFY(!m_dialog);
        const QList<Row> rows = settingsRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0][QStringLiteral("NazivNatjecanja")], QStringLiteral(" "));
        QCOMPARE(rows[0][QStringLiteral("Snaga")], QStringLiteral("300 "));
        QCOMPARE(rows[0][QStringLiteral("Mode")], QStringLiteral("CW"));
        QCOMPARE(rows[1][QStringLiteral("NazivNatjecanja")], QStringLiteral("Second "));
        QCOMPARE(rows[1][QStringLiteral("Snaga")], QStringLiteral("25 "));
    }

    void updateOfABandWithoutRowAddsIt()
    {
        openDialog();
        fillRequired(5, QStringLiteral("10"));
        // Leaving the tab and coming back offers "Izmjeni", though nothing is stored yet.
        tabs()->setCurrentIndex(0);
        tabs()->setCurrentIndex(4);
        QVERIFY(!button(2)->isHidden());
        QTest::mouseClick(button(2), Qt::LeftButton);
        const QList<Row> rows = settingsRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][QStringLiteral("Band")], QStringLiteral("1,3 GHz "));
        QCOMPARE(rows[0][QStringLiteral("Snaga")], QStringLiteral("10 "));
    }

    void refusedRowIsReportedAndNothingStored_data()
    {
        QTest::addColumn<bool>("update");
        QTest::newRow("new row refused") << false;
        QTest::newRow("rewritten row refused") << true;
    }
    void refusedRowIsReportedAndNothingStored()
    {
        QFETCH(bool, update);
        if (update)
            QVERIFY(storeRow(3, QStringLiteral("First"), QStringLiteral("100")));
        QSqlQuery q(ContestSession::instance().database());
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse_insert BEFORE INSERT ON postavke "
                                      "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")));
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse_update BEFORE UPDATE ON postavke "
                                      "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")));
        const QList<Row> before = settingsRows();
        openDialog();
        fillRequired(3, QStringLiteral("400"));
        QSignalSpy stored(m_dialog.data(), &ContestDataDialog::settingsStored);
        QTest::mouseClick(button(update ? 2 : 1), Qt::LeftButton);

        MessageWindow *message = MessageWindow::find(QStringLiteral("Form26"));
        QVERIFY(message);
        QVERIFY2(message->text().contains(QStringLiteral("disk is full")), qPrintable(message->text()));
        QCOMPARE(stored.size(), 0);
        QVERIFY(m_dialog && m_dialog->isVisible());
        QCOMPARE(field(QStringLiteral("Text21(3)"))->text(), QStringLiteral("400"));
        QCOMPARE(settingsRows(), before);
    }

    void clearEmptiesTheRecordAndTheOpenDialog()
    {
        QVERIFY(storeRow(3, QStringLiteral("First"), QStringLiteral("100")));
        openDialog();
        tabs()->setCurrentIndex(2);
        field<QDateEdit>(QStringLiteral("DTPicker1"))->setDate(QDate(2026, 5, 2));
        ContestDataDialog::ClearContestDialog();

        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(m_dialog->selectedBand(), QStringLiteral("1"));
        QCOMPARE(field(QStringLiteral("Text5(1)"))->text(), QStringLiteral("50 MHz"));
        QVERIFY(field(QStringLiteral("Text5(3)"))->text().isEmpty());
        QVERIFY(field(QStringLiteral("Text1"))->text().isEmpty());
        QVERIFY(field(QStringLiteral("Text6"))->text().isEmpty());
        QVERIFY(field(QStringLiteral("Text21(3)"))->text().isEmpty());
        for (int k = 1; k <= 15; ++k)
            QCOMPARE(field(QStringLiteral("Text22(%1)").arg(k))->text(), QStringLiteral("0"));
        QCOMPARE(field<QComboBox>(QStringLiteral("Combo1(3)"))->currentText(), QStringLiteral("SSB"));
        QCOMPARE(field<QDateEdit>(QStringLiteral("DTPicker1"))->date(), QDate(2026, 5, 2));
        QVERIFY(!button(1)->isHidden());
        QVERIFY(button(2)->isHidden());
        const ContestSettings &s = ContestSettingsStore::instance().settings();
        QVERIFY(s.lokator.isEmpty());
        QCOMPARE(s.bandList, QStringList({QStringLiteral("144 MHz ")}));
        QCOMPARE(settingsRows().size(), 1); // the table is not touched
    }

    void clearWithoutDialogCreatesTheRecordEmptied()
    {
        QVERIFY(storeRow(3, QStringLiteral("First"), QStringLiteral("100")));
        ContestDataDialog::ClearContestDialog();
        const ContestSettings &s = ContestSettingsStore::instance().settings();
        QVERIFY(ContestSettingsStore::instance().isLoaded());
        QVERIFY(s.nazivNatjecanja.isEmpty());
        QVERIFY(s.bands[3].snaga.isEmpty());
        QCOMPARE(s.bands[1].band, QStringLiteral("50 MHz"));
        QCOMPARE(s.bands[3].transOsc, QStringLiteral("0"));
    }

    void typedLettersAreUpperCased_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("call sign") << QStringLiteral("Text6") << QStringLiteral("9a1aa/p") << QStringLiteral("9A1AA/P");
        QTest::newRow("locator, at most 6") << QStringLiteral("Text8") << QStringLiteral("jn75osxy")
                                           << QStringLiteral("JN75OS");
        QTest::newRow("operators") << QStringLiteral("Text11") << QStringLiteral("9a2bb;9a3cc")
                                   << QStringLiteral("9A2BB;9A3CC");
        QTest::newRow("responsible call") << QStringLiteral("Text13") << QStringLiteral("9a4dd")
                                          << QStringLiteral("9A4DD");
        QTest::newRow("only a to z") << QStringLiteral("Text6") << QStringLiteral("čx") << QStringLiteral("čX");
        QTest::newRow("name keeps case") << QStringLiteral("Text7") << QStringLiteral("ivan") << QStringLiteral("ivan");
    }
    void typedLettersAreUpperCased()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        openDialog();
        for (const QChar c : typed) {
            if (c.unicode() < 0x80)
                QTest::keyClick(field(name), c.toLatin1());
            else // keyClick knows ASCII only; a letter such as "č" comes as its text
                QTest::sendKeyEvent(QTest::Click, field(name), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCOMPARE(field(name)->text(), shown);
    }

    // Reloading the contest data while the dialog is open ("Ne" to the new-contest
    // warning, or a saved contest opened) must not empty the shown tab's band field,
    // and the row stored is always keyed by the tab's own label.
    void bandStoredIsTheTabLabelAfterAReload_data()
    {
        QTest::addColumn<bool>("answerNo");
        QTest::newRow("new contest answered Ne") << true;
        QTest::newRow("contest data reloaded") << false;
    }
    void bandStoredIsTheTabLabelAfterAReload()
    {
        QFETCH(bool, answerNo);
        QVERIFY(storeRow(3, QStringLiteral("First"), QStringLiteral("100")));
        openDialog();
        tabs()->setCurrentIndex(3); // 432 MHz, no row yet
        TestPlatform answering(TestPlatform::MessageMode::Recorded);
        ContestFileCommands commands(nullptr, answering.platform());
        if (answerNo) {
            commands.newContest(); // empties the record and selects band 1
            QVERIFY(answering.recorded.answer(QStringLiteral("Form8"), QStringLiteral("chameleonButton2")));
            tabs()->setCurrentIndex(3);
        }
        ContestSettingsStore::instance().reload();
        QCOMPARE(field(QStringLiteral("Text5(4)"))->text(), QStringLiteral("432 MHz"));
        fillRequired(4, QStringLiteral("25"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        QTRY_VERIFY(!m_dialog);
        const QList<Row> rows = settingsRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1][QStringLiteral("Band")], QStringLiteral("432 MHz "));
        QCOMPARE(rows[1][QStringLiteral("Snaga")], QStringLiteral("25 "));
    }

    // The dialog fits a 1024x768 screen whole.
    void dialogFitsTheSmallestScreen()
    {
        openDialog();
        QVERIFY2(m_dialog->minimumSizeHint().width() <= 1016, qPrintable(QString::number(m_dialog->minimumSizeHint().width())));
        QVERIFY2(m_dialog->minimumSizeHint().height() <= 700, qPrintable(QString::number(m_dialog->minimumSizeHint().height())));
        m_dialog->resize(1016, 700);
        QCoreApplication::processEvents();
        QVERIFY(m_dialog->width() <= 1016);
        QWidget *cancel = button(3);
        QVERIFY(QRect(cancel->mapTo(m_dialog, QPoint()), cancel->size()).right() <= m_dialog->rect().right());
    }

    void arrowKeysMoveTheFocusBetweenFields()
    {
        openDialog();
        QApplication::setActiveWindow(m_dialog);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        QLineEdit *name = field(QStringLiteral("Text1"));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Kup"));
        QTest::keyClick(name, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(field(QStringLiteral("Text6"))));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(name));
        QCOMPARE(name->text(), QStringLiteral("Kup"));
        QCOMPARE(name->cursorPosition(), 3);
    }
};

QTEST_MAIN(TestContestDialog)
#include "tst_contestdialog.moc"
