// The three language pickers, driven the way a user drives them: menu items triggered, combo
// boxes picked with the keyboard (closed and in the open list), list boxes clicked and moved
// with the arrow keys.
#include "parloxcombobox.h"
#include "parloxlistbox.h"
#include "parloxmenu.h"
#include "registercomponents.h"
#include "platform/formdata.h"
#include "platform/modalseam.h"
#include "platform/registrykey.h"
#include "select.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace Parlox;

namespace {

const QStringList threeLanguages{"English", "Español", "Deutsch"};

QStringList menuTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *item : menu.actions())
        texts.append(item->text());
    return texts;
}

QStringList checkedTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *item : menu.actions()) {
        if (item->isChecked())
            texts.append(item->text());
    }
    return texts;
}

QAction *menuItem(const QMenu &menu, const QString &text)
{
    for (QAction *item : menu.actions()) {
        if (item->text() == text)
            return item;
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
}

QStringList comboTexts(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts.append(combo.itemText(i));
    return texts;
}

QStringList listTexts(const QListWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

QStringList listSelection(const QListWidget &list)
{
    QStringList texts;
    for (const QListWidgetItem *item : list.selectedItems())
        texts.append(item->text());
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

void destroyRemovedItems()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString dialogText(const QDialog &dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts.append(label->text());
    return texts.join(QLatin1Char('\n'));
}

// A form holding a selector (nothing remembered) and one picker of each kind, none linked yet.
// Any dialog that appears is answered and recorded; tests that expect none check `dialogs`.
class PickersTest : public ::testing::Test {
protected:
    PickersTest()
        : modal([this](QDialog &dialog) {
              dialogs.append(dialogText(dialog));
              dialog.done(QDialog::Accepted);
          })
    {
        form->resize(400, 300);
        form->show();
        selector->setLanguages(threeLanguages);
        selector->setActiveLanguage(QStringLiteral("English"));
        list->resize(200, 200);
        list->show();
        combo->show();
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
        EXPECT_EQ(checkedTexts(*menu), QStringList{language});
        EXPECT_EQ(combo->currentText(), language);
        EXPECT_EQ(listSelection(*list), QStringList{language});
    }

    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QPointer<TParloxSelect> selector = new TParloxSelect(form.get());
    QMenu *menu = new QMenu(form.get());
    QPointer<TParloxMenu> menuPicker = new TParloxMenu(form.get());
    QPointer<TParloxComboBox> combo = new TParloxComboBox(form.get());
    QPointer<TParloxListBox> list = new TParloxListBox(form.get());
    QStringList dialogs;
    Platform::ModalHandlerGuard modal;
};

TEST_F(PickersTest, LinkingShowsTheLanguagesWithTheActiveOneMarked)
{
    linkAll();
    EXPECT_EQ(menuTexts(*menu), threeLanguages);
    EXPECT_EQ(comboTexts(*combo), threeLanguages);
    EXPECT_EQ(listTexts(*list), threeLanguages);
    expectActiveShownEverywhere(QStringLiteral("English"));

    // A menu linked before its Menu is set stays empty until the next refresh.
    TParloxMenu late(form.get());
    QMenu lateMenu;
    late.setPxLanguageSelector(selector);
    late.setMenu(&lateMenu);
    EXPECT_TRUE(lateMenu.actions().isEmpty());
    selector->setLanguages({"English", "Français"});
    EXPECT_EQ(menuTexts(lateMenu), (QStringList{"English", "Français"}));
    EXPECT_EQ(checkedTexts(lateMenu), QStringList{"English"});
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(PickersTest, AChoiceInAnyPickerMovesTheMarkInAll)
{
    linkAll();
    QSignalSpy comboClicks(combo.data(), &TParloxComboBox::clicked);
    QSignalSpy listClicks(list.data(), &TParloxListBox::clicked);

    menuItem(*menu, QStringLiteral("Español"))->trigger();
    expectActiveShownEverywhere(QStringLiteral("Español"));

    clickEntry(*list, QStringLiteral("Deutsch"));
    expectActiveShownEverywhere(QStringLiteral("Deutsch"));
    EXPECT_EQ(listClicks.count(), 1);

    QTest::keyClick(list, Qt::Key_Up);
    expectActiveShownEverywhere(QStringLiteral("Español"));
    EXPECT_EQ(listClicks.count(), 2);

    QTest::keyClick(combo, Qt::Key_Up);
    expectActiveShownEverywhere(QStringLiteral("English"));

    pickInPopup(*combo, 2);
    expectActiveShownEverywhere(QStringLiteral("Deutsch"));
    EXPECT_EQ(comboClicks.count(), 2);

    // Refreshes that followed the choices were never taken for choices themselves.
    EXPECT_EQ(listClicks.count(), 2);
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(PickersTest, OnClickIsRaisedBeforeTheLanguageChanges)
{
    linkAll();
    QStringList seen;
    QObject::connect(combo, &TParloxComboBox::clicked, [&] { seen << selector->ActiveLanguage(); });
    QObject::connect(list, &TParloxListBox::clicked, [&] { seen << selector->ActiveLanguage(); });
    QTest::keyClick(combo, Qt::Key_Down);
    clickEntry(*list, QStringLiteral("Deutsch"));
    EXPECT_EQ(seen, (QStringList{"English", "Español"}));
    EXPECT_EQ(selector->ActiveLanguage(), QStringLiteral("Deutsch"));
}

TEST_F(PickersTest, SortedPickersMarkTheActiveLanguageByName)
{
    selector->setLanguages({"English", "deutsch", "Français"});
    selector->setActiveLanguage(QStringLiteral("english")); // stored as written
    combo->setSorted(true);
    list->setSorted(true);
    linkAll();
    const QStringList sorted{"deutsch", "English", "Français"};
    EXPECT_EQ(comboTexts(*combo), sorted);
    EXPECT_EQ(listTexts(*list), sorted);
    EXPECT_EQ(combo->currentText(), QStringLiteral("English"));
    EXPECT_EQ(listSelection(*list), QStringList{"English"});
    EXPECT_EQ(checkedTexts(*menu), QStringList{"English"}); // the menu keeps the selector's order

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(selector->ActiveLanguage(), QStringLiteral("Français"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Français"));
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(selector->ActiveLanguage(), QStringLiteral("deutsch"));
    EXPECT_EQ(listSelection(*list), QStringList{"deutsch"});

    // Turning sorting off shows the selector's order again.
    combo->setSorted(false);
    list->setSorted(false);
    EXPECT_EQ(comboTexts(*combo), selector->Languages());
    EXPECT_EQ(listTexts(*list), selector->Languages());
    EXPECT_EQ(combo->currentText(), QStringLiteral("deutsch"));
}

TEST_F(PickersTest, MenuItemsAreRebuiltFromScratch)
{
    auto *handMade = new QAction(QStringLiteral("Recent files"), menu);
    menu->addAction(handMade);
    const QPointer<QAction> handMadeItem = handMade;
    const QPointer<QMenu> handMadeSubmenu = menu->addMenu(QStringLiteral("More"));
    linkAll();
    EXPECT_EQ(menuTexts(*menu), threeLanguages);
    destroyRemovedItems();
    EXPECT_TRUE(handMadeItem.isNull());
    EXPECT_TRUE(handMadeSubmenu.isNull());

    // Items added by hand between refreshes go at the next one too.
    menu->addAction(QStringLiteral("Stray"));
    selector->setActiveLanguage(QStringLiteral("Deutsch"));
    EXPECT_EQ(menuTexts(*menu), threeLanguages);
    EXPECT_EQ(checkedTexts(*menu), QStringList{"Deutsch"});
}

TEST_F(PickersTest, AtDesignTimeTheMenuIsEmptiedButNotFilled)
{
    menu->addAction(QStringLiteral("Hand made"));
    menuPicker->setDesigning(true);
    combo->setDesigning(true);
    list->setDesigning(true);
    linkAll();
    EXPECT_TRUE(menu->actions().isEmpty());
    EXPECT_EQ(comboTexts(*combo), threeLanguages);
    EXPECT_EQ(listTexts(*list), threeLanguages);
}

TEST_F(PickersTest, LanguagesWithoutTheActiveOneShowNoMark)
{
    linkAll();
    selector->setLanguages({"Deutsch", "Français"});
    EXPECT_EQ(selector->ActiveLanguage(), QStringLiteral("English"));
    EXPECT_EQ(menuTexts(*menu), (QStringList{"Deutsch", "Français"}));
    EXPECT_TRUE(checkedTexts(*menu).isEmpty());
    EXPECT_EQ(comboTexts(*combo), (QStringList{"Deutsch", "Français"}));
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_TRUE(combo->currentText().isEmpty());
    EXPECT_TRUE(listSelection(*list).isEmpty());
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(dialogs.isEmpty());
}

TEST_F(PickersTest, RefreshesAreNeverChoices)
{
    QSignalSpy comboClicks(combo.data(), &TParloxComboBox::clicked);
    QSignalSpy listClicks(list.data(), &TParloxListBox::clicked);
    linkAll();
    list->setFocus();
    // Each of these moves the selection of the combo and list boxes.
    selector->setLanguages({"Deutsch", "English"});
    selector->setLanguages({"Deutsch", "Français"});
    selector->setLanguages({"English", "Español", "Deutsch"});
    selector->RemovePicker(list);
    selector->AddPicker(list);
    TParloxSelect other(form.get());
    other.setLanguages({"Español", "English"});
    list->setPxLanguageSelector(&other);
    list->setPxLanguageSelector(selector);
    combo->setSorted(true);
    list->setSorted(true);
    EXPECT_EQ(selector->ActiveLanguage(), QStringLiteral("English"));
    EXPECT_EQ(other.ActiveLanguage(), QString());
    EXPECT_EQ(comboClicks.count(), 0);
    EXPECT_EQ(listClicks.count(), 0);
    EXPECT_TRUE(dialogs.isEmpty()) << dialogs.join(QLatin1Char('|')).toStdString();
}

TEST_F(PickersTest, ChoosingTheActiveLanguageAgainGoesThroughTheSelector)
{
    const QString key = QStringLiteral("\\Software\\Velmont\\PickersTest");
    selector->setRememberRegistryKey(key);
    selector->setRememberLanguage(rlRegistryKey);
    linkAll();
    const auto remembered = [&] {
        Platform::RegistryKey reg;
        reg.open(key, false);
        return reg.readString(QStringLiteral("DefLang"));
    };
    const auto forget = [&] {
        Platform::RegistryKey reg;
        reg.open(key, true);
        reg.writeString(QStringLiteral("DefLang"), QStringLiteral("forgotten"));
        menu->addAction(QStringLiteral("Stray")); // goes at the next refresh
    };

    forget();
    menuItem(*menu, QStringLiteral("English"))->trigger();
    EXPECT_EQ(remembered(), QStringLiteral("English"));
    expectActiveShownEverywhere(QStringLiteral("English"));
    EXPECT_EQ(menuTexts(*menu), threeLanguages);

    forget();
    pickInPopup(*combo, 0);
    EXPECT_EQ(remembered(), QStringLiteral("English"));
    EXPECT_EQ(menuTexts(*menu), threeLanguages);

    forget();
    clickEntry(*list, QStringLiteral("English"));
    EXPECT_EQ(remembered(), QStringLiteral("English"));
    EXPECT_EQ(menuTexts(*menu), threeLanguages);
    expectActiveShownEverywhere(QStringLiteral("English"));
    EXPECT_TRUE(dialogs.isEmpty());
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
    EXPECT_EQ(dialogs.size(), 2);
    expectActiveShownEverywhere(QStringLiteral("English"));

    // Putting the selection back is no second choice.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(dialogs.size(), 3);
    expectActiveShownEverywhere(QStringLiteral("English"));
}

TEST_F(PickersTest, SelectorDestroyedFirstClearsTheLinks)
{
    linkAll();
    delete selector;
    EXPECT_EQ(menuPicker->PxLanguageSelector(), nullptr);
    EXPECT_EQ(combo->PxLanguageSelector(), nullptr);
    EXPECT_EQ(list->PxLanguageSelector(), nullptr);

    // The entries stay, and choosing one does nothing.
    QSignalSpy listClicks(list.data(), &TParloxListBox::clicked);
    menuItem(*menu, QStringLiteral("Deutsch"))->trigger();
    QTest::keyClick(combo, Qt::Key_Down);
    clickEntry(*list, QStringLiteral("Deutsch"));
    EXPECT_EQ(listClicks.count(), 1);
    EXPECT_EQ(listTexts(*list), threeLanguages);
    EXPECT_TRUE(dialogs.isEmpty());
    form.reset();
}

TEST_F(PickersTest, PickerDestroyedFirstUnregisters)
{
    linkAll();
    delete list;
    delete combo;
    delete menuPicker;
    destroyRemovedItems();
    EXPECT_TRUE(menu->actions().isEmpty()); // the menu picker's items went with it
    selector->setLanguages({"Deutsch"});
    selector->setActiveLanguage(QStringLiteral("Deutsch"));
    EXPECT_TRUE(menu->actions().isEmpty());

    // A relinked picker is no longer refreshed by its old selector.
    TParloxSelect other(form.get());
    other.setLanguages({"Suomi"});
    auto *moved = new TParloxListBox(form.get());
    moved->setPxLanguageSelector(selector);
    moved->setPxLanguageSelector(&other);
    selector->setLanguages({"Deutsch", "English"});
    EXPECT_EQ(listTexts(*moved), QStringList{"Suomi"});
}

TEST_F(PickersTest, MenuDestroyedFirstIsForgotten)
{
    linkAll();
    delete menu;
    EXPECT_EQ(menuPicker->Menu(), nullptr);
    selector->setActiveLanguage(QStringLiteral("Deutsch"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Deutsch"));
}

TEST(PickersFormData, StoredFormsCreateAndLinkThePickers)
{
    registerComponents();
    const QByteArray json = R"({
      "class": "QWidget",
      "components": [
        {"class": "Parlox::TParloxSelect", "name": "ParloxSelect",
         "properties": {"Languages": ["English", "Español"], "ActiveLanguage": "Español"}},
        {"class": "QMenu", "name": "Language1"},
        {"class": "Parlox::TParloxMenu", "name": "ParloxMenu1",
         "properties": {"PxLanguageSelector": "ParloxSelect", "Menu": "Language1"}},
        {"class": "Parlox::TParloxComboBox", "name": "ParloxComboBox1",
         "properties": {"PxLanguageSelector": "ParloxSelect", "Sorted": true}},
        {"class": "Parlox::TParloxListBox", "name": "ParloxListBox1",
         "properties": {"PxLanguageSelector": "ParloxSelect"}}]})";
    QWidget form;
    Platform::readFormData(&form, json);
    const auto *menu = form.findChild<QMenu *>(QStringLiteral("Language1"));
    const auto *combo = form.findChild<TParloxComboBox *>();
    const auto *list = form.findChild<TParloxListBox *>();
    ASSERT_TRUE(menu && combo && list);
    EXPECT_EQ(checkedTexts(*menu), QStringList{"Español"});
    EXPECT_EQ(comboTexts(*combo), (QStringList{"English", "Español"}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("Español"));
    EXPECT_EQ(listSelection(*list), QStringList{"Español"});
}

} // namespace
