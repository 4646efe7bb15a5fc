// Test helper: takes the single-instance lock of the given name, says so, and
// waits to be killed.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    TSingleInstance lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.Acquire())
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::sleep(60);
    return 0;
}
