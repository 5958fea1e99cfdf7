// Holds the single-instance lock of the program folder given as argument until it is
// killed, as a running Brelog would. Prints "held" or "busy".
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool held = instance.tryAcquire();
    std::puts(held ? "held" : "busy");
    std::fflush(stdout);
    if (!held)
        return 1;
    for (;;)
        QThread::sleep(1);
}
