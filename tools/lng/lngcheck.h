#pragma once

#include <QStringList>

class QIODevice;

namespace Parlox::Lng {
struct Document;
}

// `parlox-lng check [--strict] FILE`: what is wrong with the file, then the translators'
// warnings (access keys, line-break markers, placeholders, outer spaces, values left in the
// first language), one line each. Problems fail the check; warnings fail it only when strict.
namespace Parlox::LngCheck {

// args start with "check". Returns an LngTool::ExitCode; throws Error for a file that cannot
// be read.
int run(const QStringList &args, QIODevice &out, QIODevice &err);

// One line per failed check of every value, naming the table, the key and the language.
QStringList warnings(const Lng::Document &document);

} // namespace Parlox::LngCheck
