#include "uiformloader.h"

#include <Parlox/format/errors.h>

#include <QString>
#include <QWidget>

namespace Parlox::DesignTool {

// Built with PARLOX_DESIGNER_UI off: there is no Qt UiTools to build the form's widgets with.
std::unique_ptr<QWidget> loadUiForm(const QString &path)
{
    throw Error(QStringLiteral("%1: this parlox-design was built without Qt Designer support "
                               "(PARLOX_DESIGNER_UI)")
                    .arg(path));
}

} // namespace Parlox::DesignTool
