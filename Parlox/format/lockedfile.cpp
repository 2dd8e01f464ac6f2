#include <Parlox/format/lockedfile.h>

#include <Parlox/format/errors.h>

#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Parlox {
namespace {

// Another writer may replace the file between our open and our lock; each replacement costs
// one more attempt, and a file that is replaced this often is in use all the same.
constexpr int MaxAttempts = 100;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const char *what, const QString &path, const QString &reason)
{
    throw FileError(
        QStringLiteral("Cannot %1 file \"%2\". %3").arg(QLatin1StringView(what), path, reason));
}

QString dataSize(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// Half of the memory this process may take (the machine's, or less under a limit on its
// address space or data), leaving the other half to the program that reads.
qint64 memoryBudget()
{
    qint64 limit = qint64(::sysconf(_SC_PHYS_PAGES)) * ::sysconf(_SC_PAGESIZE);
    for (const int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        rlimit current{};
        if (::getrlimit(resource, &current) == 0 && current.rlim_cur != RLIM_INFINITY)
            limit = std::min(limit, qint64(current.rlim_cur));
    }
    return limit / 2;
}

FileStamp stampFrom(const struct stat &info)
{
    return {quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// Writes all bytes to fd at its current position; false with errno set on failure.
bool writeAll(int fd, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return false;
        done += std::max<ssize_t>(written, 0);
    }
    return true;
}

// The temporary file gets the old file's owner and group before it takes its place; a writer
// who may not give it those (a group member who is not the owner) must write in place, or the
// owner could no longer write their own file.
bool takeOwnership(int fd, const struct stat &old, QString &error)
{
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        error = systemReason(errno);
        return false;
    }
    // chown clears the set-user and set-group bits, so the mode is set after it.
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        error = systemReason(errno);
        return false;
    }
    return true;
}

// The bytes go to a temporary file beside the target, unbuffered so that every write reports
// its own outcome (a buffered QSaveFile reports success for bytes it has not written yet), and
// the temporary file replaces the target only when all of them are written and synced.
// Returns false, having touched nothing, when no temporary file can be made beside the target
// or given the old one's owner, and says why in openError.
bool writeThroughTemporaryFile(const QString &path, const QByteArray &bytes, const struct stat &old,
                               QString &openError)
{
    QSaveFile out(path);
    // QSaveFile's own fallback truncates the target before writing it, so a full disk would
    // destroy the old content; LockedFile::writeInPlace reserves the space first instead.
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        openError = out.errorString();
        return false;
    }
    if (!takeOwnership(out.handle(), old, openError)) {
        out.cancelWriting();
        return false;
    }
    for (qint64 done = 0; done < bytes.size();) {
        // A short write means the next one fails with the reason.
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = out.errorString();
            out.cancelWriting();
            fail("write", path, reason);
        }
        done += written;
    }
    if (!out.commit())
        fail("write", path, out.errorString());
    return true;
}

// A new file is written unnamed in its folder and linked to its name only when complete and
// synced; linking fails when a file of that name has appeared meanwhile. Returns false,
// having made nothing, where the filesystem has no unnamed files or the name is taken.
bool createComplete(const QString &path, const QByteArray &bytes)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const auto closing = qScopeGuard([fd] { ::close(fd); });
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        fail("write", path, systemReason(errno));
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, QFile::encodeName(path).constData(),
                    AT_SYMLINK_FOLLOW) == 0;
}

} // namespace

LockedFile::LockedFile(const QString &path, Access access) : m_path(path), m_file(path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            fail("open", path, QStringLiteral("It is a folder."));
        // Replacing a device or a FIFO with a regular file would break what it stands for.
        if (access != Access::SharedRead && !S_ISREG(info.st_mode))
            fail("write", path, QStringLiteral("It is not a regular file."));
    }
    open(access);
}

LockedFile::~LockedFile()
{
    // A file created for an operation that did not complete would be left empty, which no
    // reader accepts; it goes, unless someone else has put a file in its place meanwhile.
    if (m_created && !m_replaced && namesThisFile())
        QFile::remove(m_path);
}

void LockedFile::open(Access access)
{
    const bool exclusive = access != Access::SharedRead;
    for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
        if (!openOnce(access))
            continue;
        lock(exclusive);
        if (namesThisFile())
            return;
        m_file.close();
        m_created = false;
    }
    fail("open", m_path, QStringLiteral("It is being replaced by another program all the time."));
}

// False when the file appeared or vanished between the check and the open, to try again.
bool LockedFile::openOnce(Access access)
{
    if (access == Access::SharedRead) {
        if (!m_file.open(QIODevice::ReadOnly))
            fail("open", m_path, m_file.errorString());
        return true;
    }
    const bool create = access == Access::ExclusiveCreate && !QFileInfo::exists(m_path);
    if (m_file.open(QIODevice::ReadWrite |
                    (create ? QIODevice::NewOnly : QIODevice::ExistingOnly))) {
        m_created = create;
        return true;
    }
    if (access == Access::ExclusiveCreate && create == QFileInfo::exists(m_path))
        return false;
    fail(create ? "create" : "open", m_path, m_file.errorString());
}

void LockedFile::lock(bool exclusive)
{
    if (::flock(m_file.handle(), (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
        return;
    const int error = errno;
    // Whoever got the file we just created holds it now; it is removed only while it is still
    // that empty file.
    if (m_created && namesThisFile())
        QFile::remove(m_path);
    m_created = false;
    m_file.close();
    fail("open", m_path,
         error == EWOULDBLOCK ? QStringLiteral("The file is in use by another program.")
                              : systemReason(error));
}

// Whether the open file is still the one the path names: device and inode of both agree.
bool LockedFile::namesThisFile() const
{
    struct stat opened {};
    struct stat named {};
    return m_file.isOpen() && ::fstat(m_file.handle(), &opened) == 0 &&
           ::stat(QFile::encodeName(m_path).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

QByteArray LockedFile::readAll(qint64 worstCase)
{
    requireMemoryToRead(m_file.size(), worstCase);
    m_file.seek(0);
    QByteArray bytes;
    try {
        bytes = m_file.readAll();
    } catch (const std::bad_alloc &) {
        fail("read", m_path, QStringLiteral("There is not enough memory to read it."));
    }
    if (m_file.error() != QFileDevice::NoError)
        fail("read", m_path, m_file.errorString());
    return bytes;
}

// Reading takes more memory than the file's size: an empty line, one byte on disk, becomes a
// string of 24 bytes in a list that grows by doubling, or 8 bytes in a packed table. A file is
// refused before it is read when its worst case is past what this process may use, instead of
// failing midway with no memory left.
void LockedFile::requireMemoryToRead(qint64 size, qint64 worstCase) const
{
    const qint64 budget = memoryBudget();
    if (size > budget / worstCase)
        fail("read", m_path,
             QStringLiteral("Reading its %1 could take up to %2 of memory, more than the %3 "
                            "this program may use.")
                 .arg(dataSize(size), dataSize(size * worstCase), dataSize(budget)));
}

FileStamp LockedFile::stamp() const
{
    struct stat info {};
    return ::fstat(m_file.handle(), &info) == 0 ? stampFrom(info) : FileStamp();
}

std::optional<FileStamp> FileStamp::of(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return stampFrom(info);
}

void LockedFile::replaceContents(const QByteArray &bytes)
{
    struct stat old {};
    if (::fstat(m_file.handle(), &old) != 0)
        fail("write", m_path, systemReason(errno));
    QString openError;
    // A replacement would split hard links: the other names would keep the old content.
    const bool linked = old.st_nlink > 1;
    if (linked || !writeThroughTemporaryFile(m_path, bytes, old, openError)) {
        // A folder that refuses a new file (no write permission, no inode left) may still
        // hold a file we may write.
        if (!m_file.isWritable())
            fail("create", m_path,
                 linked ? QStringLiteral("It is open for reading only.") : openError);
        writeInPlace(bytes);
    }
    m_replaced = true;
}

// The space for the new content is reserved before the first byte of the old one is
// overwritten, so a full disk or a file-size limit fails while the old content is whole.
void LockedFile::writeInPlace(const QByteArray &bytes)
{
    const int fd = m_file.handle();
    if (const int error = bytes.isEmpty() ? 0 : ::posix_fallocate(fd, 0, bytes.size()))
        fail("write", m_path, systemReason(error));
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t written =
            ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), done);
        if (written <= 0 && errno != EINTR)
            fail("write", m_path, systemReason(errno));
        done += std::max<ssize_t>(written, 0);
    }
    if (::ftruncate(fd, bytes.size()) != 0 || ::fdatasync(fd) != 0)
        fail("write", m_path, systemReason(errno));
}

void LockedFile::writeNew(const QString &path, const QByteArray &bytes)
{
    if (!QFileInfo::exists(path) && createComplete(path, bytes))
        return;
    LockedFile(path, Access::ExclusiveCreate).replaceContents(bytes);
}

} // namespace Parlox
