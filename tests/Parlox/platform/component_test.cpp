// Forms, their owners and the component list.
#include "namedwidget.h"
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

} // namespace

TEST(ComponentTest, FormsOwnersAndTheComponentListStopAtNestedForms)
{
    QWidget form;
    add<QPushButton>(&form, "A");
    auto *unnamed = new QWidget(&form);
    add<QPushButton>(unnamed, "B");
    auto *dialog = add<QDialog>(&form, "Dlg");
    auto *inner = add<QPushButton>(dialog, "Inner");
    auto *menu = add<QMenu>(&form, "Menu");
    auto *action = add<QAction>(menu, "Act");
    auto *memo = add<QPlainTextEdit>(&form, "Memo");
    auto *tabs = add<QTabWidget>(&form, "Tabs");
    tabs->addTab(add<QWidget>(nullptr, "Page1"), QStringLiteral("One"));
    tabs->addTab(new QWidget, QStringLiteral("Two")); // the tab bar gets its own named buttons
    add<QPushButton>(&form, "C");

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
