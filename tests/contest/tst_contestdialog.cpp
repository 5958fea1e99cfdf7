// The contest data dialog ContestDataDialog on a real contest database in a temporary program folder.
#include "MainWindowFixture.h"
#include "TestPlatform.h"
#include "TestSupport.h"

#include "contest/BandLabels.h"
#include "contest/ContestSettings.h"
#include "contest/ui/ContestDataDialog.h"
#include "contest/ui/ContestFileCommands.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/MessageWindow.h"
#include "cw/CwMemories.h"
#include "cw/Keyer.h"
#include "cw/ui/KeyerPanel.h"
#include "contestlog/EntrySession.h"
#include "export/ui/ExportCommands.h"
#include "shell/ui/Form1.h"

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

QList<Row> settingsRows(QSqlDatabase db)
{
    QList<Row> rows;
    QSqlQuery q(db);
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

bool storeRow(QSqlDatabase db, int k, const QString &name, const QString &power)
{
    return ContestSettingsTable::insertBandRow(db, settingsFor(k, name, power), k);
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
    ContestContext &ctx() const { return m_folder->context(); }
    QSqlDatabase db() const { return ctx().database(); }
    ContestDataDialog *openDialog()
    {
        m_dialog = ContestDataDialog::showDialog(m_platform.platform(), ctx());
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
        QVERIFY(ctx().session().open());
    }

    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            w->close();
        QApplication::processEvents();
        delete m_dialog.data();
        ctx().session().close();
        m_folder.reset();
    }

    // What the operator types into the dialog and does not store must not score a
    // QSO, fill a keyer macro or go into an export; once stored, it does all three.
    void onlyStoredContestDataReachQsosMacrosAndExports()
    {
        MainWindowFixture f({3}, TestSupport::sampleSettings(), [](TempProgramFolder &folder) {
            CwMemories::write(folder.programFolder(), 0, QStringLiteral("de {MYLOC}"));
        });
        ContestContext &context = f.folder().context();
        KeyerPanel &keyer = f.window().keyer(); // keys the test platform's recording line
        auto keyed = [&] {
            QTest::mouseClick(keyer.chameleonButton4[0], Qt::LeftButton);
            QTest::qWaitFor([&] { return !keyer.keyer().isBusy(); }, 8000);
            return keyer.txtScreen->text();
        };
        auto exportedOwnLocator = [&]() -> QString {
            if (!ExportCommands::exportEdi(context, f.window().entrySession(), f.testPlatform().platform()))
                return QStringLiteral("no export");
            const QDir log(f.folder().file(QStringLiteral("log")));
            QFile edi(log.filePath(log.entryList({QStringLiteral("*.edi")}).value(0)));
            if (!edi.open(QIODevice::ReadOnly))
                return QStringLiteral("no file");
            for (const QByteArray &l : edi.readAll().split('\n'))
                if (l.startsWith("PWWLo="))
                    return QString::fromLatin1(l.mid(6).trimmed());
            return {};
        };
        auto qrbOfLastRow = [&] { return f.storedRows().constLast().section(QLatin1Char('|'), 2, 2); };

        f.window().action(QStringLiteral("osobnepostavke"))->trigger();
        m_dialog = ContestDataDialog::openInstance();
        QVERIFY(m_dialog);
        tabs()->setCurrentIndex(2); // 144 MHz, the stored band
        QLineEdit *own = field(QStringLiteral("Text8"));
        own->selectAll();
        QTest::keyClicks(own, QStringLiteral("JO65AB"));
        QCOMPARE(own->text(), QStringLiteral("JO65AB"));

        f.typeQso(QStringLiteral("S51A"), QStringLiteral("1"), QStringLiteral("86CD"));
        QCOMPARE(qrbOfLastRow(), QStringLiteral("121")); // from the stored JN85AB
        QCOMPARE(keyed(), QStringLiteral("de jn85ab"));
        QCOMPARE(exportedOwnLocator(), QStringLiteral("JN85AB"));

        QTest::mouseClick(button(2), Qt::LeftButton); // "Izmjeni" stores the band's row
        QTRY_VERIFY(!m_dialog);
        QCOMPARE(context.contestData().settings().lokator, QStringLiteral("JO65AB"));
        f.typeQso(QStringLiteral("S52B"), QStringLiteral("2"), QStringLiteral("86CD"));
        QCOMPARE(qrbOfLastRow(), QStringLiteral("1034"));
        QCOMPARE(keyed(), QStringLiteral("de jo65ab"));
        QCOMPARE(exportedOwnLocator(), QStringLiteral("JO65AB"));
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
        QCOMPARE(m_dialog->draft().trajeOd, today.toString(QStringLiteral("yyyy-MM-dd")));
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
        QVERIFY(storeRow(db(), 3, QStringLiteral("First"), QStringLiteral("100")));
        QVERIFY(storeRow(db(), 4, QStringLiteral("Second"), QStringLiteral("25")));
        // A row of a band the program does not know must not land on band 4's panel.
        ContestSettings odd = settingsFor(4, QStringLiteral("Odd"), QStringLiteral("999"));
        odd.bands[4].band = QStringLiteral("13 cm");
        QVERIFY(ContestSettingsTable::insertBandRow(db(), odd, 4));

        openDialog();
        QCOMPARE(field(QStringLiteral("Text1"))->text(), QStringLiteral("Odd")); // general fields: last row
        QCOMPARE(field(QStringLiteral("Text21(3)"))->text(), QStringLiteral("100"));
        QCOMPARE(field(QStringLiteral("Text21(4)"))->text(), QStringLiteral("25"));
        QCOMPARE(field(QStringLiteral("Text5(4)"))->text(), QStringLiteral("432 MHz"));
        QCOMPARE(field<QComboBox>(QStringLiteral("Combo1(3)"))->currentText(), QStringLiteral("SSB"));
        QCOMPARE(ctx().contestData().settings().bandList,
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
                [&] { bandSeenByMainWindow = ctx().contestData().settings().firstBand(); });
        QSignalSpy stored(m_dialog.data(), &ContestDataDialog::settingsStored);

        QTest::mouseClick(button(1), Qt::LeftButton);

        QCOMPARE(stored.size(), 1);
        QCOMPARE(bandSeenByMainWindow, QStringLiteral("144 MHz"));
        QTRY_VERIFY(!m_dialog);
        QVERIFY(ctx().contestData().isLoaded()); // the stored data were read again at once
        const QList<Row> rows = settingsRows(db());
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
        QCOMPARE(ctx().contestData().settings().lokator, QStringLiteral("JN75OS"));
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
        QVERIFY(settingsRows(db()).isEmpty());
    }

    void updateWithoutPowerKeepsTheDialog()
    {
        QVERIFY(storeRow(db(), 3, QStringLiteral("First"), QStringLiteral("100")));
        openDialog();
        tabs()->setCurrentIndex(2);
        QVERIFY(!button(2)->isHidden());
        field(QStringLiteral("Text21(3)"))->clear();
        QTest::mouseClick(button(2), Qt::LeftButton);
        QVERIFY(MessageWindow::find(QStringLiteral("Form13")));
        QVERIFY(m_dialog && m_dialog->isVisible());
        QCOMPARE(settingsRows(db()).at(0)[QStringLiteral("Snaga")], QStringLiteral("100 "));
    }

    void updateRewritesTheBandRowOnly()
    {
        QVERIFY(storeRow(db(), 3, QStringLiteral("First"), QStringLiteral("100")));
        QVERIFY(storeRow(db(), 4, QStringLiteral("Second"), QStringLiteral("25")));
        openDialog();
        tabs()->setCurrentIndex(2);
        field(QStringLiteral("Text1"))->clear(); // no checks on "Izmjeni": the empty name is stored
        field(QStringLiteral("Text21(3)"))->setText(QStringLiteral("300"));
        field<QComboBox>(QStringLiteral("Combo1(3)"))->setEditText(QStringLiteral("CW"));
        QSignalSpy stored(m_dialog.data(), &ContestDataDialog::settingsStored);
        QTest::mouseClick(button(2), Qt::LeftButton);
        QCOMPARE(stored.size(), 1);
        QTRY_VERIFY(!m_dialog);
        const QList<Row> rows = settingsRows(db());
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
        const QList<Row> rows = settingsRows(db());
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
            QVERIFY(storeRow(db(), 3, QStringLiteral("First"), QStringLiteral("100")));
        QSqlQuery q(db());
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse_insert BEFORE INSERT ON postavke "
                                      "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")));
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER refuse_update BEFORE UPDATE ON postavke "
                                      "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")));
        const QList<Row> before = settingsRows(db());
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
        QCOMPARE(settingsRows(db()), before);
    }

    void clearEmptiesTheRecordAndTheOpenDialog()
    {
        QVERIFY(storeRow(db(), 3, QStringLiteral("First"), QStringLiteral("100")));
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
        const ContestSettings &s = m_dialog->draft();
        QVERIFY(s.lokator.isEmpty());
        QCOMPARE(s.bandList, QStringList({QStringLiteral("144 MHz ")}));
        QCOMPARE(settingsRows(db()).size(), 1); // the table is not touched
        QCOMPARE(ctx().contestData().settings().lokator, QStringLiteral("JN85AB")); // nor the stored data
    }

    // Until the new contest exists, its emptied data score nothing: the stored ones stay.
    void clearWithoutDialogKeepsTheStoredData()
    {
        QVERIFY(storeRow(db(), 3, QStringLiteral("First"), QStringLiteral("100")));
        ContestDataDialog::ClearContestDialog();
        const ContestSettings &s = ctx().contestData().settings();
        QCOMPARE(s.nazivNatjecanja, QStringLiteral("First"));
        QCOMPARE(s.bands[3].snaga, QStringLiteral("100"));
        QCOMPARE(s.lokator, QStringLiteral("JN85AB"));
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
        QVERIFY(storeRow(db(), 3, QStringLiteral("First"), QStringLiteral("100")));
        openDialog();
        tabs()->setCurrentIndex(3); // 432 MHz, no row yet
        TestPlatform answering(TestPlatform::MessageMode::Recorded);
        ContestFileCommands commands(nullptr, answering.platform(), ctx());
        if (answerNo) {
            commands.newContest(); // empties the record and selects band 1
            QVERIFY(answering.recorded.answer(QStringLiteral("Form8"), QStringLiteral("chameleonButton2")));
            tabs()->setCurrentIndex(3);
        }
        ctx().contestData().reload();
        QCOMPARE(field(QStringLiteral("Text5(4)"))->text(), QStringLiteral("432 MHz"));
        fillRequired(4, QStringLiteral("25"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        QTRY_VERIFY(!m_dialog);
        const QList<Row> rows = settingsRows(db());
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
