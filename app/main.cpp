// 砚桥题库: the program's entry.

#include "Entry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("yanqiao"));
    QApplication::setApplicationDisplayName(QStringLiteral("砚桥题库"));
    return RunEntrySequence(app);
}
