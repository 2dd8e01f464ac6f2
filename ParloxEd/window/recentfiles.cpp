#include "recentfiles.h"

#include <Parlox/platform/registrykey.h>

namespace ParloxEd {
namespace {

QString valueName(int i)
{
    return QStringLiteral("RecentFile%1").arg(i + 1);
}

} // namespace

QStringList RecentFiles::files() const
{
    QStringList files;
    Parlox::Platform::RegistryKey key;
    if (!key.open(m_keyPath, false))
        return files;
    for (int i = 0; i < MaxFiles; ++i) {
        try {
            const QString path = key.readString(valueName(i));
            if (!path.isEmpty() && !files.contains(path))
                files.append(path);
        } catch (const Parlox::Platform::RegistryError &) {
            // A value edited into something else than a path is no recent file.
        }
    }
    return files;
}

void RecentFiles::add(const QString &path)
{
    QStringList updated = files();
    updated.removeAll(path);
    updated.prepend(path);
    store(updated.mid(0, MaxFiles));
}

void RecentFiles::remove(const QString &path)
{
    QStringList updated = files();
    if (updated.removeAll(path) > 0)
        store(updated);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList &files)
{
    try {
        Parlox::Platform::RegistryKey key;
        if (!key.open(m_keyPath, true))
            return;
        for (int i = 0; i < MaxFiles; ++i)
            key.writeString(valueName(i), files.value(i));
    } catch (const Parlox::Platform::RegistryError &) {
        // The file just opened is open all the same; only the list stays as it was.
    }
}

} // namespace ParloxEd
