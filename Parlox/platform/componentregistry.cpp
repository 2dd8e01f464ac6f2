#include <Parlox/platform/componentregistry.h>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

namespace Parlox::Platform {

ComponentRegistry &ComponentRegistry::instance()
{
    static ComponentRegistry registry;
    return registry;
}

ComponentRegistry::ComponentRegistry()
{
    addStandard<QObject>();
    addStandard<QWidget>();
    addStandard<QMainWindow>();
    addStandard<QDialog>();
    addStandard<QFileDialog>();
    addStandard<QPushButton>();
    addStandard<QToolButton>();
    addStandard<QCheckBox>();
    addStandard<QRadioButton>();
    addStandard<QLabel>();
    addStandard<QLineEdit>();
    addStandard<QGroupBox>();
    addStandard<QDockWidget>();
    addStandard<QAction>();
    addStandard<QMenu>();
    addStandard<QMenuBar>();
    addStandard<QStatusBar>();
    addStandard<QPlainTextEdit>();
    addStandard<QTextEdit>();
    addStandard<QListWidget>();
    addStandard<QComboBox>();
    addStandard<QButtonGroup>();
    addStandard<QTabWidget>();
}

void ComponentRegistry::add(const QMetaObject &meta, Factory create)
{
    m_entries.insert(QString::fromLatin1(meta.className()), Entry{&meta, std::move(create)});
}

const ComponentRegistry::Entry *ComponentRegistry::find(QStringView className) const
{
    const auto it = m_entries.constFind(className.toString());
    return it == m_entries.cend() ? nullptr : &it.value();
}

} // namespace Parlox::Platform

namespace Parlox::Platform {

const ComponentRegistry::Entry *ComponentRegistry::nearestStandard(const QMetaObject &meta) const
{
    for (const QMetaObject *m = &meta; m; m = m->superClass()) {
        const Entry *entry = find(QString::fromLatin1(m->className()));
        if (entry && entry->standard)
            return entry;
    }
    return nullptr;
}

} // namespace Parlox::Platform
