#include <Parlox/platform/componentkinds.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

namespace Parlox::Platform {

bool isForm(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget)
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

bool isMemo(const QObject *object)
{
    return qobject_cast<const QPlainTextEdit *>(object) || qobject_cast<const QTextEdit *>(object);
}

bool isListBox(const QObject *object)
{
    return qobject_cast<const QListWidget *>(object);
}

bool isComboBox(const QObject *object)
{
    return qobject_cast<const QComboBox *>(object);
}

bool isRadioGroup(const QObject *object)
{
    return qobject_cast<const QButtonGroup *>(object);
}

bool isNotebook(const QObject *object)
{
    return qobject_cast<const QTabWidget *>(object);
}

bool isListBoxClass(const QMetaObject &meta)
{
    return meta.inherits(&QListWidget::staticMetaObject);
}

bool isComboBoxClass(const QMetaObject &meta)
{
    return meta.inherits(&QComboBox::staticMetaObject);
}

} // namespace Parlox::Platform
