#pragma once

#include <Parlox/format/textcodec.h>

#include <optional>

class QString;
class QWidget;

namespace Parlox::Design {

// Stores the texts a live window shows, collected by object name as a translator collects its
// own form, as that window's form strings in a translations file, under one of its languages:
// how the tables of windows built in C++ or by uic are made without writing them by hand (an
// application calls it on its windows in a debug build; parlox-design collect --ui on a .ui
// file). The window's section keeps the other languages' values; entries of list items the
// window no longer has are removed. A missing file is created with that language alone.
// The file is in the encoding given, or else the one found from its bytes (valid UTF-8 beyond
// ASCII is UTF-8, anything else Windows-1252). Throws Error: the file is no translations file
// or lacks the language, or it cannot be written.
void collectWindow(const QWidget &window, const QString &lngPath, const QString &language,
                   std::optional<Encoding> encoding = std::nullopt);

} // namespace Parlox::Design
