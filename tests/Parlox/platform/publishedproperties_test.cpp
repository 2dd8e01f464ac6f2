// Text and string-list properties by name over one widget of each kind.
#include <Parlox/platform/publishedproperties.h>

#include <QtWidgets>
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
    const std::tuple<QObject *, std::function<QString()>, std::function<QString()>> kinds[] = {
        {button, [&] { return button->text(); }, [&] { return button->toolTip(); }},
        {label, [&] { return label->text(); }, [&] { return label->toolTip(); }},
        {action, [&] { return action->text(); }, [&] { return action->toolTip(); }},
        {menu, [&] { return menu->title(); }, [&] { return menu->toolTip(); }},
        {group, [&] { return group->title(); }, [&] { return group->toolTip(); }},
        {dock, [&] { return dock->windowTitle(); }, [&] { return dock->toolTip(); }},
        {&form, [&] { return form.windowTitle(); }, [&] { return form.toolTip(); }}};
    for (const auto &[object, caption, hint] : kinds) {
        SCOPED_TRACE(object->metaObject()->className());
        ASSERT_TRUE(setTextProperty(object, u"Caption", QStringLiteral("&Open")));
        EXPECT_EQ(caption(), QStringLiteral("&Open"));
        EXPECT_EQ(textProperty(object, u"Caption"), QStringLiteral("&Open"));
        ASSERT_TRUE(setTextProperty(object, u"Hint", QStringLiteral("Opens a file")));
        EXPECT_EQ(hint(), QStringLiteral("Opens a file"));
        EXPECT_FALSE(setTextProperty(object, u"DisplayLabel", QStringLiteral("x")));
    }
    EXPECT_FALSE(hasProperty(button, u"Title"));

    QDialog dialog;
    ASSERT_TRUE(setTextProperty(&dialog, u"Title", QStringLiteral("Select a file")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select a file"));
    EXPECT_EQ(textProperty(&dialog, u"Caption"), QStringLiteral("Select a file"));

    // A widget without a caption, an object with no property at all.
    auto *edit = new QLineEdit(&form);
    EXPECT_FALSE(textProperty(edit, u"Caption").has_value());
    EXPECT_TRUE(hasProperty(edit, u"Hint"));
    QButtonGroup radio;
    EXPECT_FALSE(setTextProperty(&radio, u"Caption", QStringLiteral("x")));
    EXPECT_FALSE(textProperty(nullptr, u"Caption").has_value());
}

TEST(PublishedPropertiesTest, OwnQPropertyComesFirstAndOnlyIfItIsText)
{
    QWidget form;
    auto *button = new CaptionButton(QStringLiteral("text"), &form);
    ASSERT_TRUE(setTextProperty(button, u"Caption", QStringLiteral("own")));
    EXPECT_EQ(button->m_caption, QStringLiteral("own"));
    EXPECT_EQ(button->text(), QStringLiteral("text"));
    EXPECT_EQ(textProperty(button, u"Hint"), QString());
    EXPECT_FALSE(setTextProperty(button, u"Hint", QStringLiteral("tip")));
    EXPECT_EQ(button->m_hint, 7);
    EXPECT_TRUE(button->toolTip().isEmpty());
    EXPECT_TRUE(setItem(button, u"Items", 1, QStringLiteral("Y")));
    EXPECT_EQ(button->m_items, QStringList({"x", "Y"}));
}

#include "publishedproperties_test.moc"
