#pragma once

// Real write failures for tests: a small filesystem that is full, and a child process whose
// files may not grow past a limit. Nothing is mocked: the writers meet the system's own
// errors ("No space left on device", "File too large").
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A tmpfs of 256 KiB (and, if asked, few inodes) mounted over a temporary folder for one
// test. Mounting needs root (as CI runs); elsewhere mounted() is false and the test skips.
class SmallDisk {
public:
    explicit SmallDisk(const char *options = "size=256k")
    {
        m_mounted =
            ::geteuid() == 0 && m_dir.isValid() &&
            ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Fills the disk to the last byte, then frees one page, so a write of more than a page
    // gets part of the way before it fails.
    void fillLeavingOnePage() const
    {
        QFile filler(path(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(4096, 'f');
        while (filler.write(chunk) == chunk.size()) {
        }
        ASSERT_TRUE(filler.resize(filler.size() - 4096 - filler.size() % 4096));
    }

    void freeSpace() const { ASSERT_TRUE(QFile::resize(path(QStringLiteral("filler")), 0)); }

    // The folder's entries besides the filler: a writer must leave no temporary file behind.
    QStringList entries() const
    {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("filler"));
        return names;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// Runs `work` in a child process after `prepare`, and returns the text `work` returned there.
inline QString inChild(const std::function<void()> &prepare, const std::function<QString()> &work)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        prepare();
        QByteArray result;
        try {
            result = work().toUtf8();
        } catch (...) {
            result = "an exception escaped";
        }
        // A pipe is no file, so no limit on files applies to the answer.
        [[maybe_unused]] const auto sent = ::write(channel[1], result.constData(), result.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return QString::fromUtf8(result);
}

// Runs `write` where files may not grow past limit bytes, with SIGXFSZ ignored so that a
// write past the limit fails with EFBIG instead of ending the process.
inline QString inChildWithFileSizeLimit(rlim_t limit, const std::function<QString()> &write)
{
    return inChild(
        [limit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
        },
        write);
}

// AddressSanitizer reserves terabytes of address space for its shadow memory, so under it a
// limit on the address space leaves a process no room at all.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool AddressSpaceCanBeLimited = false;
#else
inline constexpr bool AddressSpaceCanBeLimited = true;
#endif

// Runs `work` with its address space limited to limit bytes, as `prlimit --as` does.
inline QString inChildWithAddressSpace(rlim_t limit, const std::function<QString()> &work)
{
    return inChild(
        [limit] {
            const rlimit space{limit, limit};
            ::setrlimit(RLIMIT_AS, &space);
        },
        work);
}

// A translations file of `size` bytes, sparse (no space on disk): a language count of 2^31 - 1
// and then empty lines, one NUL byte each, which readers take as empty strings.
inline void writeFileOfEmptyLines(const QString &path, qint64 size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("Parlox 2.0\x0e\0\0\0\xff\xff\xff\x7f", 18));
    ASSERT_TRUE(file.resize(size));
}

// The user "nobody", who may write only what is granted to everyone or to them.
inline constexpr uid_t Nobody = 65534;

inline QString inChildAsNobody(const std::function<QString()> &work)
{
    return inChild(
        [] {
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                ::_exit(1);
        },
        work);
}

// Output sizes on both sides of the 16 KiB a buffered writer holds back.
inline constexpr qsizetype SmallOutput = 5 * 1024;
inline constexpr qsizetype LargeOutput = 40 * 1024;

// A writer under test: writes about `size` bytes to path and returns its error message, empty
// when it reports success.
using TestWriter = std::function<QString(const QString &path, qsizetype size)>;

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Under a file-size limit of 2 KiB the write fails with the system's reason, for outputs
// under and over 16 KiB, and the old file stays byte for byte.
inline void expectFileSizeLimitKeepsTheOldFile(const QString &file, const TestWriter &writer)
{
    const QByteArray old = fileBytes(file);
    for (const qsizetype size : {SmallOutput, LargeOutput}) {
        const QString message = inChildWithFileSizeLimit(2048, [&] { return writer(file, size); });
        EXPECT_TRUE(message.contains(QStringLiteral("File too large")))
            << size << ": " << message.toStdString();
        EXPECT_TRUE(fileBytes(file) == old) << size << ": the old file changed";
    }
}

// On a full disk the same: the reason, the old file byte for byte, no temporary file left.
// `makeOld` writes the old file on the disk before it is filled.
inline void expectFullDiskKeepsTheOldFile(const std::function<void(const QString &)> &makeOld,
                                          const TestWriter &writer)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small filesystem needs root";
    const QString file = disk.path(QStringLiteral("app.lng"));
    makeOld(file);
    const QByteArray old = fileBytes(file);
    disk.fillLeavingOnePage();
    for (const qsizetype size : {SmallOutput, LargeOutput}) {
        const QString message = writer(file, size);
        EXPECT_TRUE(message.contains(QStringLiteral("No space left on device")))
            << size << ": " << message.toStdString();
        EXPECT_TRUE(fileBytes(file) == old) << size << ": the old file changed";
        EXPECT_EQ(disk.entries(), QStringList({QStringLiteral("app.lng")})) << size;
    }
}
