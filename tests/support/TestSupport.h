#pragma once
#include "contest/ContestContext.h"
#include "contest/ContestSettings.h"
#include "contestlog/QsoRow.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A temporary program folder filled with the shipped files (as the build lays them
// out) and an empty contest database, for tests that run real windows and files. It
// carries the contest context of that folder (not yet connected: `session().open()`).
class TempProgramFolder
{
public:
    // Copies the shipped files and creates an empty contest.mdb.
    explicit TempProgramFolder(bool withContestDatabase = true);
    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const;
    bool isValid() const { return m_dir.isValid(); }
    ContestContext &context() { return *m_context; }
    ProgramFolder programFolder() const { return ProgramFolder(m_dir.path()); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ContestContext> m_context;
};

namespace TestSupport {

// Copies a folder tree (files overwrite).
bool copyTree(const QString &from, const QString &to);

// Settings with a call, contest name and own locator, and every band's power filled.
ContestSettings sampleSettings(const QString &ownLocator = QStringLiteral("JN85AB"));

// Adds `postavke` rows for the given band numbers to the contest database at `path`.
bool addBands(const QString &contestDbPath, const QList<int> &bands,
              const ContestSettings &settings = sampleSettings());

// A plain QSO of band `band` as the entry would store it.
QsoEntry sampleQso(const QString &call, const QString &band, qint64 serial,
                   const QString &locator = QStringLiteral("JN86CD"));

}

// A small tmpfs mounted on a temporary folder, for tests of full disks and read-only
// folders on a real file system. Mounting needs root (and a system that lets it);
// where it cannot be done, isMounted() is false and `skipReason()` says why.
class TmpfsMount
{
public:
    explicit TmpfsMount(int sizeKb = 512);
    ~TmpfsMount();
    bool isMounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const;
    // Takes every free block, so that the next write fails for want of space.
    bool fill();
    // Mounts the file system again read-only (or writable).
    bool setReadOnly(bool readOnly);

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};
