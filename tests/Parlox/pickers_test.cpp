// The three language pickers, driven the way a user drives them: menu items triggered, combo
// boxes picked with the keyboard (closed and in the open list), list boxes clicked and moved
// with the arrow keys.
#include <Parlox/parloxcombobox.h>
#include <Parlox/parloxlistbox.h>
#include <Parlox/parloxmenu.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/select.h>

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

const QStringList threeLanguages{"English", "Español", "Deutsch"};

QStringList texts(const QMenu &menu, bool checkedOnly = false)
{
    QStringList texts;
    for (const QAction *item : menu.actions()) {
        if (!checkedOnly || item->isChecked())
            texts.append(item->text());
    }
    return texts;
}

QStringList texts(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.append(combo.itemText(i));
    return texts;
}

QStringList texts(const QListWidget &list, bool selectedOnly = false)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        if (!selectedOnly || list.item(i)->isSelected())
            texts.append(list.item(i)->text());
    }
    return texts;
}

void clickEntry(QListWidget &list, const QString &text)
{
    const QList<QListWidgetItem *> found = list.findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(found.first()).center());
}

// Opens the drop-down list, moves `down` entries with the arrow key and presses Return.
void pickInPopup(QComboBox &combo, int down)
{
    combo.showPopup();
    for (int i = 0; i < down; ++i)
        QTest::keyClick(combo.view(), Qt::Key_Down);
    QTest::keyClick(combo.view(), Qt::Key_Return);
}

// A form holding a selector (nothing remembered) and one picker of each kind, none linked yet.
// Any dialog that appears is answered and its texts recorded; tests that expect none check
// `dialogs`.
class PickersTest : public ::testing::Test {
protected:
    PickersTest()
    {
        form->resize(400, 300);
        form->show();
        selector->setLanguages(threeLanguages);
        selector->setActiveLanguage(QStringLiteral("English"));
        list->resize(200, 200);
        list->show();
        combo->show();
        const auto click = [this] { clicks << (selector ? selector->ActiveLanguage() : "-"); };
        QObject::connect(combo, &TParloxComboBox::clicked, click);
        QObject::connect(list, &TParloxListBox::clicked, click);
    }

    void linkAll()
    {
        menuPicker->setMenu(menu);
        menuPicker->setPxLanguageSelector(selector);
        combo->setPxLanguageSelector(selector);
        list->setPxLanguageSelector(selector);
    }

    void expectActiveShownEverywhere(const QString &language)
    {
        EXPECT_EQ(selector->ActiveLanguage(), language);
        EXPECT_EQ(texts(*menu, true), QStringList{language});
        EXPECT_EQ(combo->currentText(), language);
        EXPECT_EQ(texts(*list, true), QStringList{language});
    }

    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QPointer<TParloxSelect> selector = new TParloxSelect(form.get());
    QMenu *menu = new QMenu(form.get());
    QPointer<TParloxMenu> menuPicker = new TParloxMenu(form.get());
    QPointer<TParloxComboBox> combo = new TParloxComboBox(form.get());
    QPointer<TParloxListBox> list = new TParloxListBox(form.get());
    QStringList clicks; // the active language when each user's pick was raised
    QStringList dialogs;
    Platform::ModalHandlerGuard modal{[this](QDialog &dialog) {
        QStringList labels;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            labels.append(label->text());
        dialogs.append(labels.join(u'\n'));
        dialog.done(QDialog::Accepted);
    }};
};

TEST_F(PickersTest, LinkingShowsTheLanguagesWithTheActiveOneMarked)
{
    // The menu is rebuilt from scratch: items added by hand go.
    const QPointer<QAction> handMade = menu->addAction(QStringLiteral("Recent files"));
    const QPointer<QMenu> handMadeSubmenu = menu->addMenu(QStringLiteral("More"));
    linkAll();
    EXPECT_EQ(texts(*menu), threeLanguages);
    EXPECT_EQ(texts(*combo), threeLanguages);
    EXPECT_EQ(texts(*list), threeLanguages);
    expectActiveShownEverywhere(QStringLiteral("English"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(handMade.isNull());
    EXPECT_TRUE(handMadeSubmenu.isNull());

    // A language list without the active one marks nothing.
    menu->addAction(QStringLiteral("Stray"));
    selector->setLanguages({"Deutsch", "Français"});
    EXPECT_EQ(texts(*menu), (QStringList{"Deutsch", "Français"}));
    EXPECT_TRUE(texts(*menu, true).isEmpty());
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(texts(*list, true).isEmpty());
    TParloxSelect other(form.get());
    other.setLanguages({"Español", "English"});
    list->setPxLanguageSelector(&other);
    list->setPxLanguageSelector(selector);

    // A menu linked before its Menu is set stays empty until the next refresh; at design time
    // it is emptied but never filled.
    TParloxMenu late(form.get());
    QMenu lateMenu;
    late.setPxLanguageSelector(selector);
    late.setMenu(&lateMenu);
    EXPECT_TRUE(lateMenu.actions().isEmpty());
    selector->setLanguages({"English", "Français"});
    EXPECT_EQ(texts(lateMenu), (QStringList{"English", "Français"}));
    EXPECT_EQ(texts(lateMenu, true), QStringList{"English"});
    late.setDesigning(true);
    selector->setLanguages(threeLanguages);
    EXPECT_TRUE(lateMenu.actions().isEmpty());
    EXPECT_TRUE(clicks.isEmpty()) << "no refresh is a pick";
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(PickersTest, AChoiceInAnyPickerMovesTheMarkInAllAndClickComesFirst)
{
    linkAll();

    menu->actions().at(1)->trigger(); // Español
    expectActiveShownEverywhere(QStringLiteral("Español"));
    clickEntry(*list, QStringLiteral("Deutsch"));
    expectActiveShownEverywhere(QStringLiteral("Deutsch"));
    QTest::keyClick(list, Qt::Key_Up);
    expectActiveShownEverywhere(QStringLiteral("Español"));
    QTest::keyClick(combo, Qt::Key_Up);
    expectActiveShownEverywhere(QStringLiteral("English"));
    pickInPopup(*combo, 2);
    expectActiveShownEverywhere(QStringLiteral("Deutsch"));

    // Refreshes that followed the choices were never taken for choices themselves.
    EXPECT_EQ(clicks, (QStringList{"Español", "Deutsch", "Español", "English"}));
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(PickersTest, SortedPickersMarkTheActiveLanguageByName)
{
    selector->setLanguages({"English", "deutsch", "Français"});
    selector->setActiveLanguage(QStringLiteral("english")); // stored as written
    combo->setSorted(true);
    list->setSorted(true);
    linkAll();
    const QStringList sorted{"deutsch", "English", "Français"};
    EXPECT_EQ(texts(*combo), sorted);
    EXPECT_EQ(texts(*list), sorted);
    EXPECT_EQ(combo->currentText(), QStringLiteral("English"));
    EXPECT_EQ(texts(*list, true), QStringList{"English"});
    EXPECT_EQ(texts(*menu, true), QStringList{"English"}); // the menu keeps the selector's order

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(selector->ActiveLanguage(), QStringLiteral("Français"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Français"));
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(selector->ActiveLanguage(), QStringLiteral("deutsch"));
    EXPECT_EQ(texts(*list, true), QStringList{"deutsch"});

    // Turning sorting off shows the selector's order again.
    combo->setSorted(false);
    list->setSorted(false);
    EXPECT_EQ(clicks.size(), 3) << "neither is turning sorting on or off";
    EXPECT_EQ(texts(*combo), selector->Languages());
    EXPECT_EQ(texts(*list), selector->Languages());
    EXPECT_EQ(combo->currentText(), QStringLiteral("deutsch"));
}

TEST_F(PickersTest, AChoiceThatCannotBeRememberedIsReportedAndUndone)
{
    selector->setRememberRegistryKey(QStringLiteral("\\..")); // names no key
    selector->setRememberLanguage(rlRegistryKey);
    linkAll();
    QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(dialogs.first().contains(QStringLiteral("Failed to set data for 'DefLang'")))
        << dialogs.first().toStdString();
    expectActiveShownEverywhere(QStringLiteral("English"));

    clickEntry(*list, QStringLiteral("Deutsch"));
    expectActiveShownEverywhere(QStringLiteral("English"));
    // Putting the selection back is no second choice.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialogs.size(), 3);
    expectActiveShownEverywhere(QStringLiteral("English"));
}

TEST_F(PickersTest, WhicheverGoesFirstTheLinksAreCleared)
{
    linkAll();
    delete menu;
    EXPECT_EQ(menuPicker->Menu(), nullptr);
    selector->setActiveLanguage(QStringLiteral("Deutsch"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Deutsch"));
    delete selector;
    EXPECT_EQ(menuPicker->PxLanguageSelector(), nullptr);
    EXPECT_EQ(combo->PxLanguageSelector(), nullptr);
    EXPECT_EQ(list->PxLanguageSelector(), nullptr);
    // The entries stay, and choosing one does nothing.
    QTest::keyClick(combo, Qt::Key_Up);
    clickEntry(*list, QStringLiteral("English"));
    EXPECT_EQ(texts(*list), threeLanguages);
    EXPECT_TRUE(dialogs.isEmpty());

    // A picker destroyed first is no longer refreshed: its menu items went with it.
    QMenu items;
    auto *gone = new TParloxMenu(form.get());
    gone->setMenu(&items);
    TParloxSelect other(form.get());
    other.setLanguages({"Suomi"});
    gone->setPxLanguageSelector(&other);
    delete gone;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    other.setLanguages({"Deutsch", "English"});
    EXPECT_TRUE(items.actions().isEmpty());
}

} // namespace
