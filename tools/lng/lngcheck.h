#pragma once

#include <QStringList>

class QIODevice;

namespace Parlox::Lng {
class Image;
}

// `parlox-lng check [--strict] FILE`: what is wrong with the file, then the translators'
// warnings (access keys, line-break markers, placeholders, outer spaces, values left in the
// first language), one line each. Problems fail the check; warnings fail it only when strict.
namespace Parlox::LngCheck {

// args start with "check". Returns an LngTool::ExitCode; throws Error for a file that cannot
// be read.
int run(const QStringList &args, QIODevice &out, QIODevice &err);

struct Warnings {
    // One line per failed check, naming the table, the key and the language, for the first few
    // of each kind; then one line per kind with the number left unlisted.
    QStringList lines;
    qint64 total = 0; // failed checks, listed or not
};

// The file must be sound: its tables are read straight from its bytes.
Warnings warnings(const Lng::Image &image);

} // namespace Parlox::LngCheck
