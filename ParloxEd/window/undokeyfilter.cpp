#include "undokeyfilter.h"

#include <QKeyEvent>

namespace ParloxEd {

bool UndoKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool undoKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                         key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
    if (!undoKey)
        return QObject::eventFilter(watched, event);
    // Left unaccepted, the override lets the window's shortcut take the key.
    event->ignore();
    return true;
}

} // namespace ParloxEd
