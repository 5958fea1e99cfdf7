// The message windows: on top without taking the focus, answered from the keyboard
// once given the focus, relabelled and answered through the Messages seam.
#include "MainWindowFixture.h"
#include "TestPlatform.h"

#include "controls/MessageCatalogue.h"
#include "controls/ui/ChameleonButton.h"
#include "controls/ui/MessageWindow.h"
#include "shell/ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestMessageWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MainWindowFixture::closeMessageWindows(); }

    // A refusal while the operator types: the message shows on top, and the keys
    // typed next still reach the entry line.
    void messageLeavesTheFocusWithTheOperator()
    {
        MainWindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window()));
        EntryLine &e = f.window().entry();
        f.typeQso(QStringLiteral("S51A"), QStringLiteral("x"), QStringLiteral("86cd")); // serial not a number
        MessageWindow *m = MessageWindow::find(QStringLiteral("Form19"));
        QVERIFY(m && m->isVisible());
        QVERIFY(m->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QTest::qWait(50); // whatever activation the platform does on show has happened
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget *>(&f.window()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(e.Text7));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QCOMPARE(e.Text7->text(), QStringLiteral("7"));
        QCOMPARE(f.storedCount(), 0);
    }

    // Both databases failing at start-up: one window names both, neither reason is lost.
    void everyFailingDatabaseIsNamed()
    {
        MainWindowFixture f({}, TestSupport::sampleSettings(), [](TempProgramFolder &folder) {
            for (const char *name : {"contest.mdb", "evidencija.mdb"}) {
                QFile::remove(folder.file(QLatin1String(name)));
                QDir().mkpath(folder.file(QLatin1String(name))); // a folder where the file should be
            }
        });
        MessageWindow *m = MessageWindow::find(QStringLiteral("Form29"));
        QVERIFY(m);
        QVERIFY2(m->text().contains(QStringLiteral("evidencija.mdb")), qPrintable(m->text()));
        QVERIFY2(m->text().contains(QStringLiteral("contest.mdb")), qPrintable(m->text()));
    }

    // Once the operator gives a message window the focus, Enter and Space press the
    // focused button, Escape the last one.
    void keysPressTheFocusedButton_data()
    {
        QTest::addColumn<int>("focusedButton"); // 1 or 2
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Enter on Da") << 1 << int(Qt::Key_Return) << QStringLiteral("chameleonButton1");
        QTest::newRow("keypad Enter on Ne") << 2 << int(Qt::Key_Enter) << QStringLiteral("chameleonButton2");
        QTest::newRow("Space on Ne") << 2 << int(Qt::Key_Space) << QStringLiteral("chameleonButton2");
        QTest::newRow("Space on Da") << 1 << int(Qt::Key_Space) << QStringLiteral("chameleonButton1");
        QTest::newRow("Escape answers Ne") << 1 << int(Qt::Key_Escape) << QStringLiteral("chameleonButton2");
    }
    void keysPressTheFocusedButton()
    {
        QFETCH(int, focusedButton);
        QFETCH(int, key);
        QFETCH(QString, answer);
        QPointer<MessageWindow> w = MessageWindow::showWindow(new MessageWindow(MessageCatalogue::newContestWarning()));
        QSignalSpy answered(w.data(), &MessageWindow::buttonClicked);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        ChameleonButton *button = w->button(QStringLiteral("chameleonButton%1").arg(focusedButton));
        button->setFocus();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button));
        QTest::keyClick(button, Qt::Key(key));
        QCOMPARE(answered.size(), 1);
        QCOMPARE(answered.at(0).at(0).toString(), answer);
        QTRY_VERIFY(!w);
    }

    // Activating a message window puts the focus on its first button.
    void activatedWindowFocusesItsButton()
    {
        QPointer<MessageWindow> w = MessageWindow::showWindow(new MessageWindow(MessageCatalogue::notFound()));
        QSignalSpy answered(w.data(), &MessageWindow::buttonClicked);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->button(QStringLiteral("chameleonButton1"))));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(answered.size(), 1);
    }

    // The program's message windows: one per name, a window with a value replaced.
    void programWindowsKeepOnePerName()
    {
        TestPlatform platform;
        Messages &messages = platform.platform().messages;
        messages.show(MessageCatalogue::notFound());
        MessageWindow *first = MessageWindow::find(QStringLiteral("Form7"));
        messages.show(MessageCatalogue::notFound());
        QCOMPARE(MessageWindow::find(QStringLiteral("Form7")), first);
        messages.show(MessageCatalogue::exportFailed(QStringLiteral("disk full")));
        messages.show(MessageCatalogue::exportFailed(QStringLiteral("no folder")));
        MessageWindow *failure = MessageWindow::find(QStringLiteral("Form23"));
        QVERIFY(failure);
        QVERIFY2(failure->text().endsWith(QStringLiteral("no folder")), qPrintable(failure->text()));
        int open = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            open += w->objectName() == QLatin1String("Form23") && w->isVisible();
        QCOMPARE(open, 1);
    }

    // A test answers a message through the seam; an answer after its receiver is
    // gone reaches nobody.
    void recordedMessagesAreAnswered()
    {
        TestPlatform platform(TestPlatform::MessageMode::Recorded);
        QStringList answers;
        auto receiver = std::make_unique<QObject>();
        platform.platform().messages.show(MessageCatalogue::newContestWarning(), receiver.get(),
                                          [&](const QString &b) { answers << b; });
        platform.platform().messages.show(MessageCatalogue::newContestWarning(), receiver.get(),
                                          [&](const QString &b) { answers << QLatin1Char('2') + b; });
        QCOMPARE(platform.recorded.shown(), QStringList({"Form8", "Form8"}));
        QVERIFY(platform.recorded.answer(QStringLiteral("Form8"), QStringLiteral("chameleonButton2")));
        QCOMPARE(answers, QStringList{"2chameleonButton2"});
        receiver.reset();
        QVERIFY(platform.recorded.answer(QStringLiteral("Form8"), QStringLiteral("chameleonButton1")));
        QCOMPARE(answers.size(), 1);
        QVERIFY(!platform.recorded.answer(QStringLiteral("Form8"), QStringLiteral("chameleonButton1")));
        QVERIFY(QApplication::topLevelWidgets().isEmpty() || !MessageWindow::find(QStringLiteral("Form8")));
    }
};

QTEST_MAIN(TestMessageWindows)
#include "tst_messagewindows.moc"
