#pragma once
#include <QByteArray>
#include <QString>

class QFileDevice;

// Writing files so that a full disk, a read-only folder or a crash never leaves a
// truncated file under the real name: the new content goes to a temporary file in the
// same folder, every write and the flush to the disk are checked, and only then the
// temporary file is renamed over the old one. Failures come back as "<path>: <reason>"
// with the reason a person can act on ("disk full", "Read-only file system", ...).
namespace SafeFile {

// The reason for a failed file operation with the system error `errnoValue`: "disk
// full" for a full disk or an exhausted quota, else the system's own text.
QString reason(int errnoValue);
// The reason for the last failure of `device` (falls back to errno when the device
// has no text of its own).
QString reason(const QFileDevice &device, int errnoValue);

// Writes all of `bytes` to the open `device` and pushes them to the operating system.
// False with the reason in `why` when any part did not get there.
bool writeAll(QFileDevice &device, const QByteArray &bytes, QString *why);

// Replaces the file at `path` with `bytes` as described above. Creates no folder.
bool write(const QString &path, const QByteArray &bytes, QString *error);

// True when a small file can be written into `folder` (and is removed again); false
// with "<folder>: <reason>" otherwise.
bool checkFolderWritable(const QString &folder, QString *error);

// Flushes the content of the (closed) file at `path` to the disk.
bool sync(const QString &path, QString *error);

// Renames `source` over `target` in one step, so that at every moment one complete
// file carries the name `target`, and makes the rename itself durable.
bool replace(const QString &source, const QString &target, QString *error);

}
