#pragma once

#include <Parlox/format/textcodec.h>

#include <QString>
#include <optional>

namespace ParloxEd {

// The encoding each translations file was last opened or saved in, kept in the user's
// settings under the editor's registry key (its "FileEncodings" subkey), one value per file
// named by the file's absolute path. Like the recent files, it is a convenience: settings that
// cannot be read or written remember nothing, and nothing fails for that.
class FileEncodings {
public:
    FileEncodings() = default;
    explicit FileEncodings(const QString &editorKeyPath);

    std::optional<Parlox::Encoding> lastUsed(const QString &path) const;
    void remember(const QString &path, Parlox::Encoding encoding) const;

private:
    QString m_keyPath;
};

} // namespace ParloxEd
