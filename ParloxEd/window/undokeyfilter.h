#pragma once

#include <QObject>

namespace ParloxEd {

// Keeps the undo and redo keys away from a text editor it watches, so that they reach the
// window's Undo and Redo and undo the document rather than the editor's own typing.
class UndoKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace ParloxEd
