#include "opendialog.h"

#include <Parlox/platform/standarddialogs.h>

namespace ParloxEd {

OpenDialog::OpenDialog(QWidget *parent) : QFileDialog(parent) {}

std::optional<QString> OpenDialog::Execute()
{
    Parlox::Platform::prepareOpenDialog(*this, m_filter, m_defaultExt);
    return Parlox::Platform::runOpenDialog(*this);
}

} // namespace ParloxEd
