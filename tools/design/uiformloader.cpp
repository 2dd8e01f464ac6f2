#include "uiformloader.h"

#include <Parlox/format/errors.h>

#include <QFile>
#include <QUiLoader>
#include <QWidget>

namespace Parlox::DesignTool {

std::unique_ptr<QWidget> loadUiForm(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    QUiLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&file));
    if (!form)
        throw Error(QStringLiteral("%1: %2").arg(path, loader.errorString()));
    return form;
}

} // namespace Parlox::DesignTool
