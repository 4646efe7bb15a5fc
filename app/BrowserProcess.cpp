#include "BrowserProcess.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void PrepareBrowserProcess()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}
