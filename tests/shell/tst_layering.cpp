// Dependencies between the subsystem folders run one way: a file includes from its own
// subsystem or a lower one, and code without widgets includes no window.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Lowest first. A folder under src/ that is not listed here fails the test until it
// is given its place.
const QStringList Layers = {"platform", "controls", "i18n", "geo", "contest",
                            "contestlog", "callinfo", "export", "stats", "cw", "station", "shell"};

// Upward includes allowed all the same, each as "including file -> included file".
// None is needed today; keep it that way.
const QStringList KnownExceptions = {};

struct Include
{
    QString file;     // relative to src/
    QString included; // as written, relative to src/
    int line;
};

QList<Include> projectIncludes(const QString &srcDir)
{
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*"([^"]+)\")"));
    QList<Include> out;
    QDirIterator it(srcDir, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    const QDir src(srcDir);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        int n = 0;
        while (!f.atEnd()) {
            ++n;
            const QRegularExpressionMatch m = include.match(QString::fromUtf8(f.readLine()));
            if (m.hasMatch())
                out.append({src.relativeFilePath(path), m.captured(1), n});
        }
    }
    return out;
}

QString subsystemOf(const QString &path)
{
    return path.section(QLatin1Char('/'), 0, 0);
}

bool isWindowCode(const QString &path)
{
    return path.section(QLatin1Char('/'), 1, 1) == QLatin1String("ui") && path.count(QLatin1Char('/')) >= 2;
}

// What is wrong with one include, or an empty text.
QString fault(const Include &inc)
{
    const QString from = subsystemOf(inc.file);
    const QString to = subsystemOf(inc.included);
    if (!inc.included.contains(QLatin1Char('/')))
        return {}; // a file beside it
    const int fromRank = Layers.indexOf(from);
    const int toRank = Layers.indexOf(to);
    if (fromRank < 0)
        return QStringLiteral("src/%1 is in no layer").arg(from);
    if (toRank < 0)
        return QStringLiteral("includes from %1, which is in no layer").arg(to);
    if (toRank > fromRank)
        return QStringLiteral("%1 includes from %2, a higher subsystem").arg(from, to);
    // The program's main() is built into the executable together with the windows.
    if (!isWindowCode(inc.file) && isWindowCode(inc.included) && inc.file != QLatin1String("shell/main.cpp"))
        return QStringLiteral("code without widgets includes a window header");
    return {};
}

}

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void faultsAreRecognised_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("included");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("same subsystem") << "geo/ui/LocatorCalculator.cpp" << "geo/Locator.h" << true;
        QTest::newRow("a lower subsystem") << "export/EdiWriter.cpp" << "contest/ContestSettings.h" << true;
        QTest::newRow("a lower window") << "shell/ui/Form1.cpp" << "controls/ui/MessageWindow.h" << true;
        QTest::newRow("a higher subsystem") << "geo/ui/LocatorCalculator.cpp" << "shell/ui/Form1.h" << false;
        QTest::newRow("core includes a window") << "contest/ContestFiles.cpp" << "contest/ui/ContestDataDialog.h"
                                                << false;
        QTest::newRow("core includes a lower window") << "export/LogExport.cpp" << "controls/ui/MessageWindow.h"
                                                      << false;
        QTest::newRow("a folder with no layer") << "radio/Rig.cpp" << "platform/UtcClock.h" << false;
        QTest::newRow("a file beside it") << "cw/Morse.cpp" << "Morse.h" << true;
    }
    void faultsAreRecognised()
    {
        QFETCH(QString, file);
        QFETCH(QString, included);
        QFETCH(bool, allowed);
        QCOMPARE(fault({file, included, 1}).isEmpty(), allowed);
    }

    void everyIncludeRespectsTheLayers()
    {
        const QList<Include> includes = projectIncludes(QStringLiteral(BRELOG_SOURCE_DIR "/src"));
        QVERIFY(includes.size() > 100);
        QStringList faults;
        QStringList exceptionsSeen;
        for (const Include &inc : includes) {
            const QString problem = fault(inc);
            if (problem.isEmpty())
                continue;
            const QString pair = inc.file + QStringLiteral(" -> ") + inc.included;
            if (KnownExceptions.contains(pair)) {
                exceptionsSeen << pair;
                continue;
            }
            faults << QStringLiteral("src/%1:%2: %3 (%4)").arg(inc.file).arg(inc.line).arg(problem, inc.included);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // An exception that no longer happens is taken off the list.
        for (const QString &e : KnownExceptions)
            QVERIFY2(exceptionsSeen.contains(e), qPrintable(QStringLiteral("no longer needed: ") + e));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "tst_layering.moc"
