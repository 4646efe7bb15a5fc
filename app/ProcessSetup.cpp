#include "ProcessSetup.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

void PrepareProcess()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}
