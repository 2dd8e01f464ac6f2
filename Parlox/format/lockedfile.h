#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace Parlox {

// One version of a file on disk: which file it is and its size and time of last change. Two
// stamps of one path differ once another program has written or replaced the file.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp &) const = default;

    // The stamp of the file a path names now; nothing when there is none.
    static std::optional<FileStamp> of(const QString &path);
};

// A file opened and locked for the length of one operation. Readers share it with other
// readers; an exclusive open keeps every other Parlox reader and writer out, in this process
// or another. Opening never waits: a conflicting lock fails at once with a FileError that
// names the file. The lock is released when the object goes away.
//
// The lock is always taken on the file the path names at that moment: a file replaced by
// another writer between the open and the lock is opened again. A writer therefore holds the
// lock for its whole read-modify-replace, and two writers never both succeed on one version.
class LockedFile {
public:
    enum class Access {
        SharedRead,
        ExclusiveReadWrite,
        // Exclusive, and a missing file is created empty for the operation: when the object
        // goes away without replaceContents() having succeeded, the file is removed again.
        ExclusiveCreate,
    };

    // Anything but a regular file (a device, a FIFO) is refused for writing.
    LockedFile(const QString &path, Access access);
    ~LockedFile();
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    const QString &path() const { return m_path; }
    // Whether this object created the file (ExclusiveCreate on a missing file).
    bool created() const { return m_created; }
    // How many times its size reading a file may take at worst: decoded into a list of strings,
    // an empty line (one byte) takes 32; packed, it takes the file itself and 8 more.
    static constexpr qint64 DecodedWorstCase = 32;
    static constexpr qint64 PackedWorstCase = 10;
    // The whole file. A file whose reading could take more memory than this process may use
    // is refused with FileError naming both sizes before anything is read.
    QByteArray readAll(qint64 worstCase = DecodedWorstCase);
    // The stamp of the file as opened.
    FileStamp stamp() const;

    // Replaces the file's content as a whole: the new bytes are written in full to a
    // temporary file beside it and synced, then that file takes the old one's place with the
    // old one's owner, group and permissions. Where the folder refuses a temporary file, the
    // owner or group cannot be kept, or the file has other hard links, an exclusively opened
    // file is written in place after its new size has been reserved on the disk. Any failure
    // (a full disk, a file-size limit) throws FileError with the system's reason and leaves
    // the old content as it was.
    void replaceContents(const QByteArray &bytes);

    // Creates or replaces the file at path under the same lock (ExclusiveCreate): fails at
    // once while another program holds the file. A new file appears only with all its bytes,
    // so a writer that dies midway leaves no empty or partial file. Throws FileError.
    static void writeNew(const QString &path, const QByteArray &bytes);

private:
    void open(Access access);
    bool openOnce(Access access);
    void lock(bool exclusive);
    void writeInPlace(const QByteArray &bytes);
    bool namesThisFile() const;
    void requireMemoryToRead(qint64 size, qint64 worstCase) const;

    QString m_path;
    QFile m_file;
    bool m_created = false;
    bool m_replaced = false;
};

} // namespace Parlox
