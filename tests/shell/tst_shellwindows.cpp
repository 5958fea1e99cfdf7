#include "TestSupport.h"

#include "controls/ui/ChameleonButton.h"
#include "shell/ui/AboutWindow.h"
#include "shell/ui/FrequencyListWindow.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/WindowUtil.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

class TestShellWindows : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void frequencyListShowsOneBandAtATime();
    void frequencyListFollowsTheLanguage();
    void aboutWindowShowsDesignedTextsAndCloses();
    void helpOpensAtContents_data();
    void helpOpensAtContents();
    void helpNavigatesWithContentsAndHistory();
    void topmostChangesOrderOnly();

private:
    void selectWord(const QByteArray &word);
    std::unique_ptr<TempProgramFolder> m_folder;
};

void TestShellWindows::init()
{
    m_folder = std::make_unique<TempProgramFolder>(false);
}

void TestShellWindows::cleanup()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
    m_folder.reset();
}

void TestShellWindows::selectWord(const QByteArray &word)
{
    QFile ini(m_folder->file("jezik/jezik.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(word + "\n");
}

void TestShellWindows::frequencyListShowsOneBandAtATime()
{
    FrequencyListWindow *w = FrequencyListWindow::open(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto visible = [w](const char *name) { return w->findChild<QWidget *>(name)->isVisible(); };
    const QList<const char *> view144{"Label1", "Label2", "Label3", "Label4", "Picture1"};
    const QList<const char *> view432{"Label8", "Label5", "Label6", "Label7", "Picture2"};
    auto shown = [&](bool band144) {
        QStringList wrong;
        for (const char *n : view144)
            if (visible(n) != band144)
                wrong << n;
        for (const char *n : view432)
            if (visible(n) == band144)
                wrong << n;
        for (const char *n : {"Shape1", "Shape2", "Shape3"})
            if (!visible(n))
                wrong << n;
        return wrong.join(' ');
    };
    QVERIFY(w->findChild<QRadioButton *>("Option1")->isChecked());
    QCOMPARE(shown(true), QString());
    // Click on the indicator: the button is wider than its text in the layout.
    auto click = [w](const char *name) {
        auto *b = w->findChild<QRadioButton *>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    };
    click("Option2");
    QCOMPARE(shown(false), QString());
    click("Option1");
    QCOMPARE(shown(true), QString());
    QCOMPARE(w->findChild<QLabel *>("Label4")->text(), QString("144.035 - 144.150"));
    QCOMPARE(FrequencyListWindow::open(nullptr), w);

    QPointer<FrequencyListWindow> guard(w);
    QTest::mouseClick(w->findChild<ChameleonButton *>("chameleonButton1"), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
}

void TestShellWindows::frequencyListFollowsTheLanguage()
{
    selectWord("engleski");
    FrequencyListWindow w;
    QCOMPARE(w.windowTitle(), QString("Band plans"));
    QCOMPARE(w.findChild<QRadioButton *>("Option1")->text(), QString("144 MHz"));
    QCOMPARE(w.findChild<ChameleonButton *>("chameleonButton1")->text(), QString("Close"));
}

void TestShellWindows::aboutWindowShowsDesignedTextsAndCloses()
{
    AboutWindow *w = AboutWindow::open(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->windowTitle(), QString("O programu"));
    QCOMPARE(w->findChild<QLabel *>("Label1")->text(), QString("Program namijenjen za vođenje VHF contesta."));
    QCOMPARE(w->findChild<QLabel *>("Label2")->text(), QString("v. 2.0 - 08.05.2014."));
    QPointer<AboutWindow> guard(w);
    QTest::mouseClick(w->findChild<ChameleonButton *>("chameleonButton1"), Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
}

void TestShellWindows::helpOpensAtContents_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QString>("folder");
    QTest::newRow("croatian") << QByteArray("hrvatski") << "hr";
    QTest::newRow("english") << QByteArray("engleski") << "en";
    QTest::newRow("polish falls back to english") << QByteArray("polski") << "en";
}

void TestShellWindows::helpOpensAtContents()
{
    QFETCH(QByteArray, word);
    QFETCH(QString, folder);
    selectWord(word);
    QWidget owner;
    HelpWindow *help = ShowHelp(m_folder->programFolder(), &owner);
    QVERIFY(help->isVisible());
    QCOMPARE(help->parentWidget(), &owner);
    QCOMPARE(help->browser()->source(), QUrl::fromLocalFile(m_folder->file("help/" + folder + "/index.html")));
    QCOMPARE(help->contents()->currentRow(), 0);
    QCOMPARE(help->contents()->count(), HelpWindow::pageFiles().size());
    // Every page of the contents exists and carries a title of its own.
    QSet<QString> titles;
    for (int i = 0; i < help->contents()->count(); ++i) {
        QVERIFY(QFile::exists(m_folder->file("help/" + folder + "/" + HelpWindow::pageFiles().at(i))));
        titles.insert(help->contents()->item(i)->text());
    }
    QCOMPARE(titles.size(), HelpWindow::pageFiles().size());
    QVERIFY(!help->browser()->toPlainText().trimmed().isEmpty());
}

void TestShellWindows::helpNavigatesWithContentsAndHistory()
{
    selectWord("engleski");
    HelpWindow *help = ShowHelp(m_folder->programFolder(), nullptr);
    auto *back = help->findChild<ChameleonButton *>("back");
    auto *forward = help->findChild<ChameleonButton *>("forward");
    QVERIFY(!back->isEnabled());
    help->contents()->setCurrentRow(2);
    QCOMPARE(help->browser()->source().fileName(), HelpWindow::pageFiles().at(2));
    QVERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(help->browser()->source().fileName(), QString("index.html"));
    QCOMPARE(help->contents()->currentRow(), 0);
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(help->contents()->currentRow(), 2);
    // Opening help again brings the same window back to its contents.
    QCOMPARE(ShowHelp(m_folder->programFolder(), nullptr), help);
    QCOMPARE(help->browser()->source().fileName(), QString("index.html"));
}

void TestShellWindows::topmostChangesOrderOnly()
{
    QWidget w;
    w.setGeometry(120, 80, 300, 200);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect before = w.geometry();
    SetTopmost(&w, true);
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.isVisible());
    QCOMPARE(w.geometry(), before);
    SetTopmost(&w, false);
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.isVisible());
    QCOMPARE(w.geometry(), before);
    QVERIFY(!w.testAttribute(Qt::WA_ShowWithoutActivating));
}

QTEST_MAIN(TestShellWindows)
#include "tst_shellwindows.moc"
