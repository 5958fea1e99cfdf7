#include "TestPlatform.h"
#include "TestSupport.h"

#include "controls/ui/ChameleonButton.h"
#include "controls/ui/MessageWindow.h"
#include "geo/ui/LocatorCalculator.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

class TestLocatorCalculator : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void designNamesExistOnce();
    void opensWithFieldLettersAndTheLanguage();
    void calculation_data();
    void calculation();
    void workingFieldsHoldPositions();
    void tooLongFirstLocatorAlerts();
    void typedLettersBecomeCapitals();
    void focusSelectsSquareAndSubSquare();
    void arrowKeysMoveTheFocus();
    void cancelClosesTheWindow();

private:
    QLineEdit *field(const char *name) { return m_window->findChild<QLineEdit *>(name); }
    std::unique_ptr<TempProgramFolder> m_folder;
    QPointer<LocatorCalculator> m_window;
    TestPlatform m_platform;
};

void TestLocatorCalculator::init()
{
    m_folder = std::make_unique<TempProgramFolder>(false);
    m_window = new LocatorCalculator(m_platform.platform().messages);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestLocatorCalculator::cleanup()
{
    delete m_window;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<MessageWindow *>(w))
            delete w;
    m_folder.reset();
}

void TestLocatorCalculator::designNamesExistOnce()
{
    for (const char *name : {"Text3", "Text5", "Text6", "Text1", "chameleonButton1", "chameleonButton2", "Label1",
                             "Label2", "Label3", "Label4"})
        QCOMPARE(m_window->findChildren<QWidget *>(name).size(), 1);
}

void TestLocatorCalculator::opensWithFieldLettersAndTheLanguage()
{
    QCOMPARE(field("Text3")->text(), QString("JN"));
    QCOMPARE(field("Text5")->text(), QString("JN"));
    QCOMPARE(m_window->windowTitle(), QString("Lokator kalkulator"));

    QFile ini(m_folder->file("jezik/jezik.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write("engleski\n");
    ini.close();
    LocatorCalculator english(m_platform.platform().messages);
    QCOMPARE(english.windowTitle(), QString("Locator calculator"));
    QCOMPARE(english.findChild<ChameleonButton *>("chameleonButton1")->text(), QString("Calculate"));
    QCOMPARE(english.findChild<QLineEdit *>("Text3")->text(), QString("JN"));
}

void TestLocatorCalculator::calculation_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("km");
    QTest::addColumn<QString>("bearing");
    QTest::addColumn<bool>("locatorsKept");
    QTest::newRow("fields as opened give unknown") << "JN" << "JN" << "??????" << "??????" << false;
    QTest::newRow("short path") << "JN85AB" << "JN86CD" << " 121" << " 6" << true;
    QTest::newRow("squares completed with LL") << "JN85" << "JN95" << " 155" << " 89" << true;
    QTest::newRow("square equals its LL sub-square") << "JN75" << "JN75LL" << " 0" << " 270" << true;
    QTest::newRow("two equal locators give zero") << "JN85AB" << "JN85AB" << " 0" << " 270" << true;
    QTest::newRow("due north gives 360") << "JN85AB" << "JO85AB" << " 1112" << " 360" << true;
    QTest::newRow("lower case computed") << "jn85ab" << "in88aa" << " 1560" << " 289" << true;
    QTest::newRow("empty second locator") << "JN85AB" << "" << "??????" << "??????" << false;
    QTest::newRow("letter in third place") << "JNA5" << "JN85AB" << "??????" << "??????" << false;
    QTest::newRow("seven-character second, no alert") << "JN85AB" << "JN85ABC" << "??????" << "??????" << false;
    QTest::newRow("five characters after completion") << "JN85A" << "JN86CD" << "??????" << "??????" << false;
}

void TestLocatorCalculator::calculation()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, km);
    QFETCH(QString, bearing);
    QFETCH(bool, locatorsKept);
    field("Text3")->setText(first);
    field("Text5")->setText(second);
    QTest::mouseClick(m_window->findChild<ChameleonButton *>("chameleonButton1"), Qt::LeftButton);
    QCOMPARE(field("Text6")->text(), km);
    QCOMPARE(field("Text1")->text(), bearing);
    QCOMPARE(field("Text3")->text(), locatorsKept ? first : QString());
    QCOMPARE(field("Text5")->text(), locatorsKept ? second : QString());
    QVERIFY(!MessageWindow::find("Form21"));
}

void TestLocatorCalculator::workingFieldsHoldPositions()
{
    field("Text3")->setText("JN85AB");
    field("Text5")->setText("IO91WM");
    m_window->Calculate();
    QCOMPARE(qRound(m_window->Text7 * 10000), 450625);
    QCOMPARE(qRound(m_window->Text2 * 10000), -160417);
    QCOMPARE(qRound(m_window->Text4 * 10000), 515208);
    QCOMPARE(qRound(m_window->Text8 * 10000), 1250);
}

void TestLocatorCalculator::tooLongFirstLocatorAlerts()
{
    field("Text3")->setText("JN85ABC");
    field("Text5")->setText("JN86CD");
    m_window->Calculate();
    MessageWindow *alert = MessageWindow::find("Form21");
    QVERIFY(alert);
    QCOMPARE(alert->text(), QString("Lokator je predugačak (najviše 6 znakova)."));
    QCOMPARE(field("Text6")->text(), QString("??????"));
    QCOMPARE(field("Text1")->text(), QString("??????"));
    QVERIFY(field("Text3")->text().isEmpty());
}

void TestLocatorCalculator::typedLettersBecomeCapitals()
{
    QLineEdit *t3 = field("Text3");
    t3->setFocus();
    t3->clear();
    QTest::keyClicks(t3, "jn75x-9");
    QCOMPARE(t3->text(), QString("JN75X-9"));
}

void TestLocatorCalculator::focusSelectsSquareAndSubSquare()
{
    QLineEdit *t5 = field("Text5");
    t5->setText("JN85AB");
    m_window->findChild<ChameleonButton *>("chameleonButton1")->setFocus();
    t5->setFocus(Qt::TabFocusReason);
    QCOMPARE(t5->selectionStart(), 2);
    QCOMPARE(t5->selectedText(), QString("85AB"));
    QTest::keyClicks(t5, "75ll");
    QCOMPARE(t5->text(), QString("JN75LL"));
}

void TestLocatorCalculator::arrowKeysMoveTheFocus()
{
    QLineEdit *t3 = field("Text3");
    QLineEdit *t5 = field("Text5");
    m_window->activateWindow();
    t3->setFocus();
    QTRY_VERIFY(t3->hasFocus());
    t3->setCursorPosition(1);
    QTest::keyClick(t3, Qt::Key_Right);
    QVERIFY(t5->hasFocus());
    QCOMPARE(t3->text(), QString("JN"));
    QTest::keyClick(t5, Qt::Key_Right);
    QVERIFY(m_window->findChild<ChameleonButton *>("chameleonButton1")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QVERIFY(t3->hasFocus());
}

void TestLocatorCalculator::cancelClosesTheWindow()
{
    QTest::mouseClick(m_window->findChild<ChameleonButton *>("chameleonButton2"), Qt::LeftButton);
    QTRY_VERIFY(m_window.isNull());
}

QTEST_MAIN(TestLocatorCalculator)
#include "tst_locatorcalculator.moc"
