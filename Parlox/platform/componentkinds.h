#pragma once

class QObject;
struct QMetaObject;

namespace Parlox::Platform {

// The kinds of component that the translator and the collector treat specially, over the
// standard Qt classes (and everything derived from them).

// A form: a widget whose window type is Qt::Window or Qt::Dialog (a main window, a dialog, any
// parentless widget). Popups such as QMenu and tool windows are not forms.
bool isForm(const QObject *object);

bool isMemo(const QObject *object);       // QPlainTextEdit, QTextEdit: `Lines`
bool isListBox(const QObject *object);    // QListWidget: `Items`
bool isComboBox(const QObject *object);   // QComboBox: `Items`
bool isRadioGroup(const QObject *object); // QButtonGroup: `Items`, its buttons' texts
bool isNotebook(const QObject *object);   // QTabWidget: `Pages`, its tab texts

// The same tests on a class, for code that has no instance yet (the form data reader).
bool isListBoxClass(const QMetaObject &meta);
bool isComboBoxClass(const QMetaObject &meta);

} // namespace Parlox::Platform
