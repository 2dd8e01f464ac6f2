#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class QObject;
class QWidget;

namespace Parlox::Platform {

// The form an object belongs to: the object itself when it is a form, else its nearest ancestor
// that is one; null when there is none.
QWidget *owningForm(QObject *object);

// A form's component list: its named descendants, depth-first in child order. A descendant
// that is itself a form is listed but not entered. Qt's own helper objects (names starting with
// "qt_", such as a scroll area's viewport, and a main window's layout) are entered but not
// listed, and the insides of
// controls made only of Qt's own parts (tab bars, combo boxes, line edits, spin boxes,
// sliders and scroll bars) are not entered.
QList<QObject *> componentList(const QWidget *form);

// The same list with each component's name as it was read while listing it (names are read
// once: reading one costs more than it seems).
struct NamedComponent {
    QObject *object = nullptr;
    QString name;
};
QList<NamedComponent> namedComponentList(const QWidget *form);

// The first component of the form's list with exactly this name, or null.
QObject *findComponent(const QWidget *form, QStringView name);

} // namespace Parlox::Platform
