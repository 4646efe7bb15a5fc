#include "ProcessSetup.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void PrepareProcess()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#ifdef Q_OS_LINUX
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
#endif
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}
