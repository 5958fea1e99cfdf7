#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

// One running program per program folder: a lock file `brelog.lock` in the folder,
// held for as long as this object lives. A lock left behind by a crashed process is
// taken over; a lock of a running program blocks however old it is.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &programFolder);
    ~SingleInstance();

    // True when this process now holds the lock (or already held it).
    bool tryAcquire();

    enum class Outcome {
        Acquired,      // this process holds the lock
        HeldByAnother, // a running program holds it
        Failed,        // the lock cannot be made at all (read-only folder, full disk, ...)
    };
    // Takes the lock and tells a running program apart from a folder where no lock can
    // be made; for Failed, failureReason() says why.
    Outcome acquire();
    QString failureReason() const { return m_failure; }
    bool isHeld() const;
    QString lockPath() const { return m_path; }
    // Why the lock was not taken (for diagnostics only).
    QString errorText() const;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QString m_failure;
};
