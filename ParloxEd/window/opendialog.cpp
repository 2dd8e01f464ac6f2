#include "opendialog.h"

#include <Parlox/platform/standarddialogs.h>

#include <QAbstractItemView>
#include <QCompleter>

namespace ParloxEd {

OpenDialog::OpenDialog(QWidget *parent) : QFileDialog(parent) {}

std::optional<QString> OpenDialog::Execute()
{
    Parlox::Platform::prepareOpenDialog(*this, m_filter, m_defaultExt);
    std::optional<QString> chosen = Parlox::Platform::runOpenDialog(*this);
    // The file name's completion list is a window of its own: left open over the editor, it
    // would take the first key meant for the grid.
    for (QCompleter *completer : findChildren<QCompleter *>())
        completer->popup()->hide();
    return chosen;
}

} // namespace ParloxEd
