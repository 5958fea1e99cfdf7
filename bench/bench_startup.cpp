// Start-up time of the program: from starting the process to the main window shown
// (the program prints a marker line once it is up when BRELOG_STARTUP_MARK is set),
// splash included. Each run uses a fresh program folder on the offscreen platform.
// Target: under 1.5 s. `--smoke` makes one start.
#include "TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    const int runs = smoke ? 1 : 10;
    const QString program = QStringLiteral(BRELOG_BIN_DIR "/brelog");
    if (!QFile::exists(program)) {
        std::fprintf(stderr, "bench_startup: %s is not built\n", qPrintable(program));
        return 1;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("BRELOG_STARTUP_MARK"), QStringLiteral("1"));

    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        TempProgramFolder folder;
        QProcess p;
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(program, {QStringLiteral("--folder"), folder.path()});
        QByteArray out;
        while (!out.contains("BRELOG_STARTUP_MARK") && t.elapsed() < 20000) {
            if (p.state() == QProcess::NotRunning)
                break;
            p.waitForReadyRead(50);
            out += p.readAllStandardOutput();
        }
        const double elapsed = t.nsecsElapsed() / 1e6;
        p.kill();
        p.waitForFinished(5000);
        if (!out.contains("BRELOG_STARTUP_MARK")) {
            std::fprintf(stderr, "bench_startup: run %d: no main window (%s)\n", i + 1,
                         p.readAllStandardError().constData());
            return 1;
        }
        ms.push_back(elapsed);
    }
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted.size() % 2 ? sorted[sorted.size() / 2]
                                            : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
    std::printf("start to main window, %d run(s): median %.0f ms, max %.0f ms (target < 1500 ms)\n", runs, median,
                sorted.back());
    return 0;
}
