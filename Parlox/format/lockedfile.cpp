#include "lockedfile.h"

#include "errors.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/file.h>

namespace Parlox {

LockedFile::LockedFile(const QString &path, Access access) : m_path(path), m_file(path)
{
    const bool exclusive = access == Access::ExclusiveReadWrite;
    if (QFileInfo(path).isDir())
        throw FileError(QStringLiteral("Cannot open file \"%1\". It is a folder.").arg(path));
    if (!m_file.open(exclusive ? QIODevice::ReadWrite | QIODevice::ExistingOnly
                               : QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, m_file.errorString()));
    if (::flock(m_file.handle(), (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        m_file.close();
        throw FileError(busy ? QStringLiteral("Cannot open file \"%1\". The file is in use by "
                                              "another program.")
                                   .arg(path)
                             : QStringLiteral("Cannot open file \"%1\". %2")
                                   .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    }
}

QByteArray LockedFile::readAll()
{
    m_file.seek(0);
    QByteArray bytes = m_file.readAll();
    if (m_file.error() != QFileDevice::NoError)
        throw FileError(
            QStringLiteral("Cannot read file \"%1\". %2").arg(m_path, m_file.errorString()));
    return bytes;
}

void LockedFile::replaceContents(const QByteArray &bytes)
{
    writeNew(m_path, bytes);
}

void LockedFile::writeNew(const QString &path, const QByteArray &bytes)
{
    QSaveFile out(path);
    // A file that may be written in a folder that may not takes its new content in place.
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        throw FileError(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, out.errorString()));
    if (out.write(bytes) != bytes.size() || !out.commit())
        throw FileError(
            QStringLiteral("Cannot write file \"%1\". %2").arg(path, out.errorString()));
}

} // namespace Parlox
