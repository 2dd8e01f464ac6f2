#include "design_fixture.h"
#include <Parlox/design/collection.h>
#include <Parlox/parloxcombobox.h>

#include <QtWidgets>

using namespace Parlox;

namespace {

class CollectionTest : public DesignTest {
protected:
    void SetUp() override
    {
        DesignTest::SetUp();
        translator = &designForm(QStringLiteral("Form1"));
        form = translator->owningForm();
        // Switching the shown language must not collect on its own here.
        translator->setAutoRead(false);
        translator->setAutoUpdate(false);
    }

    QStringList collect(const QString &language, QStringList table = {})
    {
        translator->FormStrings() = table;
        translator->setLanguage(language);
        Design::CollectFormStrings(*translator);
        return translator->FormStrings();
    }

    TParloxForm *translator = nullptr;
    QWidget *form = nullptr;
};

TEST_F(CollectionTest, StoresEachTextUnderItsPathInTheShownLanguageOnly)
{
    form->setWindowTitle(QStringLiteral("Main\nwindow"));
    add<QPushButton>(form, "Button1", "OK")->setToolTip(QStringLiteral("Line 1\r\nLine 2"));
    add<QLabel>(form, "Label1", "Two\nlines");
    add<QListWidget>(form, "List1")->addItems({"a", "b"});
    add<QComboBox>(form, "Combo1")->addItems({"c"});
    add<TParloxComboBox>(form, "Picker")->addItems({"English"});
    add<QTabWidget>(form, "Tabs")->addTab(new QWidget, QStringLiteral("Page"));

    // clang-format off
    EXPECT_EQ(collect(Spanish), QStringList({
        "[Form.Caption]", "", "Main\x15window", "[Form.Hint]", "", "",
        "[Button1.Caption]", "", "OK", "[Button1.Hint]", "", "Line 1\x16\x15Line 2",
        "[Label1.Caption]", "", "Two\nlines", "[Label1.Hint]", "", "",
        "[List1.Hint]", "", "", "[List1.0]", "", "a", "[List1.1]", "", "b",
        "[Combo1.Hint]", "", "", "[Combo1.0]", "", "c",
        "[Picker.Hint]", "", "",
        "[Tabs.Hint]", "", "", "[Tabs.0]", "", "Page"}));
    // clang-format on
}

TEST_F(CollectionTest, StoresNothingUnderAnEmptyOrUnknownLanguage)
{
    const QStringList table{"[Form.Caption]", "Main", "Principal"};
    std::unique_ptr<TParloxSelect> noneActive;
    {
        const Platform::DesigningScope designing;
        noneActive = std::make_unique<TParloxSelect>();
    }
    noneActive->setLanguages({English, Spanish});
    TParloxForm &blank = designForm(QStringLiteral("Form2"), noneActive.get());
    ASSERT_EQ(blank.Language(), "");
    blank.FormStrings() = table;
    Design::CollectFormStrings(blank);
    EXPECT_EQ(blank.FormStrings(), table);

    TParloxSelect &selector = *translator->PxLanguageSelector();
    selector.setLanguages({English, Spanish, QStringLiteral("Deutsch")});
    translator->setLanguage(QStringLiteral("Deutsch"));
    selector.setLanguages({English, Spanish});
    EXPECT_EQ(collect(QStringLiteral("Deutsch"), table), table);
}

TEST_F(CollectionTest, AChartIsCollectedAsTheComponentAfterItOrAsItselfWhenLast)
{
    add<QLabel>(form, "Chart1", "chart");
    add<QLabel>(form, "Label2", "two");
    add<QLabel>(form, "SalesChart", "sales");
    add<QLabel>(form, "CHART2", "last");
    QStringList captions;
    const QStringList table = collect(English);
    for (qsizetype i = 0; i + 1 < table.size(); ++i) {
        if (table[i].endsWith(u".Caption]"))
            captions << table[i] + u'=' + table[i + 1];
    }
    EXPECT_EQ(captions, QStringList({"[Form.Caption]=", "[Label2.Caption]=two",
                                     "[SalesChart.Caption]=sales", "[CHART2.Caption]=last"}));
}

TEST_F(CollectionTest, ItemsAListLostGoOnlyWithAutoUpdate)
{
    auto *memo = add<QPlainTextEdit>(form, "Memo1");
    // An entry right after the last item with the same prefix goes too, item or not.
    const QStringList before{"[Memo1.0]",    "a", "", "[Memo1.1]",       "b", "",
                             "[Memo1.2]",    "c", "", "[Memo1.3]",       "d", "",
                             "[Memo1.Hint]", "h", "", "[Other.Caption]", "o", ""};
    const auto memoKeys = [](const QStringList &table) {
        QStringList keys;
        for (const QString &line : table) {
            if (line.startsWith(u"[Memo1"))
                keys << line;
        }
        return keys;
    };
    memo->setPlainText(QStringLiteral("a\nb\nc"));
    EXPECT_EQ(memoKeys(collect(English, before)).size(), 5) << "AutoUpdate off";

    translator->setAutoUpdate(true);
    ASSERT_TRUE(translator->AutoUpdate());
    memo->setPlainText(QStringLiteral("a\nb"));
    const QStringList after = collect(English, before);
    EXPECT_EQ(memoKeys(after), QStringList({"[Memo1.0]", "[Memo1.1]"}));
    EXPECT_EQ(after.mid(6, 3), QStringList({"[Other.Caption]", "o", ""}));
    memo->clear();
    EXPECT_EQ(memoKeys(collect(English, before)).size(), 5) << "an emptied memo keeps its entries";
}

TEST(RemoveEmptyEntries, DropsEntriesWithoutTextWhateverTheirLength)
{
    const struct {
        QStringList table;
        QStringList kept;
    } cases[] = {
        {{"[A.Caption]", "", "", "[B.Caption]", "", "Hola"}, {"[B.Caption]", "", "Hola"}},
        {{"[A.Caption]", "", "[B.Caption]", "Hola"}, {"[B.Caption]", "Hola"}},
        {{"loose", "", "[A.Caption]", "[B.Hint]", "x", ""}, {"loose", "", "[B.Hint]", "x", ""}},
        {{"[A.Caption]", "[x]", "", "[B.Caption]"}, {}},
    };
    for (const auto &c : cases) {
        QStringList table = c.table;
        Design::RemoveEmptyEntries(table);
        EXPECT_EQ(table, c.kept) << c.table.join(u'|').toStdString();
    }
}

} // namespace
