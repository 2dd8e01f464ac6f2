// Forms, their owners and the component list.
#include <Parlox/platform/component.h>
#include <Parlox/platform/componentkinds.h>
#include <Parlox/platform/formcomponents.h>

#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Parlox::Platform;

namespace {

QStringList names(const QList<QObject *> &objects)
{
    QStringList out;
    for (const QObject *o : objects)
        out.append(o->objectName());
    return out;
}

template <class T> T *named(QObject *parent, const char *name)
{
    T *object = nullptr;
    if constexpr (std::is_base_of_v<QWidget, T>)
        object = new T(qobject_cast<QWidget *>(parent));
    else
        object = new T(parent);
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace

TEST(ComponentTest, FormsOwnersAndTheComponentListStopAtNestedForms)
{
    QWidget form;
    named<QPushButton>(&form, "A");
    auto *unnamed = new QWidget(&form);
    named<QPushButton>(unnamed, "B");
    auto *dialog = named<QDialog>(&form, "Dlg");
    auto *inner = named<QPushButton>(dialog, "Inner");
    auto *menu = named<QMenu>(&form, "Menu");
    auto *action = named<QAction>(menu, "Act");
    auto *memo = named<QPlainTextEdit>(&form, "Memo");
    auto *tabs = named<QTabWidget>(&form, "Tabs");
    tabs->addTab(named<QWidget>(nullptr, "Page1"), QStringLiteral("One"));
    tabs->addTab(new QWidget, QStringLiteral("Two")); // the tab bar gets its own named buttons
    named<QPushButton>(&form, "C");

    EXPECT_TRUE(isForm(&form) && isForm(dialog));
    EXPECT_FALSE(isForm(menu) || isForm(inner));
    EXPECT_EQ(owningForm(inner), dialog);
    EXPECT_EQ(owningForm(action), &form);
    QObject orphan;
    EXPECT_EQ(owningForm(&orphan), nullptr);

    EXPECT_EQ(names(componentList(&form)),
              QStringList({"A", "B", "Dlg", "Menu", "Act", "Memo", "Tabs", "Page1", "C"}));
    EXPECT_EQ(names(componentList(dialog)), QStringList({"Inner"}));
    EXPECT_EQ(findComponent(&form, u"Page1"), tabs->widget(0));
    EXPECT_EQ(findComponent(&form, u"Inner"), nullptr);
    EXPECT_FALSE(memo->viewport()->objectName().isEmpty()); // Qt's helper exists, unlisted
}
