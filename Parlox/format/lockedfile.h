#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace Parlox {

// A file opened and locked for the length of one operation. Readers share it with other
// readers; an exclusive open keeps every other Parlox reader and writer out, in this process
// or another. Opening never waits: a conflicting lock fails at once with a FileError that
// names the file. The lock is released when the object goes away.
class LockedFile {
public:
    enum class Access { SharedRead, ExclusiveReadWrite };

    LockedFile(const QString &path, Access access);
    LockedFile(const LockedFile &) = delete;
    LockedFile &operator=(const LockedFile &) = delete;

    const QString &path() const { return m_path; }
    QByteArray readAll();

    // Replaces the file's content as a whole: the new bytes are written and flushed to a
    // temporary file beside it, which then takes the file's place, so a failure leaves the old
    // content as it was. Throws FileError.
    void replaceContents(const QByteArray &bytes);

    // The same for a file that may not exist yet (nothing to lock).
    static void writeNew(const QString &path, const QByteArray &bytes);

private:
    QString m_path;
    QFile m_file;
};

} // namespace Parlox
