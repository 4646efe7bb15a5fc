// 砚桥题库: the program's entry.

#include "ProcessSetup.h"
#include "Entry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PrepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("yanqiao"));
    QApplication::setApplicationDisplayName(QStringLiteral("砚桥题库"));
    return RunEntrySequence(app);
}
