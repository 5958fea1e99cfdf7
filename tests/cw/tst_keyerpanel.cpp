// The keyer panel in the real main window, its memory windows and the wiring window,
// keyed against a recording line.
#include "FakeRtsLine.h"
#include "MainWindowFixture.h"
#include "controls/ui/ChameleonButton.h"
#include "cw/CwMemories.h"
#include "cw/Keyer.h"
#include "cw/ui/Form15.h"
#include "cw/ui/Form16.h"
#include "cw/ui/FrmBevitel.h"
#include "cw/ui/KeyerPanel.h"
#include "shell/ui/Form1.h"
#include "controls/ui/MessageWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

namespace {

// Memories 1..9 as the test needs them; missing entries are empty.
std::function<void(TempProgramFolder &)> memories(const QStringList &texts)
{
    return [texts](TempProgramFolder &folder) {
        for (int i = 0; i < CwMemories::Count; ++i)
            CwMemories::write(folder.programFolder(), i, texts.value(i));
    };
}

template<typename T>
T *openWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    return nullptr;
}

MessageWindow *messageWindow(const QString &name)
{
    return MessageWindow::find(name);
}

}

class TestKeyerPanel : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void designNamesExistOnce();
    void opensOnCom1AtFastWithTheFilledMemoriesListed();
    void memoryButtonKeysTheExpandedMemory_data();
    void memoryButtonKeysTheExpandedMemory();
    void speedAndDashWeightAreReadWhenSendingStarts();
    void functionKeysAndEscWorkFromTheCallField_data();
    void functionKeysAndEscWorkFromTheCallField();
    void windowStaysResponsiveWhileSending();
    void stopEndsTheMessageAtACharacterBoundary();
    void stopWhileIdleOnlyEmptiesTheMonitor();
    void secondPressOnlyEmptiesTheMonitor();
    void pressAfterStopSendsOnceTheCharacterEnds();
    void listDoubleClickSendsItsMemory();
    void emptyMemoryOpensTheEditorAndSavesWithCommas();
    void promptLimitsTheMemoryNumber_data();
    void promptLimitsTheMemoryNumber();
    void promptOpensTheEditorAndClosesAfterIt();
    void editorWithoutMemoryAsksForOne();
    void portFailureIsReportedAndTheLampTurnsGreen_data();
    void portFailureIsReportedAndTheLampTurnsGreen();
    void wiringWindowOpensFromTheMenu();

private:
    // The recording line the window's keyer got from the platform.
    std::shared_ptr<FakeRtsLine> fakeLine(MainWindowFixture &f) { return f.testPlatform().rtsLines.line; }
    bool waitIdle(MainWindowFixture &f, int ms = 8000)
    {
        return QTest::qWaitFor([&] { return !f.window().keyer().keyer().isBusy(); }, ms);
    }
};

void TestKeyerPanel::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<Form15 *>(w) || qobject_cast<frmBevitel *>(w) || qobject_cast<Form16 *>(w))
            delete w;
    MainWindowFixture::closeMessageWindows();
}

void TestKeyerPanel::designNamesExistOnce()
{
    MainWindowFixture f;
    QStringList names{"List1", "chameleonButton5", "chameleonButton14", "txtScreen", "cboCw", "Combo3",
                      "txtSulyozas", "shPort", "Label27", "Label28", "Label45", "Label46", "Label47"};
    for (int i = 0; i < 9; ++i)
        names << QStringLiteral("chameleonButton4(%1)").arg(i);
    for (const QString &n : names)
        QVERIFY2(f.window().findChildren<QWidget *>(n).size() == 1, qPrintable(n));
    Form15 prompt(f.folder().programFolder(), f.testPlatform().platform().messages);
    for (const char *n : {"Label1", "Text1", "chameleonButton1", "chameleonButton2"})
        QCOMPARE(prompt.findChildren<QWidget *>(n).size(), 1);
    frmBevitel editor(f.folder().programFolder(), 0, f.testPlatform().platform().messages);
    for (const char *n : {"txtBevitel", "Label1", "chameleonButton1", "chameleonButton2"})
        QCOMPARE(editor.findChildren<QWidget *>(n).size(), 1);
    Form16 wiring;
    for (const char *n : {"Picture1", "Picture2", "chameleonButton1"})
        QCOMPARE(wiring.findChildren<QWidget *>(n).size(), 1);
}

void TestKeyerPanel::opensOnCom1AtFastWithTheFilledMemoriesListed()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(),
                        memories({"", "", "cq de {MYCALL}", "", "", "", "", "", "tu"}));
    KeyerPanel &k = f.window().keyer();
    QCOMPARE(k.cboCw->currentText(), QStringLiteral("COM1"));
    QStringList ports;
    for (int i = 0; i < 4; ++i)
        ports << k.cboCw->itemText(i);
    QCOMPARE(ports, QStringList({"COM1", "COM2", "COM3", "COM4"}));
    QCOMPARE(k.Combo3->currentText(), QStringLiteral("Fast"));
    QCOMPARE(k.Combo3->count(), 3);
    QCOMPARE(k.txtSulyozas->text(), QStringLiteral("3"));
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
    QStringList lines;
    for (int i = 0; i < k.List1->count(); ++i)
        lines << k.List1->item(i)->text();
    QCOMPARE(lines, QStringList({"3--cq de {MYCALL}", "9--tu"}));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(k.chameleonButton4[i]->text(), QString::number(i + 1));
}

void TestKeyerPanel::memoryButtonKeysTheExpandedMemory_data()
{
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("keyed");
    QTest::newRow("exchange macros from the entry line")
        << "{CALL} {RST} {NR}" << "S51ABC" << "COM1" << "/dev/ttyS0" << "s51abc 59 001";
    QTest::newRow("own call and locator from the contest data")
        << "de {MYCALL} {MYLOC}" << "" << "COM3" << "/dev/ttyS2" << "de 9a1test jn85ab";
    QTest::newRow("empty call field keys nothing for it") << "tu {CALL}" << "" << "COM1" << "/dev/ttyS0" << "tu ";
}

void TestKeyerPanel::memoryButtonKeysTheExpandedMemory()
{
    QFETCH(QString, memory);
    QFETCH(QString, call);
    QFETCH(QString, port);
    QFETCH(QString, device);
    QFETCH(QString, keyed);
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"", memory}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    QTest::keyClicks(f.window().entry().Text2, call);
    k.cboCw->setCurrentText(port);
    QTest::mouseClick(k.chameleonButton4[1], Qt::LeftButton);
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Red);
    QVERIFY(waitIdle(f));
    QCOMPARE(k.txtScreen->text(), keyed);
    QCOMPARE(k.txtScreen->cursorPosition(), keyed.size());
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
    QCOMPARE(line->openedPorts(), QStringList{device});
    QVERIFY(!line->isOpen());
    // Every switch of the text's schedule, in order.
    QStringList expected;
    for (const Morse::Step &s : Morse::schedule(keyed, Morse::timingFor(175, 3)))
        expected << (s.down ? "on" : "off");
    QStringList got;
    for (const FakeRtsLine::Event &e : line->events())
        got << (e.on ? "on" : "off");
    if (!expected.isEmpty() && expected.first() == "off")
        expected.removeFirst(); // a leading pause is silence on a line that opens off
    QCOMPARE(got, expected);
}

void TestKeyerPanel::speedAndDashWeightAreReadWhenSendingStarts()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"te"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    k.Combo3->setCurrentText(QStringLiteral("Medium"));
    k.txtSulyozas->setText(QStringLiteral("1"));
    QTest::mouseClick(k.chameleonButton4[0], Qt::LeftButton);
    QVERIFY(waitIdle(f));
    // A dash of weight 1 lasts one element, like the dot after it.
    const QStringList d = line->durations();
    QCOMPARE(d.size(), 4);
    QVERIFY2(std::abs(d.at(0).mid(3).toInt() - 112) <= 12 && std::abs(d.at(2).mid(3).toInt() - 112) <= 12,
             qPrintable(d.join(", ")));
}

void TestKeyerPanel::functionKeysAndEscWorkFromTheCallField_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("F1 sends memory 1") << int(Qt::Key_F1) << "a";
    QTest::newRow("F5 sends memory 5") << int(Qt::Key_F5) << "e";
    QTest::newRow("F9 sends memory 9") << int(Qt::Key_F9) << "i";
}

void TestKeyerPanel::functionKeysAndEscWorkFromTheCallField()
{
    QFETCH(int, key);
    QFETCH(QString, shown);
    MainWindowFixture f({3}, TestSupport::sampleSettings(),
                        memories({"aaaa", "bbbb", "cccc", "dddd", "eeee", "ffff", "gggg", "hhhh", "iiii"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    QLineEdit *call = f.window().entry().Text2;
    call->setFocus();
    QTest::keyClicks(call, QStringLiteral("S51AB"));
    call->setCursorPosition(2);
    QTest::keyClick(call, Qt::Key(key));
    QVERIFY(QTest::qWaitFor([&] { return !k.txtScreen->text().isEmpty(); }, 3000));
    QCOMPARE(k.txtScreen->text().left(1), shown);
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Red);
    QTest::keyClick(call, Qt::Key_Escape);
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
    QVERIFY(k.txtScreen->text().isEmpty());
    QVERIFY(waitIdle(f));
    QVERIFY(k.txtScreen->text().isEmpty());
    // The entry line did not notice the keys.
    QCOMPARE(call->text(), QStringLiteral("S51AB"));
    QCOMPARE(call->cursorPosition(), 2);
    QCOMPARE(QApplication::focusWidget(), call);
    QCOMPARE(line->openedPorts().size(), 1);
    QVERIFY(line->events().size() < 16); // stopped well before the four characters' 16 switches
}

void TestKeyerPanel::windowStaysResponsiveWhileSending()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"test test"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    k.Combo3->setCurrentText(QStringLiteral("Medium")); // about 5 s
    QTest::mouseClick(k.chameleonButton4[0], Qt::LeftButton);
    QLineEdit *call = f.window().entry().Text2;
    call->setFocus();
    // Typing while the message goes out reaches the call field at once.
    QElapsedTimer t;
    t.start();
    QTest::keyClicks(call, QStringLiteral("OK1AB"));
    QCoreApplication::processEvents();
    QVERIFY2(t.elapsed() < 500, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(call->text(), QStringLiteral("OK1AB"));
    QVERIFY(k.keyer().isBusy());
    QVERIFY(QTest::qWaitFor([&] { return k.txtScreen->text().size() >= 2; }, 3000));
    QTest::mouseClick(k.chameleonButton5, Qt::LeftButton);
    QVERIFY(waitIdle(f));
}

void TestKeyerPanel::stopEndsTheMessageAtACharacterBoundary()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"ttttt"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    k.Combo3->setCurrentText(QStringLiteral("Medium"));
    QTest::mouseClick(k.chameleonButton4[0], Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return k.txtScreen->text() == QLatin1String("tt"); }, 3000));
    QTest::mouseClick(k.chameleonButton5, Qt::LeftButton);
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
    QVERIFY(k.txtScreen->text().isEmpty());
    QVERIFY(waitIdle(f));
    QVERIFY(k.txtScreen->text().isEmpty());
    QVERIFY(!line->isOpen());
    // The second "t" was finished whole and nothing followed it.
    QCOMPARE(line->durations().size(), 4);
    QVERIFY(std::abs(line->durations().at(2).mid(3).toInt() - 336) <= 12);
}

void TestKeyerPanel::stopWhileIdleOnlyEmptiesTheMonitor()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"e"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    QTest::mouseClick(k.chameleonButton4[0], Qt::LeftButton);
    QVERIFY(waitIdle(f));
    QCOMPARE(k.txtScreen->text(), QStringLiteral("e"));
    QTest::mouseClick(k.chameleonButton5, Qt::LeftButton);
    QVERIFY(k.txtScreen->text().isEmpty());
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
    QCOMPARE(line->openedPorts().size(), 1);
}

void TestKeyerPanel::secondPressOnlyEmptiesTheMonitor()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"abcdef", "mmmm"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    QTest::mouseClick(k.chameleonButton4[0], Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return k.txtScreen->text().size() >= 2; }, 3000));
    QTest::mouseClick(k.chameleonButton4[1], Qt::LeftButton);
    QVERIFY(k.txtScreen->text().isEmpty());
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Red);
    QVERIFY(waitIdle(f));
    // The first message went on to its end on the emptied monitor; the second never started.
    QVERIFY2(QStringLiteral("abcdef").endsWith(k.txtScreen->text()) && !k.txtScreen->text().isEmpty(),
             qPrintable(k.txtScreen->text()));
    QVERIFY(!k.txtScreen->text().contains(QLatin1Char('m')));
    QCOMPARE(line->openedPorts().size(), 1);
    QCOMPARE(line->events().size(), Morse::schedule(QStringLiteral("abcdef"), Morse::timingFor(175, 3)).size());
}

void TestKeyerPanel::pressAfterStopSendsOnceTheCharacterEnds()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"00000", "e"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    k.Combo3->setCurrentText(QStringLiteral("Medium"));
    QTest::mouseClick(k.chameleonButton4[0], Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !k.txtScreen->text().isEmpty(); }, 3000));
    QTest::mouseClick(k.chameleonButton5, Qt::LeftButton);
    QTest::mouseClick(k.chameleonButton4[1], Qt::LeftButton);
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Red);
    QVERIFY(QTest::qWaitFor([&] { return line->openedPorts().size() == 2 && !k.keyer().isBusy(); }, 8000));
    QCOMPARE(k.txtScreen->text(), QStringLiteral("e"));
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
}

void TestKeyerPanel::listDoubleClickSendsItsMemory()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"", "", "e"}));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    QCOMPARE(k.List1->count(), 1);
    QListWidgetItem *first = k.List1->item(0);
    const QRect r = k.List1->visualItemRect(first);
    QTest::mouseClick(k.List1->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(k.List1->viewport(), Qt::LeftButton, {}, r.center());
    QVERIFY(k.keyer().isBusy());
    QVERIFY(waitIdle(f));
    QCOMPARE(k.txtScreen->text(), QStringLiteral("e"));
    QCOMPARE(line->openedPorts().size(), 1);
    QCOMPARE(QApplication::focusWidget(), k.chameleonButton4[2]);
}

void TestKeyerPanel::emptyMemoryOpensTheEditorAndSavesWithCommas()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"e"}));
    QFile::remove(f.folder().file("cw/4.txt"));
    auto line = fakeLine(f);
    KeyerPanel &k = f.window().keyer();
    QTest::mouseClick(k.chameleonButton4[4], Qt::LeftButton);
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
    QVERIFY(!k.keyer().isBusy());
    frmBevitel *editor = openWindow<frmBevitel>();
    QVERIFY(editor);
    QCOMPARE(editor->memoryIndex(), 4);
    QVERIFY(QFile::exists(f.folder().file("cw/4.txt"))); // created empty on opening
    auto *text = editor->findChild<QLineEdit *>("txtBevitel");
    QVERIFY(text->text().isEmpty());
    QTest::keyClicks(text, QStringLiteral("tu, 73, \"gl\""));
    QTest::mouseClick(editor->findChild<ChameleonButton *>("chameleonButton1"), Qt::LeftButton);
    QTRY_VERIFY(!openWindow<frmBevitel>());
    QFile file(f.folder().file("cw/4.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"tu, 73, gl\"\r\n"));
    QCOMPARE(k.List1->count(), 2);
    QCOMPARE(k.List1->item(1)->text(), QStringLiteral("5--tu, 73, gl"));
    QCOMPARE(line->openedPorts().size(), 0);
    // Sent whole, commas included.
    QTest::mouseClick(k.chameleonButton4[4], Qt::LeftButton);
    QVERIFY(waitIdle(f));
    QCOMPARE(k.txtScreen->text(), QStringLiteral("tu, 73, gl"));
}

void TestKeyerPanel::promptLimitsTheMemoryNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    QTest::newRow("0 opens memory 1") << "0" << 0;
    QTest::newRow("12 opens memory 9") << "12" << 8;
    QTest::newRow("5 opens memory 5") << "5" << 4;
    QTest::newRow("negative opens memory 1") << "-3" << 0;
    QTest::newRow("leading number of a text") << " 7x" << 6;
    QTest::newRow("no number opens memory 1") << "abc" << 0;
}

void TestKeyerPanel::promptLimitsTheMemoryNumber()
{
    QFETCH(QString, typed);
    QFETCH(int, index);
    QCOMPARE(Form15::memoryIndexOf(typed), index);
}

void TestKeyerPanel::promptOpensTheEditorAndClosesAfterIt()
{
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"", "", "", "", "", "", "", "", "old"}));
    KeyerPanel &k = f.window().keyer();
    QTest::mouseClick(k.chameleonButton14, Qt::LeftButton);
    Form15 *prompt = openWindow<Form15>();
    QVERIFY(prompt);
    auto *number = prompt->findChild<QLineEdit *>("Text1");
    QCOMPARE(number->text(), QStringLiteral("1"));
    number->setText(QStringLiteral("12"));
    QTest::mouseClick(prompt->findChild<ChameleonButton *>("chameleonButton1"), Qt::LeftButton);
    frmBevitel *editor = openWindow<frmBevitel>();
    QVERIFY(editor);
    QCOMPARE(editor->memoryIndex(), 8);
    auto *text = editor->findChild<QLineEdit *>("txtBevitel");
    QCOMPARE(text->text(), QStringLiteral("old"));
    text->setText(QStringLiteral("new"));
    QTest::mouseClick(editor->findChild<ChameleonButton *>("chameleonButton2"), Qt::LeftButton); // Odustani
    QTRY_VERIFY(!openWindow<frmBevitel>());
    QTRY_VERIFY(!openWindow<Form15>());
    QCOMPARE(CwMemories::read(f.folder().programFolder(), 8), QStringLiteral("old"));
    QCOMPARE(k.List1->item(0)->text(), QStringLiteral("9--old"));
}

void TestKeyerPanel::editorWithoutMemoryAsksForOne()
{
    TempProgramFolder folder(false);
    TestPlatform platform;
    QVERIFY(!frmBevitel::edit(folder.programFolder(), -1, platform.platform().messages, nullptr));
    MessageWindow *w = messageWindow(QStringLiteral("Form49"));
    QVERIFY(w);
    QCOMPARE(w->text(), QStringLiteral("Unesite tekst koji želite urediti!"));
}

void TestKeyerPanel::portFailureIsReportedAndTheLampTurnsGreen_data()
{
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<QString>("reason");
    QTest::newRow("port cannot be opened") << true << "COM2: Permission denied";
    QTest::newRow("port refuses RTS") << false << "COM2: the port does not switch RTS";
}

void TestKeyerPanel::portFailureIsReportedAndTheLampTurnsGreen()
{
    QFETCH(bool, openFails);
    QFETCH(QString, reason);
    MainWindowFixture f({3}, TestSupport::sampleSettings(), memories({"e"}));
    auto line = fakeLine(f);
    if (openFails)
        line->failOpenWith(QStringLiteral("Permission denied"));
    else
        line->refuseFrom(0);
    KeyerPanel &k = f.window().keyer();
    k.cboCw->setCurrentText(QStringLiteral("COM2"));
    QTest::mouseClick(k.chameleonButton4[0], Qt::LeftButton);
    QVERIFY(waitIdle(f));
    MessageWindow *w = messageWindow(QStringLiteral("Form48"));
    QVERIFY(w);
    QCOMPARE(w->text(), QStringLiteral("CW ulaz se ne može otvoriti.\n") + reason);
    QCOMPARE(k.shPort->colourValue(), KeyerLamp::Green);
    QVERIFY(!line->isOpen());
}

void TestKeyerPanel::wiringWindowOpensFromTheMenu()
{
    MainWindowFixture f({3});
    QAction *item = f.window().action(QStringLiteral("cwiinterface"));
    QVERIFY(item->isEnabled());
    item->trigger();
    Form16 *w = openWindow<Form16>();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("CW interface"));
    // Both diagrams draw something on their white ground.
    for (const char *name : {"Picture1", "Picture2"}) {
        const QImage img = w->findChild<QWidget *>(name)->grab().toImage();
        int inked = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2)
                inked += qGray(img.pixel(x, y)) < 128;
        QVERIFY2(inked > 150, qPrintable(QStringLiteral("%1: %2 dark points in %3x%4").arg(name).arg(inked).arg(img.width()).arg(img.height())));
    }
    QTest::mouseClick(w->findChild<ChameleonButton *>("chameleonButton1"), Qt::LeftButton);
    QTRY_VERIFY(!openWindow<Form16>());
}

QTEST_MAIN(TestKeyerPanel)
#include "tst_keyerpanel.moc"
