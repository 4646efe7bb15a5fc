// 砚桥题库: the program's entry.

#include "BrowserProcess.h"
#include "Entry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    PrepareBrowserProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("yanqiao"));
    QApplication::setApplicationDisplayName(QStringLiteral("砚桥题库"));
    return RunEntrySequence(app);
}
