// Completeness of the shipped language packs against the real windows.
#include "TestSupport.h"
#include "callinfo/EdiStationImport.h"
#include "callinfo/ui/LogSearchTarget.h"
#include "callinfo/ui/MsBox.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSession.h"
#include "contest/ContestSettingsStore.h"
#include "contest/ui/ContestMessages.h"
#include "contest/ui/Form2.h"
#include "cw/ui/Form15.h"
#include "cw/ui/FrmBevitel.h"
#include "contest/ui/FormServer.h"
#include "contest/ContestDatabase.h"
#include "contest/ContestSession.h"
#include "contestlog/ui/EntryPreferencesWindow.h"
#include "platform/ProgramFolder.h"
#include "shell/ui/Form1.h"

#include "geo/ui/Form14.h"
#include "i18n/LanguagePack.h"
#include "i18n/ui/LanguageApplier.h"
#include "shell/ui/Form4.h"
#include "shell/ui/Form5.h"
#include "shell/ui/FrmSplash.h"
#include "shell/ui/MessageWindow.h"
#include "stats/ui/Form3.h"
#include "station/ui/FormRadio.h"
#include "station/ui/StationMessages.h"

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
    const char *name;
    std::function<QWidget *()> make;
    // Controls that show values, not captions (never relabelled).
    QStringList valueControls = {};
};

MessageWindow *message(const char *name, const char *text)
{
    return new MessageWindow(name, {QString::fromUtf8(text)}, {{"chameleonButton1", "U redu"}});
}

// A failure window: the fixed text in Label1, the reason (a value) in Label2.
MessageWindow *failure(const char *name, const char *text)
{
    return new MessageWindow(name, {QString::fromUtf8(text), "disk I/O error"}, {{"chameleonButton1", "U redu"}});
}

// The windows that show the contest record need the contest database of the program folder.
void openContestDatabase()
{
    QString error;
    const QString db = ProgramFolder::file("contest.mdb");
    if (!QFile::exists(db))
        ContestDatabase::createFile(db, &error);
    ContestSettingsStore::instance().discard();
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
    static const QList<WindowCase> list{
        {"Form1",
         [] {
             // The main window opens the contest database of the program folder.
             openContestDatabase();
             return new Form1;
         }},
        {"Form2",
         [] {
             openContestDatabase();
             ContestSession::instance().open();
             return new Form2;
         },
         bandTabs()},
        {"MsBox1", [] { return new MsBox(MsBox::Kind::ByCall, noSearchTarget()); }},
        {"MsBox2", [] { return new MsBox(MsBox::Kind::ByLocator, noSearchTarget()); }},
        {"frmSplash", [] { return new FrmSplash; }},
        {"Form4", [] { return new Form4; }},
        {"Form5", [] { return new Form5; }},
        {"Form14", [] { return new Form14; }},
        {"Form6", [] { return message("Form6", "Niste unijeli potrebne podatke"); }},
        {"Form7", [] { return message("Form7", "Nije pronađeno"); }},
        {"Form9", [] { return message("Form9", "Novo natjecanje je otvoreno"); }},
        {"Form11", [] { return message("Form11", "Natjecanje je pozvano"); }},
        {"Form13", [] { return message("Form13", "Niste unijeli potrebne podatke"); }},
        {"Form17", [] { return message("Form17", "Neispravan lokator. Upišite ispravan lokator (npr. JN85AB)."); }},
        {"Form18", [] { return message("Form18", "Vlastiti lokator nije ispravan. Upišite ga u Postavke natjecanja."); }},
        {"Form19", [] { return message("Form19", "Raport i serijski brojevi moraju biti cijeli brojevi."); }},
        {"Form20",
         [] {
             return new MessageWindow("Form20", {"Veza nije spremljena: greška baze podataka.", "disk I/O error"},
                                      {{"chameleonButton1", "U redu"}});
         },
         {"Label2"}},
        {"Form21", [] { return message("Form21", "Lokator je predugačak (najviše 6 znakova)."); }},
        {"Form22",
         [] { return message("Form22", "Naziv natjecanja nije ispravan naziv datoteke. Kopija nije spremljena."); }},
        {"Form8",
         [] {
             return new MessageWindow("Form8",
                                      {"UPOZORENJE:",
                                       "Sa ovim procesom ćete obrisati staro natjecanje. Napravite prije BACKUP "
                                       "staroga natjecanja.",
                                       "Želite li svejedno nastaviti?"},
                                      {{"chameleonButton1", "Da"}, {"chameleonButton2", "Ne"}});
         }},
        {"Form23", [] { return failure("Form23", "Izvoz nije uspio."); }, {"Label2"}},
        {"Form24", [] { return message("Form24", "Na ovom bandu nema veza."); }},
        // The import summary: every line carries a count (or the store's error), so all
        // its lines are values.
        {"Form25",
         [] {
             return new MessageWindow("Form25", EdiStationImport::summaryLines({}), {{"chameleonButton1", "U redu"}});
         },
         {"Label1", "Label2", "Label3", "Label4", "Label5"}},
        {"Form26", [] { return failure("Form26", ContestMessages::SettingsNotStored); }, {"Label2"}},
        {"Form27", [] { return failure("Form27", ContestMessages::NewContestFailed); }, {"Label2"}},
        {"Form28", [] { return failure("Form28", ContestMessages::CopyFailed); }, {"Label2"}},
        {"Form29", [] { return failure("Form29", "Baza podataka se ne može otvoriti."); }, {"Label2"}},
        {"Form3",
         [] {
             openContestDatabase();
             ContestSession::instance().open();
             return new Form3({[] { return QStringLiteral("144 MHz"); }, {"0", "0", "0"}});
         }},
        {"Form45", [] { return failure("Form45", "Slika je spremljena:"); }, {"Label2"}},
        {"Form46", [] { return failure("Form46", "Slika nije spremljena."); }, {"Label2"}},
        {"Form47", [] { return failure("Form47", "Veze se ne mogu pročitati."); }, {"Label2"}},
        {"Form15", [] { return new Form15; }},
        {"frmBevitel", [] { return new frmBevitel(0); }},
        {"Form48", [] { return failure("Form48", "CW ulaz se ne može otvoriti."); }, {"Label2"}},
        {"Form49", [] { return message("Form49", "Unesite tekst koji želite urediti!"); }},
        {"Form50", [] { return failure("Form50", "Memorija nije spremljena."); }, {"Label2"}},
        {"Form40", [] { return failure("Form40", ContestMessages::OpenFailed); }, {"Label2"}},
        {"Form41", [] { return failure("Form41", "Dnevnik se ne može pročitati: greška baze podataka."); }, {"Label2"}},
        {"Form42", [] { return failure("Form42", "Brelog ne može raditi u mapi programa."); }, {"Label2"}},
        {"Form43", [] { return failure("Form43", "Izbor jezika nije spremljen."); }, {"Label2"}},
        {"Form44",
         [] { return failure("Form44", "Natjecanje se ne može mijenjati: veze se neće moći spremiti."); },
         {"Label2"}},
        {"FormServer", [] { return new FormServer([](const QString &, QString *) { return true; }); }},
        {"Form55", [] { return failure("Form55", "Veza s bazom natjecanja nije uspostavljena."); }, {"Label2"}},
        {"Form56", [] { return message("Form56", "Veza s bazom natjecanja je uspostavljena."); }},
        {"FormPreferences", [] { return new EntryPreferencesWindow; }},
        {"Form35", [] { return failure("Form35", "Postavke nisu spremljene."); }, {"Label2"}},
        {"FormRadio", [] { return new FormRadio; }},
        {"Form51", [] { return StationMessages::showDaemonFailure(false, "IO error"); }, {"Label2"}},
        {"Form52", [] { return StationMessages::showDaemonFailure(true, "IO error"); }, {"Label2"}},
        {"Form53", [] { return StationMessages::showTurnResult(StationControl::TurnResult::RotatorOff); }},
        {"Form54", [] { return failure("Form54", "Postavke radija i rotatora nisu spremljene."); }, {"Label2"}},
    };
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
    QFile::remove(m_folder->file("jezik/jezik.ini"));
}

static void addPackWindowRows()
{
    QTest::addColumn<QString>("pack");
    QTest::addColumn<int>("window");
    for (const QString &pack : PackFiles)
        for (int i = 0; i < windows().size(); ++i)
            QTest::addRow("%s %s", qPrintable(pack), windows().at(i).name) << pack << i;
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
        QTest::addRow("%s", windows().at(i).name) << i;
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
