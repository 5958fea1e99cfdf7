#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace SafeFile {

namespace {

bool fail(QString *error, const QString &path, const QString &why)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return false;
}

bool isDiskFull(int e)
{
#ifdef EDQUOT
    if (e == EDQUOT)
        return true;
#endif
    return e == ENOSPC;
}

#ifdef Q_OS_UNIX
// fsync of an open descriptor; EINVAL means the file system has nothing to sync.
bool syncDescriptor(int fd, QString *why)
{
    if (::fsync(fd) == 0 || errno == EINVAL || errno == EROFS)
        return true;
    if (why)
        *why = reason(errno);
    return false;
}

// After a rename the folder entry itself must reach the disk, or a crash can bring
// back the old name.
void syncFolder(const QString &file)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(file).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

}

QString reason(int errnoValue)
{
    if (isDiskFull(errnoValue))
        return QStringLiteral("disk full");
    if (errnoValue == 0)
        return QStringLiteral("the system gave no reason");
    return QString::fromLocal8Bit(std::strerror(errnoValue));
}

QString reason(const QFileDevice &device, int errnoValue)
{
    if (isDiskFull(errnoValue))
        return reason(errnoValue);
    const QString text = device.errorString();
    // Qt's own words for a full disk, when errno has moved on since.
    if (text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
        return reason(ENOSPC);
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        return reason(errnoValue);
    return text;
}

bool writeAll(QFileDevice &device, const QByteArray &bytes, QString *why)
{
    errno = 0;
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            if (why)
                *why = reason(device, errno);
            return false;
        }
        done += n;
    }
    // A buffered device only meets the disk here; its errors count as well.
    if (!device.flush()) {
        if (why)
            *why = reason(device, errno);
        return false;
    }
    return true;
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // Unbuffered, so that a write error shows at the write: the flush QSaveFile makes
    // at commit does not report it, and would rename a truncated file into place.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Qt's text here is "Existing file ... is not writable" even for a read-only
        // file system; the system's own reason says more.
        const int e = errno;
        return fail(error, path, e != 0 ? reason(e) : reason(file, e));
    }
    QString why;
    if (!writeAll(file, bytes, &why)) {
        file.cancelWriting();
        return fail(error, path, why);
    }
#ifdef Q_OS_UNIX
    if (!syncDescriptor(file.handle(), &why)) {
        file.cancelWriting();
        return fail(error, path, why);
    }
#endif
    errno = 0;
    if (!file.commit())
        return fail(error, path, reason(file, errno));
#ifdef Q_OS_UNIX
    syncFolder(path);
#endif
    return true;
}

bool checkFolderWritable(const QString &folder, QString *error)
{
    const QString probe = QDir(folder).filePath(QStringLiteral(".brelog-write-test"));
    QString why;
    if (!write(probe, QByteArray("x"), &why))
        return fail(error, folder, why.mid(probe.size() + 2));
    QFile::remove(probe);
    return true;
}

bool sync(const QString &path, QString *error)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return fail(error, path, reason(errno));
    QString why;
    const bool ok = syncDescriptor(fd, &why);
    ::close(fd);
    return ok || fail(error, path, why);
#else
    Q_UNUSED(path);
    Q_UNUSED(error);
    return true;
#endif
}

bool replace(const QString &source, const QString &target, QString *error)
{
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(source.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), ec);
    if (ec)
        return fail(error, target, reason(ec.value()));
#ifdef Q_OS_UNIX
    syncFolder(target);
#endif
    return true;
}

}
