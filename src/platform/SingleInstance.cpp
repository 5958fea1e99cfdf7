#include "platform/SingleInstance.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {

bool processIsAlive(qint64 pid)
{
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    Q_UNUSED(pid);
    return true;
#endif
}

}

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

SingleInstance::Outcome SingleInstance::acquire()
{
    m_failure.clear();
    if (tryAcquire())
        return Outcome::Acquired;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (m_lock->error() == QLockFile::LockFailedError) {
        // QLockFile has already removed a lock whose process is gone when it could; one
        // that is still there with a live process is a running program. The process of
        // another computer (a shared folder) cannot be checked from here: it counts as
        // running, as QLockFile counts it.
        qint64 pid = 0;
        QString host, app;
        const bool readable = m_lock->getLockInfo(&pid, &host, &app) && pid > 0;
        if (readable && ((!host.isEmpty() && host != QSysInfo::machineHostName()) || processIsAlive(pid)))
            return Outcome::HeldByAnother;
        // A lock file without a process in it (cut short by a power cut) would block
        // every start for ever; QLockFile removes it only while no process holds it.
        if (!readable && m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return Outcome::Acquired;
    }
    // Whatever else stops the lock: the folder itself says why, when a small file
    // cannot be written there.
    if (SafeFile::checkFolderWritable(folder, &m_failure))
        m_failure = errorText();
    return Outcome::Failed;
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
