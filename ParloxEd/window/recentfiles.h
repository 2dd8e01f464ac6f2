#pragma once

#include <QStringList>

namespace ParloxEd {

// The translations files opened last, newest first, kept under the editor's registry key (the
// one that remembers its interface language) as the values RecentFile1 to RecentFile8, so that
// every run and every window of the editor shares them. The list is a convenience: settings
// that cannot be read or written leave it empty or unchanged, and nothing fails for that.
class RecentFiles {
public:
    static constexpr int MaxFiles = 8;

    explicit RecentFiles(QString keyPath) : m_keyPath(std::move(keyPath)) {}

    QStringList files() const;
    // Puts the path first, once.
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

private:
    void store(const QStringList &files);

    QString m_keyPath;
};

} // namespace ParloxEd
