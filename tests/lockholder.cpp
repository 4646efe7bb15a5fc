// Test helper: lockholder NAME FOLDER takes the single-instance lock of that
// name in that folder, says so, and waits to be killed.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    TSingleInstance::SetLockFolder(QString::fromLocal8Bit(argv[2]));
    TSingleInstance lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.Acquire())
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::sleep(60);
    return 0;
}
