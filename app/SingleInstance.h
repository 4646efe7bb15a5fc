#pragma once
// One running copy per user session: a lock that the system drops when the
// process ends, also after a crash.

#include <QLockFile>
#include <QString>

#include <memory>

class TSingleInstance
{
public:
    explicit TSingleInstance(const QString& name);
    // False when another running copy holds the lock.
    bool Acquire();
    static QString LockPath(const QString& name);
    // Where the locks live; tests use a folder of their own (empty: the user's session folder).
    static void SetLockFolder(const QString& folder);

private:
    std::unique_ptr<QLockFile> m_lock;
};
