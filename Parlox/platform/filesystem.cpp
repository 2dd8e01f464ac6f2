#include <Parlox/platform/filesystem.h>

#include <Parlox/format/errors.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace Parlox::Platform {

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString executableFolder()
{
    const QString &overridden = folderOverride();
    return overridden.isEmpty() ? QCoreApplication::applicationDirPath() : overridden;
}

ExecutableFolderGuard::ExecutableFolderGuard(const QString &folder)
    : m_previous(std::exchange(folderOverride(), folder))
{
}

ExecutableFolderGuard::~ExecutableFolderGuard()
{
    folderOverride() = m_previous;
}

bool fileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool renameFile(const QString &from, const QString &to)
{
    // QFile::rename never replaces an existing target.
    return QFile::rename(from, to);
}

void createEmptyFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FileError(QStringLiteral("Cannot create file %1").arg(path));
}

} // namespace Parlox::Platform
