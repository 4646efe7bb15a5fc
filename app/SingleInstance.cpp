#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

TSingleInstance::TSingleInstance(const QString& name) : m_lock(std::make_unique<QLockFile>(LockPath(name)))
{
    m_lock->setStaleLockTime(0); // only a lock whose process is gone counts as stale
}

namespace {
QString& lockFolder()
{
    static QString folder;
    return folder;
}
} // namespace

void TSingleInstance::SetLockFolder(const QString& folder)
{
    lockFolder() = folder;
}

QString TSingleInstance::LockPath(const QString& name)
{
    if (!lockFolder().isEmpty())
        return QDir(lockFolder()).filePath(name + QStringLiteral(".lock"));
    // One lock per user: the user's own session folder where there is one.
#ifdef Q_OS_UNIX
    const QString runtime = QStringLiteral("/run/user/%1").arg(::getuid());
    if (QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(name + QStringLiteral(".lock"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("%1-%2.lock").arg(name).arg(::getuid()));
#else
    return QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"));
#endif
}

bool TSingleInstance::Acquire()
{
    return m_lock->tryLock(0);
}
