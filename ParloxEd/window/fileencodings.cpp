#include "fileencodings.h"

#include <Parlox/platform/registrykey.h>

#include <QFileInfo>
#include <QUrl>

namespace ParloxEd {
namespace {

// The path, escaped so that its separators do not make groups of the settings file.
QString valueName(const QString &path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath()));
}

} // namespace

FileEncodings::FileEncodings(const QString &editorKeyPath)
    : m_keyPath(editorKeyPath + QStringLiteral("\\FileEncodings"))
{
}

std::optional<Parlox::Encoding> FileEncodings::lastUsed(const QString &path) const
{
    Parlox::Platform::RegistryKey key;
    if (m_keyPath.isEmpty() || !key.open(m_keyPath, false))
        return std::nullopt;
    try {
        return Parlox::encodingFromName(key.readString(valueName(path)));
    } catch (const Parlox::Platform::RegistryError &) {
        // A value edited into something else than a name remembers nothing.
        return std::nullopt;
    }
}

void FileEncodings::remember(const QString &path, Parlox::Encoding encoding) const
{
    try {
        Parlox::Platform::RegistryKey key;
        if (!m_keyPath.isEmpty() && key.open(m_keyPath, true))
            key.writeString(valueName(path), Parlox::encodingName(encoding));
    } catch (const Parlox::Platform::RegistryError &) {
        // The file is open or saved all the same; only the memory stays as it was.
    }
}

} // namespace ParloxEd
