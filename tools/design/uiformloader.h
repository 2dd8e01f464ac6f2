#pragma once

#include <memory>

class QString;
class QWidget;

namespace Parlox::DesignTool {

// The widgets of a form made in Qt Designer, read from its .ui file. Throws FileError when the
// file cannot be opened and Error when it holds no form, or when this build of parlox-design
// has no Qt UiTools to read it with.
std::unique_ptr<QWidget> loadUiForm(const QString &path);

} // namespace Parlox::DesignTool
