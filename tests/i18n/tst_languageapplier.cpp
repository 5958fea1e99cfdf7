#include "TestSupport.h"

#include "i18n/LanguagePack.h"
#include "i18n/ui/ApplySelectedLanguage.h"
#include "i18n/ui/LanguageApplier.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A small main window with one control of every kind a pack relabels.
class SampleWindow : public QMainWindow
{
public:
    SampleWindow()
    {
        setObjectName("Form1");
        setWindowTitle("designed title");
        auto *central = new QWidget(this);
        auto *layout = new QVBoxLayout(central);
        auto add = [&](QWidget *w, const char *name) {
            w->setObjectName(name);
            layout->addWidget(w);
            return w;
        };
        label1 = static_cast<QLabel *>(add(new QLabel("Vrijeme"), "Label1"));
        label2 = static_cast<QLabel *>(add(new QLabel("Pozivni znak"), "Label2"));
        check = static_cast<QCheckBox *>(add(new QCheckBox("Naknadno vođenje"), "Check1"));
        option = static_cast<QRadioButton *>(add(new QRadioButton("144 Mhz"), "Option1"));
        button = static_cast<QPushButton *>(add(new QPushButton("Spremi"), "chameleonButton1"));
        group = static_cast<QGroupBox *>(add(new QGroupBox("Okvir"), "Frame1"));
        element0 = static_cast<QPushButton *>(add(new QPushButton("1"), "chameleonButton4(0)"));
        element1 = static_cast<QPushButton *>(add(new QPushButton("2"), "chameleonButton4(1)"));
        tabs = static_cast<QTabWidget *>(add(new QTabWidget, "TabStrip1"));
        tabs->addTab(new QWidget, "50 MHz");
        tabs->addTab(new QWidget, "70 MHz");
        setCentralWidget(central);

        // A menu made by the menu bar and one created unparented and only added to it.
        menu = menuBar()->addMenu("Podaci");
        menu->setObjectName("podaci");
        action = menu->addAction("Kraj");
        action->setObjectName("kraj");
        loose = new QMenu("Jezik");
        loose->setObjectName("jezik");
        menuBar()->addMenu(loose);
        looseAction = loose->addAction("English");
        looseAction->setObjectName("eng");

        // An owned dialog with its own names: not part of this window.
        dialog = new QDialog(this);
        dialog->setObjectName("Form2");
        dialogLabel = new QLabel("Naziv natjecanja:", dialog);
        dialogLabel->setObjectName("Label1");
    }
    ~SampleWindow() override { delete loose; }

    QLabel *label1, *label2, *dialogLabel;
    QCheckBox *check;
    QRadioButton *option;
    QPushButton *button, *element0, *element1;
    QGroupBox *group;
    QTabWidget *tabs;
    QMenu *menu, *loose;
    QAction *action, *looseAction;
    QDialog *dialog;
};

}

class TestLanguageApplier : public QObject
{
    Q_OBJECT
private slots:
    void relabelsEveryKindOfControl();
    void emptyCaptionsBlankArraysAndTabsOnly();
    void toolTipLineMovesCaptionToItsControl();
    void windowWithoutSectionIsUnchanged();
    void sectionWithoutTitleEmptiesTitle();
    void controlNamedTwiceTakesLastEntry();
    void appliesPackNamedInJezikIni_data();
    void appliesPackNamedInJezikIni();
    void selectLanguageStoresWordAndRelabels();
    void languageChoiceOnAFullDiskKeepsTheStoredWord();
    void overlongCaptionsAreCut();
};

void TestLanguageApplier::relabelsEveryKindOfControl()
{
    SampleWindow w;
    LanguagePack pack;
    pack.loadFromText("[Form1]\nCaption=\"Brelog, English\"\n"
                      "Label1.Caption=\"Time\"\nCheck1.Caption=\"Logging afterwards\"\n"
                      "Option1.Caption=\"144 MHz\"\nchameleonButton1.Caption=\"Save\"\n"
                      "Frame1.Caption=\"Frame\"\nchameleonButton4(1).Caption=\"two\"\n"
                      "TabStrip1.TabCaption(2).Caption=\"Four metres\"\nTabStrip1.TabCaption(9).Caption=\"none\"\n"
                      "podaci.Caption=\"File\"\nkraj.Caption=\"Exit\"\n"
                      "jezik.Caption=\"Language\"\neng.Caption=\"English!\"\n"
                      "Label1.Caption=\"x\"\nText99.Caption=\"unknown\"\n[Form1.End]\n"
                      "[Form2]\nLabel1.Caption=\"Contest name:\"\n[Form2.End]\n");
    SetLanguageInForm(&w, pack);
    QCOMPARE(w.windowTitle(), QString("Brelog, English"));
    QCOMPARE(w.label1->text(), QString("x"));
    QCOMPARE(w.label2->text(), QString("Pozivni znak"));
    QCOMPARE(w.check->text(), QString("Logging afterwards"));
    QCOMPARE(w.option->text(), QString("144 MHz"));
    QCOMPARE(w.button->text(), QString("Save"));
    QCOMPARE(w.group->title(), QString("Frame"));
    QCOMPARE(w.element0->text(), QString("1"));
    QCOMPARE(w.element1->text(), QString("two"));
    QCOMPARE(w.tabs->tabText(0), QString("50 MHz"));
    QCOMPARE(w.tabs->tabText(1), QString("Four metres"));
    QCOMPARE(w.menu->title(), QString("File"));
    QCOMPARE(w.action->text(), QString("Exit"));
    QCOMPARE(w.loose->title(), QString("Language"));
    QCOMPARE(w.looseAction->text(), QString("English!"));
    // The owned dialog's Label1 belongs to the Form2 section, not to Form1's.
    QCOMPARE(w.dialogLabel->text(), QString("Naziv natjecanja:"));
    SetLanguageInForm(w.dialog, pack);
    QCOMPARE(w.dialogLabel->text(), QString("Contest name:"));
    QCOMPARE(w.label1->text(), QString("x"));
}

void TestLanguageApplier::emptyCaptionsBlankArraysAndTabsOnly()
{
    SampleWindow w;
    LanguagePack pack;
    pack.loadFromText("[Form1]\nCaption=\"T\"\nLabel1.Caption=\"\"\nchameleonButton4(0).Caption=\"\"\n"
                      "TabStrip1.TabCaption(1).Caption=\"\"\nkraj.Caption=\"\"\n[Form1.End]\n");
    SetLanguageInForm(&w, pack);
    QCOMPARE(w.label1->text(), QString("Vrijeme"));
    QCOMPARE(w.action->text(), QString("Kraj"));
    QCOMPARE(w.element0->text(), QString());
    QCOMPARE(w.tabs->tabText(0), QString());
}

void TestLanguageApplier::toolTipLineMovesCaptionToItsControl()
{
    SampleWindow w;
    LanguagePack pack;
    pack.loadFromText("[Form1]\nLabel1.Caption=\"x\"\nLabel2.ToolTip=\"y\"\n"
                      "chameleonButton4(0).Caption=\"one\"\nchameleonButton4(0).ToolTip=\"no tip on elements\"\n"
                      "kraj.Caption=\"Exit\"\nkraj.ToolTip=\"Ends the program\"\n[Form1.End]\n");
    SetLanguageInForm(&w, pack);
    QCOMPARE(w.label1->text(), QString("Vrijeme"));
    QCOMPARE(w.label2->text(), QString("x"));
    QCOMPARE(w.label2->toolTip(), QString("y"));
    QCOMPARE(w.element0->text(), QString("one"));
    QCOMPARE(w.element0->toolTip(), QString());
    QCOMPARE(w.action->toolTip(), QString("Ends the program"));
}

void TestLanguageApplier::windowWithoutSectionIsUnchanged()
{
    SampleWindow w;
    LanguagePack pack;
    pack.loadFromText("[form1]\nCaption=\"wrong case\"\nLabel1.Caption=\"x\"\n[form1.End]\n");
    SetLanguageInForm(&w, pack);
    QCOMPARE(w.windowTitle(), QString("designed title"));
    QCOMPARE(w.label1->text(), QString("Vrijeme"));
}

void TestLanguageApplier::sectionWithoutTitleEmptiesTitle()
{
    SampleWindow w;
    LanguagePack pack;
    pack.loadFromText("[Form1]\nLabel1.Caption=\"Time\"\n[Form1.End]\n");
    SetLanguageInForm(&w, pack);
    QCOMPARE(w.windowTitle(), QString());
    QCOMPARE(w.label1->text(), QString("Time"));
}

void TestLanguageApplier::controlNamedTwiceTakesLastEntry()
{
    SampleWindow w;
    LanguagePack pack;
    pack.loadFromText("[Form1]\nLabel1.Caption=\"first\"\nLabel1.Caption=\"last\"\n[Form1.End]\n");
    SetLanguageInForm(&w, pack);
    QCOMPARE(w.label1->text(), QString("last"));
}

void TestLanguageApplier::appliesPackNamedInJezikIni_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("title");
    QTest::newRow("english pack") << QByteArray("engleski\n") << "Time" << "English title";
    QTest::newRow("second line selects polish") << QByteArray("engleski\npolski\n") << "Czas" << "Polski";
    QTest::newRow("unknown word keeps design") << QByteArray("Engleski\n") << "Vrijeme" << "designed title";
    QTest::newRow("missing pack file keeps design") << QByteArray("slovacki\n") << "Vrijeme" << "designed title";
}

void TestLanguageApplier::appliesPackNamedInJezikIni()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, label1);
    QFETCH(QString, title);
    TempProgramFolder folder(false);
    auto write = [&](const QString &name, const QByteArray &text) {
        QFile f(folder.file("jezik/" + name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    write("engleski.lpk", "[Form1]\nCaption=\"English title\"\nLabel1.Caption=\"Time\"\n[Form1.End]\n");
    write("polski.lpk", "[Form1]\nCaption=\"Polski\"\nLabel1.Caption=\"Czas\"\n[Form1.End]\n");
    QFile::remove(folder.file("jezik/slovacki.lpk"));
    write("jezik.ini", ini);
    SampleWindow w;
    ApplySelectedLanguage(&w);
    QCOMPARE(w.label1->text(), label1);
    QCOMPARE(w.windowTitle(), title);
}

void TestLanguageApplier::selectLanguageStoresWordAndRelabels()
{
    TempProgramFolder folder(false);
    SampleWindow w;
    QVERIFY(SelectLanguage("engleski", &w));
    QCOMPARE(SelectedLanguageWord(), QString("engleski"));
    QCOMPARE(w.label1->text(), QString("Time"));
    QCOMPARE(w.menu->title(), QString("File"));
    // The next window load reads the stored choice.
    SampleWindow next;
    ApplySelectedLanguage(&next);
    QCOMPARE(next.check->text(), QString("Logging afterwards"));

    QVERIFY(SelectLanguage("hrvatski", &w));
    QCOMPARE(w.label1->text(), QString("Vrijeme"));
    QCOMPARE(w.menu->title(), QString("Podaci"));

    QVERIFY(!SelectLanguage("klingonski", &w));
    QCOMPARE(SelectedLanguageWord(), QString("hrvatski"));
}

void TestLanguageApplier::languageChoiceOnAFullDiskKeepsTheStoredWord()
{
    TempProgramFolder shipped(false);
    TmpfsMount disk(512);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    QVERIFY(TestSupport::copyTree(shipped.file("jezik"), disk.file("jezik")));
    ContestContext onDisk(disk.path()); // its language folder is on the small disk
    SampleWindow w;
    QVERIFY(SelectLanguage("engleski", &w));
    QVERIFY(disk.fill());

    QString error;
    QVERIFY(SelectLanguage("polski", &w, &error));
    QVERIFY2(error.endsWith("jezik.ini: disk full"), qPrintable(error));
    QCOMPARE(SelectedLanguageWord(), QString("engleski"));
    QCOMPARE(w.label1->text(), QString("Czas")); // this run still speaks the chosen language
}

void TestLanguageApplier::overlongCaptionsAreCut()
{
    // A pack anyone can edit: a caption of a megabyte must not stretch the window.
    const QString huge(1 << 20, QLatin1Char('W'));
    SampleWindow w;
    LanguagePack pack;
    pack.loadFromText(QStringLiteral("[Form1]\nCaption=\"%1\"\nLabel1.Caption=\"%1\"\nLabel1.ToolTip=\"%1\"\n"
                                     "chameleonButton4(0).Caption=\"%1\"\nTabStrip1.TabCaption(1).Caption=\"%1\"\n"
                                     "kraj.Caption=\"%1\"\nLabel2.Caption=\"%2\"\n[Form1.End]\n")
                          .arg(huge, QString(MaxCaptionLength, QLatin1Char('x'))));
    SetLanguageInForm(&w, pack);
    const QString cut = huge.left(MaxCaptionLength);
    QCOMPARE(w.windowTitle(), cut);
    QCOMPARE(w.label1->text(), cut);
    QCOMPARE(w.label1->toolTip(), cut);
    QCOMPARE(w.element0->text(), cut);
    QCOMPARE(w.tabs->tabText(0), cut);
    QCOMPARE(w.action->text(), cut);
    QCOMPARE(w.label2->text(), QString(MaxCaptionLength, QLatin1Char('x'))); // at the limit: whole
    QVERIFY2(w.sizeHint().width() < 5000, qPrintable(QString::number(w.sizeHint().width())));
}

QTEST_MAIN(TestLanguageApplier)
#include "tst_languageapplier.moc"
