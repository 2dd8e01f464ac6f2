#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

class QObject;

namespace Parlox::Platform {

// Published properties by name, as the translator and the collector see them.
//
// A Q_PROPERTY of exactly the name always comes first (our own components declare theirs under
// these names). Otherwise the standard Qt classes map:
//   Caption       a form's windowTitle; QAbstractButton, QLabel, QAction text; QMenu, QGroupBox
//                 title; QDockWidget windowTitle
//   Hint          toolTip of a QWidget (a form included) or QAction; an action's tool tip that
//                 Qt derives from its text reads as empty
//   Title         windowTitle of a QDialog (QFileDialog included)
//   PlaceholderText  placeholderText of QLineEdit, QPlainTextEdit, QTextEdit
//   StatusTip, WhatsThis  statusTip and whatsThis of a QWidget or QAction
//   Prefix, Suffix  prefix and suffix of QSpinBox, QDoubleSpinBox
//   DisplayLabel  only a Q_PROPERTY
//   Lines         memo kinds (QPlainTextEdit, QTextEdit): the lines of the plain text; an empty
//                 text has no lines
//   Items         QListWidget and QComboBox item texts; QButtonGroup: its buttons' texts in id
//                 order (explicit ids >= 0 ascending, then automatic ids in the order assigned)
//   Pages         QTabWidget tab texts
//   Headers       QTreeWidget and QTableWidget column titles
//   Buttons       QDialogButtonBox button texts, standard buttons included, in its order
// A property the object does not have is absent (nullopt / false), never guessed.

// Whether the object has the text or string-list property at all.
bool hasProperty(const QObject *object, QStringView name);

// Text properties. A Q_PROPERTY of the name that does not hold a QString reads as the empty
// text and is never written (setTextProperty then returns false).
std::optional<QString> textProperty(const QObject *object, QStringView name);
bool setTextProperty(QObject *object, QStringView name, const QString &value);

// String-list properties. A Q_PROPERTY of the name that does not hold a QStringList has no
// items. Replacing an item never adds or removes one: an index out of range returns false.
std::optional<int> itemCount(const QObject *object, QStringView name);
std::optional<QString> item(const QObject *object, QStringView name, int index);
bool setItem(QObject *object, QStringView name, int index, const QString &value);

// The whole list; replacing it is possible where the list owns its items (a QStringList
// Q_PROPERTY, memos, list and combo boxes), not where children carry them (button groups, tab
// widgets), which return false.
std::optional<QStringList> stringListProperty(const QObject *object, QStringView name);
bool setStringListProperty(QObject *object, QStringView name, const QStringList &items);

} // namespace Parlox::Platform
