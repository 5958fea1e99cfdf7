// Keystroke latency of the main window while the radio is polled.
//   bench_radio [--smoke]
// Runs Hamlib's dummy radio (rigctld -m 1), lets the main window poll it and has a
// second connection tune it every 100 ms, as a VFO knob turned during a QSO. Each
// keystroke is posted into the call field like a key from the window system and
// timed until handled, so a poll answer being handled at that moment counts in.
// Printed for the radio polled and, in the same run, for the radio switched off.
#include "support/BenchFigures.h"
#include "HamlibDummy.h"
#include "MainWindowFixture.h"
#include "contest/ContestSession.h"
#include "contestlog/ui/EntryLine.h"
#include "shell/ui/Form1.h"
#include "station/HamlibClient.h"
#include "station/StationControl.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// A band of `count` QSOs, written in one statement.
bool fillBand(QSqlDatabase db, const QString &band, int count)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO takmicenje (Time, Call, RSTs, NrS, Mode, RSTr, NrR, Loc, QRB, Bearing, QSOs, ODX, Date, Points, "
        "Dupla, Longitu, Latitu, DXCCd, Dodatak1) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
        "SELECT '12:00 ', 'S5' || i || 'X ', 59, i, 'SSB ', 59, i, 'JN86CD ', 100 + i % 700, 6, 0, 0, "
        "'2026-05-02 ', 0, '- ', '16.2083 ', '46.1458 ', ' ', ? FROM n"));
    q.addBindValue(count);
    q.addBindValue(band + QLatin1Char(' '));
    return q.exec();
}

// Posts one key press and release to `w` and runs the event loop until the text changed.
double postedKeystroke(QLineEdit *w, QChar c)
{
    const QString before = w->text();
    const int key = Qt::Key_A + (c.toUpper().unicode() - 'A');
    QElapsedTimer t;
    t.start();
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, QString(c)));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, QString(c)));
    while (w->text() == before && t.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return double(t.nsecsElapsed()) / 1e6;
}

std::vector<double> typeCalls(EntryLine &e, int keystrokes, int pauseMs)
{
    const char *letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::vector<double> times;
    e.Text2->setFocus();
    for (int i = 0; int(times.size()) < keystrokes; ++i) {
        e.Text2->clear();
        for (int k = 0; k < 5; ++k) {
            times.push_back(postedKeystroke(e.Text2, QChar(letters[(i * 7 + k * 3) % 26]).toLower()));
            QTest::qWait(pauseMs); // an operator's pace: polls and tuning run in between
        }
    }
    e.Text2->clear();
    return times;
}

}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool smoke = app.arguments().contains(QStringLiteral("--smoke"));
    if (!HamlibDummy::installed(QStringLiteral("rigctld"))) {
        std::printf("skipped: rigctld not installed (Debian package libhamlib-utils)\n");
        return 0;
    }
    const int keystrokes = smoke ? 60 : 1000;
    const int pauseMs = smoke ? 20 : 25;
    const int bandQsos = smoke ? 500 : 32766;

    HamlibDummy rig(QStringLiteral("rigctld"));
    if (!rig.start()) {
        std::fprintf(stderr, "rigctld -m 1 did not start\n");
        return 1;
    }
    StationSettings settings;
    settings.rig.enabled = true;
    settings.rig.host = QStringLiteral("127.0.0.1");
    settings.rig.port = rig.port();
    MainWindowFixture f({3, 4}, TestSupport::sampleSettings(), [&](TempProgramFolder &folder) {
        folder.context().settings().write(settings);
    });
    if (!fillBand(f.folder().context().database(), QStringLiteral("144 MHz"), bandQsos)) {
        std::fprintf(stderr, "the log could not be filled\n");
        return 1;
    }
    Form1 &w = f.window();
    EntryLine &e = w.entry();
    StationControl &station = w.station();
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("432 MHz")));
    e.Combo2->setCurrentIndex(e.Combo2->findText(QStringLiteral("144 MHz")));
    QElapsedTimer waiting;
    waiting.start();
    while (!station.radio().isConnected() && waiting.elapsed() < 5000)
        QTest::qWait(20);
    if (!station.radio().isConnected()) {
        std::fprintf(stderr, "the main window did not reach rigctld: %s\n", qPrintable(station.radio().reason()));
        return 1;
    }

    // The VFO knob: a second connection tunes the radio in 144 MHz every 100 ms.
    HamlibClient knob;
    knob.setEndpoint(QStringLiteral("127.0.0.1"), rig.port());
    knob.start();
    qint64 hz = 144100000;
    QTimer tune;
    QObject::connect(&tune, &QTimer::timeout, [&] {
        hz = hz >= 144400000 ? 144100000 : hz + 500;
        knob.request(QStringLiteral("set_freq %1").arg(hz));
    });
    tune.start(100);
    int reads = 0;
    QObject::connect(&station.radio(), &RadioLink::radioRead, [&reads] { ++reads; });

    const BenchFigures polled = benchFigures(typeCalls(e, keystrokes, pauseMs));
    const int readsWhilePolled = reads;
    tune.stop();
    knob.stop();
    station.apply({});
    const BenchFigures off = benchFigures(typeCalls(e, keystrokes, pauseMs));

    std::printf("band 144 MHz: %s QSOs; %d radio reads while typing\n", qPrintable(e.Text11->text()), readsWhilePolled);
    std::printf("call field keystroke, radio polled and tuned: median %.3f ms, p99 %.3f ms, worst %.3f ms (%d keys)\n",
                polled.median, polled.p99, polled.max, keystrokes);
    std::printf("call field keystroke, radio off:              median %.3f ms, p99 %.3f ms, worst %.3f ms (%d keys)\n",
                off.median, off.p99, off.max, keystrokes);
    std::printf("(target as for the entry benchmark: p99 <= 3 ms)\n");
    if (readsWhilePolled == 0) {
        std::fprintf(stderr, "the radio was never read while typing\n");
        return 1;
    }
    return 0;
}
