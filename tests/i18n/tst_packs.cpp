// Completeness of the shipped language packs against the real windows.
#include "TestPlatform.h"
#include "TestSupport.h"
#include "callinfo/ui/LogSearchTarget.h"
#include "callinfo/ui/LogSearchWindow.h"
#include "contest/ContestSettingsStore.h"
#include "contest/ui/ContestDataDialog.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSession.h"
#include "contest/ui/FormServer.h"
#include "contestlog/ui/EntryPreferencesWindow.h"
#include "cw/ui/Form15.h"
#include "cw/ui/FrmBevitel.h"
#include "station/ui/FormRadio.h"
#include "stats/ui/Form3.h"
#include "platform/ProgramFolder.h"
#include "shell/ui/Form1.h"

#include "geo/ui/LocatorCalculator.h"
#include "i18n/LanguagePack.h"
#include "i18n/ui/LanguageApplier.h"
#include "controls/MessageCatalogue.h"
#include "controls/ui/MessageWindow.h"
#include "shell/ui/AboutWindow.h"
#include "shell/ui/FrequencyListWindow.h"
#include "shell/ui/SplashWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

struct WindowCase
{
    QString name;
    std::function<QWidget *()> make;
    // Controls that show values, not captions (never relabelled).
    QStringList valueControls = {};
};

// The test's program folder, laid out in initTestCase.
TempProgramFolder *programFolder = nullptr;

ContestContext &testContext()
{
    return programFolder->context();
}

Platform &testPlatform()
{
    static TestPlatform platform;
    return platform.platform();
}

// The windows that show the contest record need the contest database of the program folder.
void openContestDatabase()
{
    QString error;
    const QString db = programFolder->file("contest.mdb");
    if (!QFile::exists(db))
        ContestDatabase::createFile(db, &error);
}

// The search windows only reach their target when something is typed.
class NoSearchTarget : public LogSearchTarget
{
public:
    QSqlDatabase database() override { return {}; }
    QString band() const override { return {}; }
    void showSearchResult(const QVector<QsoRow> &) override {}
};

LogSearchTarget &noSearchTarget()
{
    static NoSearchTarget target;
    return target;
}

// The band tabs carry the band labels, the same in every language.
QStringList bandTabs()
{
    QStringList tabs;
    for (int k = 1; k <= 15; ++k)
        tabs << QStringLiteral("TabStrip1.TabCaption(%1)").arg(k);
    return tabs;
}

// Every window relabelled by the packs. One line per window.
const QList<WindowCase> &windows()
{
    static const QList<WindowCase> list = [] {
    QList<WindowCase> list{
        {"Form1",
         [] {
             // The main window opens the contest database of the program folder.
             openContestDatabase();
             return new Form1(testPlatform(), testContext());
         }},
        {"Form2",
         [] {
             openContestDatabase();
             testContext().session().open();
             return new ContestDataDialog(testPlatform(), testContext());
         },
         bandTabs()},
        {"MsBox1", [] { return new LogSearchWindow(LogSearchWindow::Kind::ByCall, noSearchTarget(), testPlatform().messages); }},
        {"MsBox2", [] { return new LogSearchWindow(LogSearchWindow::Kind::ByLocator, noSearchTarget(), testPlatform().messages); }},
        {"frmSplash", [] { return new SplashWindow; }},
        {"Form4", [] { return new AboutWindow; }},
        {"Form5", [] { return new FrequencyListWindow; }},
        {"Form14", [] { return new LocatorCalculator(testPlatform().messages); }},
        {"Form3",
         [] {
             openContestDatabase();
             testContext().session().open();
             return new Form3(testContext(), {[] { return QStringLiteral("144 MHz"); }, {"0", "0", "0"}},
                              testPlatform().messages);
         }},
        {"Form15", [] { return new Form15(testContext().folder(), testPlatform().messages); }},
        {"frmBevitel", [] { return new frmBevitel(testContext().folder(), 0, testPlatform().messages); }},
        {"FormServer",
         [] {
             return new FormServer(testContext(), [](const QString &, QString *) { return true; },
                                   testPlatform().messages);
         }},
        {"FormPreferences",
         [] { return new EntryPreferencesWindow(testContext().settings(), testPlatform().messages); }},
        {"FormRadio", [] { return new FormRadio(testContext().settings(), testPlatform().messages); }},
    };
    // Every message window of the program, with its value lines left to the values.
    for (const MessageContent &m : MessageCatalogue::all())
        list.append({m.objectName, [m] { return new MessageWindow(m); }, m.valueLines});
    return list;
    }();
    return list;
}

const QStringList PackFiles{"hrvatski.lpk", "engleski.lpk", "polski.lpk", "slovacki.lpk"};

QString shippedPack(const QString &file)
{
    return QDir(BRELOG_DATA_DIR).filePath("jezik/" + file);
}

// objectName -> text of every control a pack must relabel; tab pages as "Name.TabCaption(n)".
QMap<QString, QString> textControls(QWidget *window, const QStringList &valueControls)
{
    QMap<QString, QString> found;
    auto note = [&](const QString &name, const QString &text) {
        if (!valueControls.contains(name))
            found.insert(name, text);
    };
    for (QObject *o : window->findChildren<QObject *>()) {
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue; // Qt's own parts of a window (the menu bar's extension button)
        if (qobject_cast<QTabBar *>(o->parent()))
            continue; // a tab bar's own scroll buttons
        if (auto *label = qobject_cast<QLabel *>(o)) {
            if (!label->text().isEmpty())
                note(name, label->text());
        } else if (auto *button = qobject_cast<QAbstractButton *>(o)) {
            note(name, button->text());
        } else if (auto *group = qobject_cast<QGroupBox *>(o)) {
            note(name, group->title());
        } else if (auto *menu = qobject_cast<QMenu *>(o)) {
            note(name, menu->title());
        } else if (auto *action = qobject_cast<QAction *>(o)) {
            // A menu's own action carries the menu's title, relabelled through the menu.
            if (!action->text().isEmpty() && !action->isSeparator() && !name.isEmpty() && !action->menu())
                note(name, action->text());
        } else if (auto *tabs = qobject_cast<QTabWidget *>(o)) {
            for (int i = 0; i < tabs->count(); ++i)
                note(QStringLiteral("%1.TabCaption(%2)").arg(name).arg(i + 1), tabs->tabText(i));
        } else if (auto *bar = qobject_cast<QTabBar *>(o); bar && !qobject_cast<QTabWidget *>(bar->parent())) {
            for (int i = 0; i < bar->count(); ++i)
                note(QStringLiteral("%1.TabCaption(%2)").arg(name).arg(i + 1), bar->tabText(i));
        }
    }
    return found;
}

// Names the section gives a non-empty caption, in the form textControls() uses.
QSet<QString> captionedNames(const LanguagePackForm &form)
{
    QSet<QString> names;
    for (const LanguagePackControl &c : form.Controls) {
        if (c.Caption.isEmpty())
            continue;
        const LanguagePackTarget t = LanguagePack::targetOf(c.Name);
        names.insert(t.kind == LanguagePackTarget::TabPage ? QStringLiteral("%1.TabCaption(%2)").arg(t.control).arg(t.index)
                                                            : t.control);
    }
    return names;
}

}

class TestPacks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTextControlHasACaptionInEveryPack_data();
    void everyTextControlHasACaptionInEveryPack();
    void everyPackEntryNamesAControl_data();
    void everyPackEntryNamesAControl();
    void croatianPackRepeatsTheDesignedTexts_data();
    void croatianPackRepeatsTheDesignedTexts();
    void packsAddressTheSameControls_data();
    void packsAddressTheSameControls();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
};

void TestPacks::initTestCase()
{
    // Windows built here must keep their designed texts: select no pack.
    m_folder = std::make_unique<TempProgramFolder>(false);
    programFolder = m_folder.get();
    QFile::remove(m_folder->file("jezik/jezik.ini"));
}

static void addPackWindowRows()
{
    QTest::addColumn<QString>("pack");
    QTest::addColumn<int>("window");
    for (const QString &pack : PackFiles)
        for (int i = 0; i < windows().size(); ++i)
            QTest::addRow("%s %s", qPrintable(pack), qPrintable(windows().at(i).name)) << pack << i;
}

void TestPacks::everyTextControlHasACaptionInEveryPack_data()
{
    addPackWindowRows();
}

void TestPacks::everyTextControlHasACaptionInEveryPack()
{
    QFETCH(QString, pack);
    QFETCH(int, window);
    const WindowCase &c = windows().at(window);
    LanguagePack loader;
    QVERIFY(loader.LoadLanguagePack(shippedPack(pack)));
    const LanguagePackForm *form = loader.form(c.name);
    QVERIFY2(form, qPrintable(QStringLiteral("no section [%1]").arg(c.name)));

    std::unique_ptr<QWidget> w(c.make());
    const QSet<QString> captioned = captionedNames(*form);
    QStringList missing;
    const QMap<QString, QString> controls = textControls(w.get(), c.valueControls);
    for (auto it = controls.cbegin(); it != controls.cend(); ++it)
        if (!captioned.contains(it.key()))
            missing << it.key() + " (\"" + it.value() + "\")";
    QVERIFY2(missing.isEmpty(), qPrintable("no caption for " + missing.join(", ")));
}

void TestPacks::everyPackEntryNamesAControl_data()
{
    addPackWindowRows();
}

void TestPacks::everyPackEntryNamesAControl()
{
    QFETCH(QString, pack);
    QFETCH(int, window);
    const WindowCase &c = windows().at(window);
    LanguagePack loader;
    QVERIFY(loader.LoadLanguagePack(shippedPack(pack)));
    const LanguagePackForm *form = loader.form(c.name);
    QVERIFY(form);
    std::unique_ptr<QWidget> w(c.make());
    const QMap<QString, QString> controls = textControls(w.get(), c.valueControls);
    QStringList unknown;
    for (const QString &name : captionedNames(*form))
        if (!controls.contains(name))
            unknown << name;
    QVERIFY2(unknown.isEmpty(), qPrintable("entries without a control: " + unknown.join(", ")));
}

void TestPacks::croatianPackRepeatsTheDesignedTexts_data()
{
    QTest::addColumn<int>("window");
    for (int i = 0; i < windows().size(); ++i)
        QTest::addRow("%s", qPrintable(windows().at(i).name)) << i;
}

void TestPacks::croatianPackRepeatsTheDesignedTexts()
{
    QFETCH(int, window);
    const WindowCase &c = windows().at(window);
    std::unique_ptr<QWidget> w(c.make());
    const QString designedTitle = w->windowTitle();
    const QMap<QString, QString> designed = textControls(w.get(), c.valueControls);
    LanguagePack loader;
    QVERIFY(loader.LoadLanguagePack(shippedPack("hrvatski.lpk")));
    SetLanguageInForm(w.get(), loader);
    QCOMPARE(w->windowTitle(), designedTitle);
    QCOMPARE(textControls(w.get(), c.valueControls), designed);
}

void TestPacks::packsAddressTheSameControls_data()
{
    QTest::addColumn<QString>("pack");
    for (const QString &pack : PackFiles.mid(1))
        QTest::newRow(qPrintable(pack)) << pack;
}

// Also covers the windows not in the list above: a translation may not drop a line.
void TestPacks::packsAddressTheSameControls()
{
    QFETCH(QString, pack);
    LanguagePack croatian;
    LanguagePack other;
    QVERIFY(croatian.LoadLanguagePack(shippedPack("hrvatski.lpk")));
    QVERIFY(other.LoadLanguagePack(shippedPack(pack)));
    QCOMPARE(other.forms().size(), croatian.forms().size());
    for (const LanguagePackForm &form : croatian.forms()) {
        const LanguagePackForm *translated = other.form(form.Name);
        QVERIFY2(translated, qPrintable(form.Name));
        QStringList names, translatedNames;
        for (const LanguagePackControl &c : form.Controls)
            names << c.Name + (c.Caption.isEmpty() ? "" : "*");
        for (const LanguagePackControl &c : translated->Controls)
            translatedNames << c.Name + (c.Caption.isEmpty() ? "" : "*");
        QCOMPARE(translatedNames, names);
        QCOMPARE(translated->Caption.isEmpty(), form.Caption.isEmpty());
    }
}

QTEST_MAIN(TestPacks)
#include "tst_packs.moc"
