#pragma once
#include <QByteArray>
#include <QStringList>

// The program of the build run from its command line, as a script would run it.
namespace TestSupport {

struct CommandLineRun
{
    int exitCode = -1; // -1 when it crashed or did not end in time
    QByteArray out;
    QByteArray err;
};

// Runs brelog with `args` and no display of any kind (no QT_QPA_PLATFORM, DISPLAY or
// WAYLAND_DISPLAY): what it does from the command line must not need one.
CommandLineRun runBrelog(const QStringList &args, int timeoutMs = 60000);

}
