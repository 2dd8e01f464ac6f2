#pragma once

#include <QString>

namespace Parlox::Platform {

// The folder that holds the running executable, without a trailing separator.
QString executableFolder();

// Makes executableFolder() answer another folder for as long as the guard lives, so tests of
// flag files and of translations files beside the executable work in a temporary folder.
class ExecutableFolderGuard {
public:
    explicit ExecutableFolderGuard(const QString &folder);
    ~ExecutableFolderGuard();
    ExecutableFolderGuard(const ExecutableFolderGuard &) = delete;
    ExecutableFolderGuard &operator=(const ExecutableFolderGuard &) = delete;

private:
    QString m_previous;
};

// Whether a file (not a folder) exists at the path; a link counts as what it points to.
bool fileExists(const QString &path);

// Renames a file; fails, changing nothing, when the target exists (the source itself
// included) or the source does not.
bool renameFile(const QString &from, const QString &to);

// Creates an empty file, truncating an existing one. Throws FileError "Cannot create file
// <path>".
void createEmptyFile(const QString &path);

} // namespace Parlox::Platform
