#include "i18n/LanguagePack.h"
#include "platform/ItemFileReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using ItemFileReader::Mode;

class TestLanguagePack : public QObject
{
    Q_OBJECT
private slots:
    void itemsOfText_data();
    void itemsOfText();
    void itemsOfFile();

    void controlLineValues_data();
    void controlLineValues();
    void titleLines_data();
    void titleLines();
    void toolTipRenamesNewestEntry();
    void linesAfterSectionEndAreIgnored();
    void sectionsAndEntriesKeepFileOrder();
    void reloadingReplacesEverything();
    void missingPackLeavesLoaderEmpty();

    void entryTargets_data();
    void entryTargets();

    void selectionWord_data();
    void selectionWord();
    void writtenWordIsReadBack();
    void packFileForWord_data();
    void packFileForWord();
    void enumeratesPacksOfAFolder();
};

void TestLanguagePack::itemsOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("raw");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("comma and line end end items") << "a,b\nc" << false << QStringList{"a", "b", "c"};
    QTest::newRow("blanks in front dropped, inner kept") << "  a b ,\t c" << false << QStringList{"a b ", "c"};
    QTest::newRow("blanks before a line end dropped") << "word   \r\nnext" << false << QStringList{"word", "next"};
    QTest::newRow("CR LF, LF and CR line ends") << "a\r\nb\nc\rd" << false << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty and blank lines give no item") << "a\n\n   \nb\n" << false << QStringList{"a", "b"};
    QTest::newRow("empty item between commas") << "a,,b" << false << QStringList{"a", "", "b"};
    QTest::newRow("comma before line end gives empty item") << "a,\nb" << false << QStringList{"a", "", "b"};
    QTest::newRow("byte-order mark ignored") << QString(QChar(0xFEFF)) + "hrvatski" << false << QStringList{"hrvatski"};
    QTest::newRow("quoted item keeps commas and loses quotes")
        << "\"CQ TEST, de 9A1A\"\n" << false << QStringList{"CQ TEST, de 9A1A"};
    QTest::newRow("quoted item keeps its blanks") << "  \"  x  \"  ,y" << false << QStringList{"  x  ", "y"};
    QTest::newRow("empty quoted item") << "\"\"\n" << false << QStringList{""};
    QTest::newRow("text after closing quote dropped") << "\"a\"junk,b" << false << QStringList{"a", "b"};
    QTest::newRow("quoted item runs over a line end") << "\"a\nb\",c" << false << QStringList{"a\nb", "c"};
    QTest::newRow("unclosed quote runs to the end") << "\"abc, d" << false << QStringList{"abc, d"};
    QTest::newRow("raw: quotes are ordinary characters")
        << "Label1.Caption=\"a,   b\"\n" << true << QStringList{"Label1.Caption=\"a", "b\""};
    QTest::newRow("raw: blanks before a comma kept") << "x=\"a  , b\"" << true << QStringList{"x=\"a  ", "b\""};
}

void TestLanguagePack::itemsOfText()
{
    QFETCH(QString, text);
    QFETCH(bool, raw);
    QFETCH(QStringList, items);
    QCOMPARE(ItemFileReader::splitItems(text, raw ? Mode::Raw : Mode::Quoted), items);
}

void TestLanguagePack::itemsOfFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("0.txt");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\"Čestitam, 73\"\r\n");
    f.close();
    QCOMPARE(ItemFileReader::readItems(path).value(), QStringList{QStringLiteral("Čestitam, 73")});
    QVERIFY(!ItemFileReader::readItems(dir.filePath("missing.txt")).has_value());
}

void TestLanguagePack::controlLineValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain value") << "Label1.Caption=\"Vrijeme\"" << "Vrijeme";
    QTest::newRow("comma comes back with one blank") << "Label1.Caption=\"a,b\"" << "a, b";
    QTest::newRow("blanks after a comma become one") << "Label1.Caption=\"a,   b\"" << "a, b";
    QTest::newRow("blanks before a comma are kept") << "Label1.Caption=\"a  ,b\"" << "a  , b";
    QTest::newRow("two commas") << "Label1.Caption=\"1,2,3\"" << "1, 2, 3";
    QTest::newRow("text over a line end is joined") << "Label1.Caption=\"first\nsecond\"" << "first, second";
    QTest::newRow("empty value") << "Label1.Caption=\"\"" << "";
    QTest::newRow("inner equals sign kept") << "Label1.Caption=\"a=b\"" << "a=b";
    QTest::newRow("tab page line") << "TabStrip1.TabCaption(2).Caption=\"70 MHz\"" << "70 MHz";
    QTest::newRow("array element line") << "Label20(3).Caption=\"Tehnički podaci:\"" << "Tehnički podaci:";
    QTest::newRow("non-ASCII letters") << "Label1.Caption=\"Težina crte: łąś ľšč\"" << "Težina crte: łąś ľšč";
    QTest::newRow("blanks before the line end") << "Label1.Caption=\"x\"   " << "x";
    QTest::newRow("unclosed quote takes the rest of the file")
        << "Label1.Caption=\"x\nLabel2.Caption=\"y" << "x, Label2.Caption=\"y, [Form1.End]";
}

void TestLanguagePack::controlLineValues()
{
    QFETCH(QString, line);
    QFETCH(QString, caption);
    LanguagePack pack;
    pack.loadFromText("[Form1]\n" + line + "\n[Form1.End]\n");
    QCOMPARE(pack.forms().size(), 1);
    QCOMPARE(pack.forms().first().Controls.size(), 1);
    QCOMPARE(pack.forms().first().Controls.first().Name, line.left(line.indexOf(".Caption")));
    QCOMPARE(pack.forms().first().Controls.first().Caption, caption);
}

void TestLanguagePack::titleLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("title with comma") << "[Form1]\nCaption=\"a,   b\"\n[Form1.End]" << "a, b";
    QTest::newRow("missing title is empty") << "[Form1]\nLabel1.Caption=\"x\"\n[Form1.End]" << "";
    QTest::newRow("title after the section end still counts")
        << "[Form1]\nLabel1.Caption=\"x\"\n[Form1.End]\nCaption=\"late\"" << "late";
    QTest::newRow("later title wins") << "[Form1]\nCaption=\"one\"\nCaption=\"two\"\n[Form1.End]" << "two";
    QTest::newRow("comment lines skipped") << "; Caption=\"no\"\n[Form1]\n;Caption=\"no\"\nCaption=\"yes\"" << "yes";
}

void TestLanguagePack::titleLines()
{
    QFETCH(QString, text);
    QFETCH(QString, title);
    LanguagePack pack;
    pack.loadFromText(text);
    QVERIFY(pack.form("Form1"));
    QCOMPARE(pack.form("Form1")->Caption, title);
}

void TestLanguagePack::toolTipRenamesNewestEntry()
{
    LanguagePack pack;
    pack.loadFromText("[Form1]\nLabel1.Caption=\"x\"\nLabel2.ToolTip=\"y\"\n"
                      "Label3.Caption=\"z\"\nLabel3.ToolTip=\"tip, with comma\"\n[Form1.End]\n");
    const QList<LanguagePackControl> &c = pack.form("Form1")->Controls;
    QCOMPARE(c.size(), 2);
    QCOMPARE(c.at(0).Name, QString("Label2"));
    QCOMPARE(c.at(0).Caption, QString("x"));
    QCOMPARE(c.at(0).ToolTip, QString("y"));
    QCOMPARE(c.at(1).Name, QString("Label3"));
    QCOMPARE(c.at(1).ToolTip, QString("tip, with comma"));

    // A tooltip with no caption line before it in its section has no entry to go to.
    pack.loadFromText("[Form2]\nLabel9.ToolTip=\"orphan\"\nLabel1.Caption=\"a\"\n[Form2.End]\n");
    QCOMPARE(pack.form("Form2")->Controls.size(), 1);
    QCOMPARE(pack.form("Form2")->Controls.first().ToolTip, QString());
}

void TestLanguagePack::linesAfterSectionEndAreIgnored()
{
    LanguagePack pack;
    pack.loadFromText("[Form1]\nCaption=\"T\"\nLabel1.Caption=\"in\"\n[Form1.End]\n"
                      "Label2.Caption=\"stray\"\nLabel1.ToolTip=\"stray tip\"\n"
                      "[Form2]\nLabel1.Caption=\"two\"\n[Form2.End]\n");
    QCOMPARE(pack.form("Form1")->Controls.size(), 1);
    QCOMPARE(pack.form("Form1")->Controls.first().ToolTip, QString());
    QCOMPARE(pack.form("Form2")->Controls.first().Caption, QString("two"));
}

void TestLanguagePack::sectionsAndEntriesKeepFileOrder()
{
    LanguagePack pack;
    pack.loadFromText("[Form5]\nLabel1.Caption=\"a\"\nLabel1.Caption=\"b\"\n[Form5.End]\n"
                      "[Form1]\n[Form1.End]\n[Form5]\nCaption=\"second\"\n[Form5.End]\n");
    QCOMPARE(pack.forms().size(), 3);
    QCOMPARE(pack.forms().at(1).Name, QString("Form1"));
    // The first section of a name is the one that applies.
    QCOMPARE(pack.form("Form5"), &pack.forms().at(0));
    QCOMPARE(pack.form("Form5")->Controls.size(), 2);
    QCOMPARE(pack.form("Form5")->Controls.at(1).Caption, QString("b"));
    QVERIFY(!pack.form("form5"));
}

void TestLanguagePack::reloadingReplacesEverything()
{
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &text) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("a.lpk", "[Form1]\nCaption=\"A\"\nLabel1.Caption=\"a\"\n[Form1.End]\n");
    write("b.lpk", "[Form1]\nCaption=\"B\"\nLabel2.Caption=\"b\"\n[Form1.End]\n[Form2]\n[Form2.End]\n");
    LanguagePack pack;
    QVERIFY(pack.LoadLanguagePack(dir.filePath("a.lpk")));
    QVERIFY(pack.LoadLanguagePack(dir.filePath("a.lpk")));
    QCOMPARE(pack.forms().size(), 1);
    QCOMPARE(pack.form("Form1")->Controls.size(), 1);
    QVERIFY(pack.LoadLanguagePack(dir.filePath("b.lpk")));
    QCOMPARE(pack.forms().size(), 2);
    QVERIFY(pack.LoadLanguagePack(dir.filePath("a.lpk")));
    QCOMPARE(pack.path(), dir.filePath("a.lpk"));
    QCOMPARE(pack.forms().size(), 1);
    QCOMPARE(pack.form("Form1")->Caption, QString("A"));
    QCOMPARE(pack.form("Form1")->Controls.size(), 1);
    QCOMPARE(pack.form("Form1")->Controls.first().Name, QString("Label1"));
}

void TestLanguagePack::missingPackLeavesLoaderEmpty()
{
    LanguagePack pack;
    pack.loadFromText("[Form1]\nCaption=\"A\"\n[Form1.End]\n");
    QVERIFY(!pack.LoadLanguagePack("/nonexistent/folder/x.lpk"));
    QVERIFY(pack.forms().isEmpty());
}

void TestLanguagePack::entryTargets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::newRow("plain control") << "Label5" << int(LanguagePackTarget::Plain) << "Label5" << 0;
    QTest::newRow("array element") << "Label20(3)" << int(LanguagePackTarget::ArrayElement) << "Label20(3)" << 3;
    QTest::newRow("array element zero") << "chameleonButton4(0)" << int(LanguagePackTarget::ArrayElement)
                                        << "chameleonButton4(0)" << 0;
    QTest::newRow("array index with blank") << "Text21( 12)" << int(LanguagePackTarget::ArrayElement)
                                            << "Text21(12)" << 12;
    QTest::newRow("tab page") << "TabStrip1.TabCaption(15)" << int(LanguagePackTarget::TabPage) << "TabStrip1" << 15;
    QTest::newRow("tab page in any case") << "TabStrip1.tabcaption(2)" << int(LanguagePackTarget::TabPage)
                                          << "TabStrip1" << 2;
}

void TestLanguagePack::entryTargets()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, control);
    QFETCH(int, index);
    const LanguagePackTarget t = LanguagePack::targetOf(name);
    QCOMPARE(int(t.kind), kind);
    QCOMPARE(t.control, control);
    QCOMPARE(t.index, index);
}

void TestLanguagePack::selectionWord_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("word");
    QTest::newRow("one word") << QByteArray("engleski\r\n") << "engleski";
    QTest::newRow("two lines: the last wins") << QByteArray("engleski\npolski\n") << "polski";
    QTest::newRow("quoted word") << QByteArray("\"slovacki\"\n") << "slovacki";
    QTest::newRow("trailing comma and blank lines") << QByteArray("polski,\n\n") << "polski";
    QTest::newRow("empty file") << QByteArray() << "";
}

void TestLanguagePack::selectionWord()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, word);
    QTemporaryDir dir;
    QFile f(dir.filePath("jezik.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    QCOMPARE(LanguageSelection::readWord(f.fileName()), word);
}

void TestLanguagePack::writtenWordIsReadBack()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("jezik/jezik.ini");
    QCOMPARE(LanguageSelection::readWord(ini), QString());
    QVERIFY(LanguageSelection::writeWord(ini, "engleski"));
    QVERIFY(LanguageSelection::writeWord(ini, "polski"));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("polski\n"));
    QCOMPARE(LanguageSelection::readWord(ini), QString("polski"));
}

void TestLanguagePack::packFileForWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("file");
    QTest::newRow("hrvatski") << "hrvatski" << "hrvatski.lpk";
    QTest::newRow("engleski") << "engleski" << "engleski.lpk";
    QTest::newRow("polski") << "polski" << "polski.lpk";
    QTest::newRow("slovacki") << "slovacki" << "slovacki.lpk";
    QTest::newRow("case counts") << "Engleski" << "";
    QTest::newRow("unknown word") << "deutsch" << "";
    QTest::newRow("no path tricks") << "../hrvatski" << "";
}

void TestLanguagePack::packFileForWord()
{
    QFETCH(QString, word);
    QFETCH(QString, file);
    QCOMPARE(LanguageSelection::packFileForWord(word), file);
}

void TestLanguagePack::enumeratesPacksOfAFolder()
{
    QTemporaryDir dir;
    for (const char *name : {"b.lpk", "a.lpk", "jezik.ini"}) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList names = LanguagePack::EnumLanguagePacks(dir.path(), "*.lpk").split('|');
    names.sort();
    QCOMPARE(names, QStringList({"a.lpk", "b.lpk"}));
    QCOMPARE(LanguagePack::EnumLanguagePacks(dir.path() + "/", "*.xyz"), QString());
    QCOMPARE(LanguagePack::EnumLanguagePacks(dir.filePath("none"), "*.lpk"), QString());
}

QTEST_GUILESS_MAIN(TestLanguagePack)
#include "tst_languagepack.moc"
