#pragma once

class QString;

// The standard message boxes of the design-time face, shown through the modal seam.
namespace Parlox::Design {

void showError(const QString &text);
void showInformation(const QString &text);
// A question with Yes and No; true only when Yes was pressed.
bool confirm(const QString &text);

} // namespace Parlox::Design
