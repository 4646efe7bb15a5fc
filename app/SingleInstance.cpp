#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

TSingleInstance::TSingleInstance(const QString& name) : m_lock(std::make_unique<QLockFile>(LockPath(name)))
{
    m_lock->setStaleLockTime(0); // only a lock whose process is gone counts as stale
}

QString TSingleInstance::LockPath(const QString& name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(name + QStringLiteral(".lock"));
}

bool TSingleInstance::Acquire()
{
    return m_lock->tryLock(0);
}
