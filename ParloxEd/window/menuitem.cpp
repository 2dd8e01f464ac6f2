#include "menuitem.h"

namespace ParloxEd {
namespace {
const QString SeparatorCaption = QStringLiteral("-");
}

QString MenuItem::Caption() const
{
    return isSeparator() ? SeparatorCaption : text();
}

void MenuItem::setCaption(const QString &caption)
{
    const bool separator = caption == SeparatorCaption;
    setSeparator(separator);
    setText(separator ? QString() : caption);
}

} // namespace ParloxEd
