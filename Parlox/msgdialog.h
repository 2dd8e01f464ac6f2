#pragma once

#include <Parlox/parloxtypes.h>

#include <QString>
#include <functional>
#include <memory>

namespace Parlox {

class TMessageForm;
class TParloxSelect;

// The selector's translated message dialog: shows text with the kind's title and icon and the
// buttons of the set (always in bit order), captioned in the selector's active language, and
// returns the modal result of the button pressed (mrCancel when closed from the frame). With
// no languages the untranslated standard dialog is shown instead.
int showMessageDialog(const TParloxSelect &selector, const QString &text, TMsgDlgType kind,
                      TMsgDlgButtons buttons, int helpContext);

// The same, placing the dialog's left and top edges at the given coordinates; a negative one
// keeps the centred position.
int showMessageDialogAt(const TParloxSelect &selector, const QString &text, TMsgDlgType kind,
                        TMsgDlgButtons buttons, int helpContext, int left, int top);

// Looks up a dialog text by message name: a kind's title ("mtWarning", ...) or a button's
// caption ("Yes", "No", ... "Help").
using MessageCaptions = std::function<QString(const QString &name)>;

// A new dialog, laid out and captioned but not shown; the caller owns it. mtCustom takes the
// application's title and has no icon.
std::unique_ptr<TMessageForm> CreateMessageDialog(const QString &text, TMsgDlgType kind,
                                                  TMsgDlgButtons buttons,
                                                  const MessageCaptions &captions);
// Captioned from the selector's message strings in its active language.
std::unique_ptr<TMessageForm> CreateMessageDialog(const TParloxSelect &selector,
                                                  const QString &text, TMsgDlgType kind,
                                                  TMsgDlgButtons buttons);

// The fixed texts of the untranslated dialog, by the same message names.
QString standardCaption(const QString &name);

} // namespace Parlox
