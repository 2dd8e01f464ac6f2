#include "uiformcollection.h"
#include "uiformloader.h"

#include <Parlox/design/windowcollection.h>
#include <Parlox/format/errors.h>

#include <QWidget>

namespace Parlox::DesignTool {

void collectUiForm(const QString &uiPath, const QString &lngPath, const QString &language,
                   std::optional<Encoding> encoding)
{
    const std::unique_ptr<QWidget> form = loadUiForm(uiPath);
    if (form->objectName().isEmpty())
        throw Error(QStringLiteral("%1: the form has no name").arg(uiPath));
    Design::collectWindow(*form, lngPath, language, encoding);
}

} // namespace Parlox::DesignTool
