// Keying accuracy of the keyer while the main window is busy.
//   bench_keyer [--smoke]
// Keys a 40-character memory at "Fast" (25 ms elements) through the real main window
// against a recording line, while the window processes events and the operator types
// into the call field every 20 ms. Prints, per element switch, how late the line was
// switched against the plan (median, p99, max, in ms; target p99 <= 2 ms), and the
// longest gap the window's event loop saw meanwhile. --smoke keys 10 characters.
#include "support/BenchFigures.h"
#include "FakeRtsLine.h"
#include "MainWindowFixture.h"
#include "cw/CwMemories.h"
#include "cw/Keyer.h"
#include "cw/Morse.h"
#include "cw/ui/KeyerPanel.h"
#include "shell/ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool smoke = app.arguments().contains(QStringLiteral("--smoke"));
    const QString text = QStringLiteral("cq test de 9a1test 9a1test jn85ab 5nn 001").left(smoke ? 10 : 40);

    MainWindowFixture f({3}, TestSupport::sampleSettings(),
                        [&](TempProgramFolder &folder) { CwMemories::write(folder.programFolder(), 0, text); });
    const std::shared_ptr<FakeRtsLine> line = f.testPlatform().rtsLines.line;
    KeyerPanel &panel = f.window().keyer();
    QLineEdit *call = f.window().entry().Text2;
    call->setFocus();

    // The operator keeps typing: one character every 20 ms, the field emptied now and then.
    QElapsedTimer loop;
    qint64 last = 0, longestGap = 0;
    int typed = 0;
    QTimer typing;
    typing.setInterval(20);
    QObject::connect(&typing, &QTimer::timeout, [&] {
        const qint64 now = loop.elapsed();
        longestGap = std::max(longestGap, now - last);
        last = now;
        if (++typed % 8 == 0)
            call->clear();
        else
            QTest::keyClick(call, Qt::Key(Qt::Key_A + typed % 26));
    });

    loop.start();
    typing.start();
    panel.SendMemory(0);
    if (!QTest::qWaitFor([&] { return !panel.keyer().isBusy(); }, 120000)) {
        std::fprintf(stderr, "keying did not end\n");
        return 1;
    }
    typing.stop();

    // Planned switch times from the schedule, against the recorded ones; the first
    // switch is the common origin.
    const QVector<FakeRtsLine::Event> events = line->events();
    const QVector<Morse::Step> plan = Morse::schedule(text, Morse::timingFor(175, 3));
    if (events.size() != plan.size() || events.isEmpty()) {
        std::fprintf(stderr, "%lld switches recorded, %lld planned\n", qlonglong(events.size()),
                     qlonglong(plan.size()));
        return 1;
    }
    std::vector<double> late;
    double planned = 0;
    for (int i = 0; i < plan.size(); ++i) {
        const double at = std::chrono::duration<double, std::milli>(events.at(i).time - events.first().time).count();
        if (i > 0)
            late.push_back(std::abs(at - planned));
        if (i > 0 && std::abs(at - planned) > 2 && qEnvironmentVariableIsSet("BENCH_KEYER_DETAIL"))
            std::printf("  switch %d (%s) %.3f ms late\n", i, plan.at(i).down ? "on" : "off", at - planned);
        planned += plan.at(i).ms;
    }
    const BenchFigures timing = benchFigures(late);
    std::printf("keyer: %lld characters at Fast, %zu element switches\n", qlonglong(text.size()), late.size());
    std::printf("  switch timing error  median %.3f ms  p99 %.3f ms  max %.3f ms  (target p99 <= 2 ms)\n",
                timing.median, timing.p99, timing.max);
    std::printf("  window event loop    longest gap %lld ms while keying (%d keystrokes typed)\n", longestGap, typed);
    std::printf("  monitor shows \"%s\"\n", qPrintable(panel.txtScreen->text()));
    return panel.txtScreen->text() == text ? 0 : 1;
}
