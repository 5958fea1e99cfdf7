// Morse table and timing, contest macros and the memory files.
#include "TestSupport.h"
#include "cw/CwMemories.h"
#include "cw/Macros.h"
#include "cw/Morse.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QTest>

using Morse::Step;

Q_DECLARE_METATYPE(QVector<Step>)

namespace {

// "+112 -448": key down for 112 ms, up for 448 ms.
QVector<Step> steps(const QString &text)
{
    QVector<Step> out;
    for (const QString &s : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out.append({s.startsWith(QLatin1Char('+')), s.mid(1).toInt()});
    return out;
}

QString show(const QVector<Step> &s)
{
    QStringList parts;
    for (const Step &st : s)
        parts << QStringLiteral("%1%2").arg(st.down ? '+' : '-').arg(st.ms);
    return parts.join(QLatin1Char(' '));
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}

class TestCwText : public QObject
{
    Q_OBJECT
private slots:
    void tableHoldsEveryCode_data();
    void tableHoldsEveryCode();
    void speedsAndDashWeight_data();
    void speedsAndDashWeight();
    void scheduleFollowsTheTimingRules_data();
    void scheduleFollowsTheTimingRules();
    void macrosExpand_data();
    void macrosExpand();
    void memoryFilesRoundTrip_data();
    void memoryFilesRoundTrip();
    void memoryListShowsFilledMemoriesCut();
    void listLineNamesItsMemory_data();
    void listLineNamesItsMemory();
    void shippedMemoriesHoldUsefulDefaults();
};

void TestCwText::tableHoldsEveryCode_data()
{
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("codes");
    QTest::newRow("digits") << "0123456789"
                            << "----- .---- ..--- ...-- ....- ..... -.... --... ---.. ----.";
    QTest::newRow("letters") << "abcdefghijklmnopqrstuvwxyz"
                             << ".- -... -.-. -.. . ..-. --. .... .. .--- -.- .-.. -- -. --- .--. --.- .-. ... - ..- "
                                "...- .-- -..- -.-- --..";
    QTest::newRow("signs") << ",-./=?:'*@&%~<"
                           << "--..-- -....- .-.-.- -..-. -...- ..--.. ---... .-..-. .-... -.--. .-.-. ...-. -...-.- "
                              "...-.-";
    QTest::newRow("both brackets are the same sign") << "()" << "-.--.- -.--.-";
    QTest::newRow("both slashes are the same sign") << "/\\" << "-..-. -..-.";
    QTest::newRow("greater-than is one long sign") << ">" << "...-...-...-";
}

void TestCwText::tableHoldsEveryCode()
{
    QFETCH(QString, characters);
    QFETCH(QString, codes);
    QStringList got;
    for (QChar c : characters)
        got << Morse::code(c);
    QCOMPARE(got.join(QLatin1Char(' ')), codes);
}

void TestCwText::speedsAndDashWeight_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("weightText");
    QTest::addColumn<int>("elementMs");
    QTest::addColumn<int>("weight");
    QTest::newRow("slow") << "Slow" << "3" << 199 << 3;
    QTest::newRow("medium") << "Medium" << "3" << 112 << 3;
    QTest::newRow("fast") << "Fast" << "3" << 25 << 3;
    QTest::newRow("unknown speed keeps the previous value") << "Turbo" << "3" << 112 << 3;
    QTest::newRow("weight halves round to even, down") << "Fast" << "2.5" << 25 << 2;
    QTest::newRow("weight halves round to even, up") << "Fast" << "3.5" << 25 << 4;
    QTest::newRow("weight reads its leading number") << "Fast" << " 4x" << 25 << 4;
    QTest::newRow("no number keeps the previous weight") << "Fast" << "abc" << 25 << 3;
    QTest::newRow("zero would make dashes vanish") << "Fast" << "0" << 25 << 3;
}

void TestCwText::speedsAndDashWeight()
{
    QFETCH(QString, speed);
    QFETCH(QString, weightText);
    QFETCH(int, elementMs);
    QFETCH(int, weight);
    const Morse::Timing t = Morse::timingFor(Morse::speedValue(speed, 88), Morse::dashWeight(weightText, 3));
    QCOMPARE(t.elementMs, elementMs);
    QCOMPARE(t.dashWeight, weight);
}

void TestCwText::scheduleFollowsTheTimingRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ab at medium")
        << "ab" << 88 << 3 << "+112 -112 +336 -448 +336 -112 +112 -112 +112 -112 +112 -448";
    QTest::newRow("y at fast") << "y" << 175 << 3 << "+75 -25 +25 -25 +75 -25 +75 -100";
    QTest::newRow("greater-than has only element gaps inside")
        << ">" << 175 << 3
        << "+25 -25 +25 -25 +25 -25 +75 -25 +25 -25 +25 -25 +25 -25 +75 -25 +25 -25 +25 -25 +25 -25 +75 -100";
    QTest::newRow("words are seven elements apart") << "e e" << 175 << 3 << "+25 -175 +25 -100";
    QTest::newRow("leading blank pauses three elements of the speed") << " e" << 1 << 3 << "-597 +199 -796";
    QTest::newRow("upper case and unknown characters are silent") << "eA!e" << 175 << 3 << "+25 -100 +25 -100";
    QTest::newRow("dash weight 1 makes a dash a dot") << "t" << 175 << 1 << "+25 -100";
    QTest::newRow("empty text") << "" << 175 << 3 << "";
}

void TestCwText::scheduleFollowsTheTimingRules()
{
    QFETCH(QString, text);
    QFETCH(int, speed);
    QFETCH(int, weight);
    QFETCH(QString, expected);
    QCOMPARE(show(Morse::schedule(text, Morse::timingFor(speed, weight))), show(steps(expected)));
}

void TestCwText::macrosExpand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expanded");
    QTest::newRow("own call") << "cq test {MYCALL}" << "cq test 9a1xyz";
    QTest::newRow("exchange") << "{CALL} 5nn {NR} {MYLOC}" << "s51abc 5nn 007 jn85ab";
    QTest::newRow("report") << "ur {RST}" << "ur 599";
    QTest::newRow("names in any letter case") << "{call} {Nr}" << "s51abc 007";
    QTest::newRow("unknown names stay as typed") << "{NAME} {CALL" << "{NAME} {CALL";
    QTest::newRow("brace before a macro") << "{{CALL}}" << "{s51abc}";
    QTest::newRow("text outside macros keeps its case") << "TU {CALL}" << "TU s51abc";
}

void TestCwText::macrosExpand()
{
    QFETCH(QString, text);
    QFETCH(QString, expanded);
    const MacroValues v{QStringLiteral("9A1XYZ"), QStringLiteral(" S51ABC "), QStringLiteral("007"),
                        QStringLiteral("599"), QStringLiteral("JN85AB")};
    QCOMPARE(Macros::expand(text, v), expanded);
}

void TestCwText::memoryFilesRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain") << "cq test" << "cq test";
    QTest::newRow("commas stay in one item") << "tu, 73, qrz?" << "tu, 73, qrz?";
    QTest::newRow("trimmed") << "  qrz?  " << "qrz?";
    QTest::newRow("letters beyond ASCII") << "čćž đš" << "čćž đš";
    QTest::newRow("quotes cannot be stored and are left out") << "say \"hi\", ok" << "say hi, ok";
    QTest::newRow("empty") << "" << "";
}

void TestCwText::memoryFilesRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    TempProgramFolder folder(false);
    QVERIFY(CwMemories::write(folder.programFolder(), 4, text));
    QCOMPARE(CwMemories::read(folder.programFolder(), 4), readBack);
    QFile f(folder.file("cw/4.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()), QLatin1Char('"') + readBack + QStringLiteral("\"\r\n"));
}

void TestCwText::memoryListShowsFilledMemoriesCut()
{
    TempProgramFolder folder(false);
    const ProgramFolder memories = folder.programFolder();
    for (int i = 0; i < CwMemories::Count; ++i)
        QVERIFY(CwMemories::write(memories, i, {}));
    QVERIFY(CwMemories::write(memories, 2, QStringLiteral("qrz?")));
    // 31 characters whose 30th is a blank: the cut is trimmed again.
    QVERIFY(CwMemories::write(memories, 5, QStringLiteral("cq cq cq de 9a1xyz 9a1xyz tes k test")));
    writeRaw(folder.file("cw/7.txt"), "\"first\",\"second\"\r\n");
    QFile::remove(folder.file("cw/8.txt"));
    QCOMPARE(CwMemories::listLines(memories),
             QStringList({"3--qrz?", "6--cq cq cq de 9a1xyz 9a1xyz tes", "8--second"}));
    QCOMPARE(CwMemories::read(memories, 8), QString());
}

void TestCwText::listLineNamesItsMemory_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("index");
    QTest::newRow("first memory") << "1--cq" << 0;
    QTest::newRow("ninth memory") << "9--tu" << 8;
    QTest::newRow("no number") << "--x" << -1;
    QTest::newRow("zero") << "0--x" << -1;
}

void TestCwText::listLineNamesItsMemory()
{
    QFETCH(QString, line);
    QFETCH(int, index);
    QCOMPARE(CwMemories::indexOfListLine(line), index);
}

void TestCwText::shippedMemoriesHoldUsefulDefaults()
{
    // The files as shipped, not a build's copy the program may have edited.
    const ProgramFolder shipped(QStringLiteral(BRELOG_DATA_DIR));
    QCOMPARE(CwMemories::read(shipped, 0), QStringLiteral("cq test {MYCALL} {MYCALL} test"));
    QCOMPARE(CwMemories::read(shipped, 1), QStringLiteral("{CALL} 5nn {NR} {MYLOC}"));
    QCOMPARE(CwMemories::read(shipped, 2), QStringLiteral("tu {MYCALL} test"));
    QCOMPARE(CwMemories::read(shipped, 3), QStringLiteral("qrz? {MYCALL}"));
    for (int i = 4; i < CwMemories::Count; ++i) {
        QVERIFY(QFile::exists(shipped.file(QStringLiteral("cw/%1.txt").arg(i))));
        QCOMPARE(CwMemories::read(shipped, i), QString());
    }
}

QTEST_GUILESS_MAIN(TestCwText)
#include "tst_cwtext.moc"
