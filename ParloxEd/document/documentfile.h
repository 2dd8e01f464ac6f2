#pragma once

#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>

#include <QString>
#include <optional>

namespace ParloxEd {

// Reading a translations file into the editor's document and writing it back. Both hold the
// file locked for exactly one operation and report how it ended instead of raising.

enum class LoadStatus {
    Loaded,
    NoFile,    // nothing exists at the path
    OpenError, // the file cannot be opened for exclusive reading and writing
    Invalid,   // fewer than 10 bytes
    NotParlox, // the first 10 bytes are not the magic
    Damaged,   // offsets or counts that run past the end, shared or overlapping sections, or
               // bytes the encoding does not define: a partial document, saved, would
               // overwrite what could not be read
};

enum class SaveStatus {
    Saved,
    NothingToSave, // no document, or nothing modified: the file is not touched
    ReadOnly,      // the file is marked read-only: refused before anything is written
    ChangedOnDisk, // another program wrote or replaced the file since it was loaded or saved:
                   // refused before anything is written, unless told to overwrite
    Failed,        // the file could not be written; the old file is as it was
};

// How a file operation ended, with what the file layer said went wrong where it said anything
// (a lock held by another program, a text the code page cannot hold, the system's reason).
template <class Status> struct FileOutcome {
    Status status{};
    QString reason;
};
using LoadResult = FileOutcome<LoadStatus>;
using SaveResult = FileOutcome<SaveStatus>;

struct LoadedFile {
    LoadResult result;
    Parlox::Lng::PackedDocument content;
    // False for a file with no directory (exactly the magic, or a directory offset below 1):
    // it has no message strings either.
    bool hasDirectory = false;
    // The user may read the file but not write it.
    bool readOnly = false;
    // The version of the file that was read.
    Parlox::FileStamp stamp;
};

// Which encoding a read uses: the one given, or else UTF-8 for a file that is valid UTF-8
// beyond ASCII, or else the fallback (Windows-1252 when that does not read the file either).
struct ReadEncoding {
    std::optional<Parlox::Encoding> given;
    Parlox::Encoding fallback = Parlox::Encoding::Windows1252;
};

// Reads the whole file under an exclusive lock, or under a shared one when the user may not
// write the file. A default language index outside the language list marks the first
// language; forms with neither section are left out.
LoadedFile readDocumentFile(const QString &path, const ReadEncoding &encoding = {});

// Replaces the file's content with the document as a whole. The new bytes are encoded first
// and then take the old file's place atomically, so on any failure the old file stays as it
// was; a file that is gone is created anew. `stamp` is the version the document was read
// from or last written as: a file on disk with another one is left alone (ChangedOnDisk)
// unless overwrite is set. After a save, `stamp` is the version written.
SaveResult writeDocumentFile(const QString &path, const Parlox::Lng::PackedDocument &content,
                             std::optional<Parlox::FileStamp> &stamp, bool overwrite = false);

} // namespace ParloxEd
