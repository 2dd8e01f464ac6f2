#pragma once

#include <Parlox/format/textcodec.h>

#include <optional>

class QString;

namespace Parlox::DesignTool {

// Reads a form made in Qt Designer (a .ui file) and stores its texts, collected by object name
// as a translator collects its own form, as that form's form strings in a translations file,
// under one of its languages. The form's section keeps the other languages' values; entries of
// list items the form no longer has are removed. A missing file is created with that language
// alone. Throws Error: the form cannot be read, the file is no translations file or lacks the
// language, or the file cannot be written. The file is in the encoding given, or else the one
// found from its bytes (valid UTF-8 beyond ASCII is UTF-8, anything else Windows-1252).
void collectUiForm(const QString &uiPath, const QString &lngPath, const QString &language,
                   std::optional<Encoding> encoding = std::nullopt);

} // namespace Parlox::DesignTool
