#pragma once

#include <Parlox/format/lngtypes.h>

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <memory>
#include <optional>

namespace Parlox {

class FormStringIndex;

// The sections a translator reads from its translations file, decoded and indexed once per
// version of the file instead of once per lookup. A version is the file's device, inode, size,
// modification and status-change times: a rewrite in place, a replacement by rename and a
// change of permissions each make a new one, so a file changed on disk is read again on the
// next lookup. A file modified less than two seconds before a lookup is read again every
// time: a file system's coarse clock may give a change that follows at once the same times.
class SectionCache {
public:
    // The one cache of the process; it holds one file, the last one read.
    static SectionCache &instance();

    // The form's section with its keys hashed (paths for form strings, identifiers for user
    // strings); an empty table when the file does not list the form or the section. Null when
    // the file is missing, too short or foreign. Throws FileError for a file that cannot be
    // opened.
    // Sections are decoded in the encoding given; EncodingError for bytes it does not define.
    std::shared_ptr<const FormStringIndex> section(const QString &path, const QString &formName,
                                                   Lng::SectionKind kind,
                                                   Encoding encoding = Encoding::Windows1252);

    // Forgets everything read: the process is about to change the file.
    void clear();

    // The file's identity, size and times.
    struct Version {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Version &) const = default;
    };

private:
    struct File;
    static std::optional<Version> versionOf(const QString &path);

    QMutex m_mutex;
    std::unique_ptr<File> m_file;
};

} // namespace Parlox
