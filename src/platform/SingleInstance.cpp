#include "platform/SingleInstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString &programFolder)
    : m_path(QDir(programFolder).filePath(QStringLiteral("brelog.lock"))), m_lock(std::make_unique<QLockFile>(m_path))
{
    // A lock is stale only when its process is gone, never because of its age: where
    // the file system offers no native lock (some network folders) the default age
    // limit would let a second start take over the lock of a long-running program.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    if (m_lock->isLocked())
        return true;
    return m_lock->tryLock(0);
}

bool SingleInstance::isHeld() const
{
    return m_lock->isLocked();
}

QString SingleInstance::errorText() const
{
    switch (m_lock->error()) {
    case QLockFile::NoError:
        return {};
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString host, app;
        m_lock->getLockInfo(&pid, &host, &app);
        return QStringLiteral("%1 is held by process %2 on %3").arg(m_path).arg(pid).arg(host);
    }
    case QLockFile::PermissionError:
        return QStringLiteral("%1: no permission to create the lock").arg(m_path);
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("%1: cannot be locked").arg(m_path);
}
