// The lifecycle mixin, forms and the component list.
#include "platform/component.h"
#include "platform/componentkinds.h"
#include "platform/formcomponents.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace Parlox::Platform;

namespace {

class Watcher : public QObject, public Component {
public:
    QList<Component *> notices;

protected:
    void removalNotice(Component *gone) override { notices.append(gone); }
};

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

TEST(ComponentTest, RemovalNoticesReachLiveWatchersOnly)
{
    auto selector = std::make_unique<Watcher>();
    auto picker = std::make_unique<Watcher>();
    auto other = std::make_unique<Watcher>();
    picker->watchRemoval(selector.get());
    other->watchRemoval(selector.get());
    selector->watchRemoval(other.get());

    Component *const gone = selector.get();
    other.reset(); // its watch ends with it: the selector must not tell a dead watcher
    selector.reset();
    ASSERT_EQ(picker->notices.size(), 1);
    EXPECT_EQ(picker->notices.front(), gone);

    auto again = std::make_unique<Watcher>();
    picker->watchRemoval(again.get());
    picker->unwatchRemoval(again.get());
    again.reset();
    EXPECT_EQ(picker->notices.size(), 1);
}

TEST(ComponentTest, FormsAndOwningForm)
{
    QMainWindow main;
    auto *dialog = named<QDialog>(&main, "Dlg");
    auto *inner = named<QPushButton>(dialog, "Inner");
    auto *menu = named<QMenu>(&main, "Menu");
    auto *action = named<QAction>(menu, "Act");
    auto *group = named<QObject>(&main, "Plain");
    QWidget parentless;

    EXPECT_TRUE(isForm(&main));
    EXPECT_TRUE(isForm(dialog));
    EXPECT_TRUE(isForm(&parentless));
    EXPECT_FALSE(isForm(menu));
    EXPECT_FALSE(isForm(inner));
    EXPECT_FALSE(isForm(group));

    EXPECT_EQ(owningForm(inner), dialog);
    EXPECT_EQ(owningForm(dialog), dialog);
    EXPECT_EQ(owningForm(action), &main);
    EXPECT_EQ(owningForm(group), &main);
    QObject orphan;
    EXPECT_EQ(owningForm(&orphan), nullptr);
}

TEST(ComponentTest, ComponentListIsDepthFirstAndStopsAtNestedForms)
{
    QWidget form;
    named<QPushButton>(&form, "A");
    auto *unnamed = new QWidget(&form);
    named<QPushButton>(unnamed, "B");
    auto *dialog = named<QDialog>(&form, "Dlg");
    named<QPushButton>(dialog, "Inner");
    auto *menu = named<QMenu>(&form, "Menu");
    named<QAction>(menu, "Act");
    auto *memo = named<QPlainTextEdit>(&form, "Memo");
    auto *tabs = named<QTabWidget>(&form, "Tabs");
    tabs->addTab(named<QWidget>(nullptr, "Page1"), QStringLiteral("One"));
    tabs->addTab(new QWidget, QStringLiteral("Two")); // the tab bar gets its own named buttons
    named<QPushButton>(&form, "C");

    EXPECT_EQ(names(componentList(&form)),
              QStringList({"A", "B", "Dlg", "Menu", "Act", "Memo", "Tabs", "Page1", "C"}));
    EXPECT_EQ(names(componentList(dialog)), QStringList({"Inner"}));
    EXPECT_EQ(findComponent(&form, u"Page1"), tabs->widget(0));
    EXPECT_EQ(findComponent(&form, u"Inner"), nullptr);
    EXPECT_FALSE(memo->viewport()->objectName().isEmpty()); // Qt's helper exists, unlisted
}

TEST(ComponentTest, KindTests)
{
    QWidget form;
    EXPECT_TRUE(isMemo(new QPlainTextEdit(&form)));
    EXPECT_FALSE(isMemo(new QPushButton(&form)));
    EXPECT_TRUE(isNotebook(new QTabWidget(&form)));
    EXPECT_FALSE(isListBox(new QTabWidget(&form)));
}
