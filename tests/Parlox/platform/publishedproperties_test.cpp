// Text and string-list properties by name over one widget of each kind.
#include "platform/publishedproperties.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace Parlox::Platform;

namespace {

class CaptionButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER m_caption)
    Q_PROPERTY(int Hint MEMBER m_hint)
    Q_PROPERTY(QStringList Items MEMBER m_items)

public:
    using QPushButton::QPushButton;
    QString m_caption;
    int m_hint = 7;
    QStringList m_items{QStringLiteral("x"), QStringLiteral("y")};
};

// Writes Caption and Hint through the mapping and checks where they landed.
void expectCaptionAndHint(QObject *object, const std::function<QString()> &caption,
                          const std::function<QString()> &hint)
{
    SCOPED_TRACE(object->metaObject()->className());
    ASSERT_TRUE(setTextProperty(object, u"Caption", QStringLiteral("&Open")));
    EXPECT_EQ(caption(), QStringLiteral("&Open"));
    EXPECT_EQ(textProperty(object, u"Caption"), QStringLiteral("&Open"));
    ASSERT_TRUE(setTextProperty(object, u"Hint", QStringLiteral("Opens a file")));
    EXPECT_EQ(hint(), QStringLiteral("Opens a file"));
    EXPECT_FALSE(textProperty(object, u"DisplayLabel").has_value());
    EXPECT_FALSE(setTextProperty(object, u"DisplayLabel", QStringLiteral("x")));
}

QStringList itemsOf(const QObject *object, const char *name)
{
    QStringList out;
    const QString property = QLatin1String(name);
    const int count = itemCount(object, property).value_or(-1);
    for (int i = 0; i < count; ++i)
        out.append(item(object, property, i).value_or(QStringLiteral("?")));
    return out;
}

} // namespace

TEST(PublishedPropertiesTest, CaptionHintAndTitleOfEachKind)
{
    QWidget form;
    auto *button = new QPushButton(&form);
    auto *label = new QLabel(&form);
    auto *action = new QAction(&form);
    auto *menu = new QMenu(&form);
    auto *group = new QGroupBox(&form);
    auto *dock = new QDockWidget(&form);
    expectCaptionAndHint(
        button, [&] { return button->text(); }, [&] { return button->toolTip(); });
    expectCaptionAndHint(
        label, [&] { return label->text(); }, [&] { return label->toolTip(); });
    expectCaptionAndHint(
        action, [&] { return action->text(); }, [&] { return action->toolTip(); });
    expectCaptionAndHint(
        menu, [&] { return menu->title(); }, [&] { return menu->toolTip(); });
    expectCaptionAndHint(
        group, [&] { return group->title(); }, [&] { return group->toolTip(); });
    expectCaptionAndHint(
        dock, [&] { return dock->windowTitle(); }, [&] { return dock->toolTip(); });
    expectCaptionAndHint(
        &form, [&] { return form.windowTitle(); }, [&] { return form.toolTip(); });
    EXPECT_FALSE(hasProperty(button, u"Title"));
    EXPECT_FALSE(hasProperty(menu, u"Title"));

    QDialog dialog;
    ASSERT_TRUE(setTextProperty(&dialog, u"Title", QStringLiteral("Select a file")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select a file"));
    EXPECT_EQ(textProperty(&dialog, u"Caption"), QStringLiteral("Select a file"));

    // A widget without a caption, an object with no property at all.
    auto *edit = new QLineEdit(&form);
    EXPECT_FALSE(textProperty(edit, u"Caption").has_value());
    EXPECT_TRUE(hasProperty(edit, u"Hint"));
    QButtonGroup radio;
    EXPECT_FALSE(hasProperty(&radio, u"Hint"));
    EXPECT_FALSE(setTextProperty(&radio, u"Caption", QStringLiteral("x")));
    EXPECT_FALSE(textProperty(nullptr, u"Caption").has_value());
}

TEST(PublishedPropertiesTest, OwnQPropertyComesFirst)
{
    QWidget form;
    auto *button = new CaptionButton(QStringLiteral("text"), &form);
    ASSERT_TRUE(setTextProperty(button, u"Caption", QStringLiteral("own")));
    EXPECT_EQ(button->m_caption, QStringLiteral("own"));
    EXPECT_EQ(button->text(), QStringLiteral("text"));
    EXPECT_EQ(textProperty(button, u"Caption"), QStringLiteral("own"));

    // A Q_PROPERTY that is not text reads as empty and is never written.
    EXPECT_EQ(textProperty(button, u"Hint"), QString());
    EXPECT_FALSE(setTextProperty(button, u"Hint", QStringLiteral("tip")));
    EXPECT_EQ(button->m_hint, 7);
    EXPECT_TRUE(button->toolTip().isEmpty());

    EXPECT_EQ(itemsOf(button, "Items"), QStringList({"x", "y"}));
    EXPECT_TRUE(setItem(button, u"Items", 1, QStringLiteral("Y")));
    EXPECT_EQ(button->m_items, QStringList({"x", "Y"}));
}

TEST(PublishedPropertiesTest, MemoLines)
{
    QPlainTextEdit plain;
    QTextEdit rich;
    for (QObject *memo : {static_cast<QObject *>(&plain), static_cast<QObject *>(&rich)}) {
        SCOPED_TRACE(memo->metaObject()->className());
        EXPECT_EQ(itemCount(memo, u"Lines"), 0);
        ASSERT_TRUE(setStringListProperty(memo, u"Lines", {"one", "two", "three"}));
        EXPECT_EQ(itemsOf(memo, "Lines"), QStringList({"one", "two", "three"}));
        EXPECT_TRUE(setItem(memo, u"Lines", 1, QStringLiteral("dos")));
        EXPECT_FALSE(setItem(memo, u"Lines", 3, QStringLiteral("cuatro")));
        EXPECT_FALSE(item(memo, u"Lines", 3).has_value());
        EXPECT_FALSE(hasProperty(memo, u"Items"));
    }
    EXPECT_EQ(plain.toPlainText(), QStringLiteral("one\ndos\nthree"));
    EXPECT_EQ(rich.toPlainText(), QStringLiteral("one\ndos\nthree"));
}

TEST(PublishedPropertiesTest, ItemsAndPagesKeepTheirCount)
{
    QListWidget list;
    list.addItems({"a", "b"});
    QComboBox combo;
    combo.addItems({"c", "d"});
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("First"));
    tabs.addTab(new QWidget, QStringLiteral("Second"));

    EXPECT_TRUE(setItem(&list, u"Items", 1, QStringLiteral("B")));
    EXPECT_FALSE(setItem(&list, u"Items", 2, QStringLiteral("x")));
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("B"));

    EXPECT_TRUE(setItem(&combo, u"Items", 0, QStringLiteral("C")));
    EXPECT_FALSE(setItem(&combo, u"Items", -1, QStringLiteral("x")));
    EXPECT_EQ(itemsOf(&combo, "Items"), QStringList({"C", "d"}));

    EXPECT_TRUE(setItem(&tabs, u"Pages", 1, QStringLiteral("Zweite")));
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Zweite"));
    EXPECT_FALSE(setStringListProperty(&tabs, u"Pages", {"x"}));
    EXPECT_EQ(tabs.count(), 2);
    EXPECT_FALSE(hasProperty(&tabs, u"Items"));
}

TEST(PublishedPropertiesTest, RadioGroupItemsFollowIds)
{
    QWidget form;
    QButtonGroup explicitIds;
    const auto add = [&](QButtonGroup &group, const char *text, int id) {
        auto *b = new QRadioButton(QLatin1String(text), &form);
        group.addButton(b, id);
        return b;
    };
    add(explicitIds, "two", 2);
    add(explicitIds, "zero", 0);
    auto *one = add(explicitIds, "one", 1);
    EXPECT_EQ(itemsOf(&explicitIds, "Items"), QStringList({"zero", "one", "two"}));
    EXPECT_TRUE(setItem(&explicitIds, u"Items", 1, QStringLiteral("uno")));
    EXPECT_EQ(one->text(), QStringLiteral("uno"));

    QButtonGroup automatic; // ids -2, -3, -4: the order they were added in
    add(automatic, "first", -1);
    add(automatic, "second", -1);
    add(automatic, "third", -1);
    EXPECT_EQ(itemsOf(&automatic, "Items"), QStringList({"first", "second", "third"}));
}

#include "publishedproperties_test.moc"
