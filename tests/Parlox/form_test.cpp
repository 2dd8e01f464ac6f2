#include "namedwidget.h"
#include "tempdir.h"
#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/platform/formdata.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/registercomponents.h>
#include <Parlox/select.h>

#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

const QString English = QStringLiteral("English");
const QString Spanish = QStringLiteral("Español");

QPlainTextEdit *memo(QWidget *parent, const QString &name, int lines)
{
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("line %1").arg(i);
    auto *edit = add<QPlainTextEdit>(parent, name);
    edit->setPlainText(text.join(u'\n'));
    return edit;
}

// A parentless form holding a selector and a translator, in the order an application's form
// data creates them.
class FormTest : public TempDirTest {
protected:
    void SetUp() override
    {
        Platform::Application::instance().forgetMainForm();
        form->setObjectName(QStringLiteral("Form1"));
        select = new TParloxSelect(form.get());
        select->setObjectName(QStringLiteral("Select"));
        select->setLanguages({English, Spanish});
        select->storeActiveLanguage(English);
    }
    void TearDown() override { Platform::Application::instance().forgetMainForm(); }

    TParloxForm *translate(const QStringList &formStrings)
    {
        if (!translator) {
            translator = new TParloxForm(form.get());
            translator->setObjectName(QStringLiteral("Translator"));
        }
        translator->setFormStrings(formStrings);
        return translator;
    }

    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TParloxSelect *select = nullptr;
    TParloxForm *translator = nullptr;
};

TEST_F(FormTest, ApplyLanguageWritesTextsOfNamedComponentsButNotCharts)
{
    auto *open = add<QPushButton>(form.get(), QStringLiteral("OpenFile"), QStringLiteral("Open"));
    auto *chart = add<QLabel>(form.get(), QStringLiteral("SalesChart"), QStringLiteral("Sales"));
    auto *chart1 = add<QLabel>(form.get(), QStringLiteral("CHART1"), QStringLiteral("C"));
    auto *unnamed = add<QLabel>(form.get(), QString(), QStringLiteral("same"));
    auto *menu = add<QMenu>(form.get(), QStringLiteral("FileMenu"));
    auto *action = menu->addAction(QStringLiteral("Exit"));
    action->setObjectName(QStringLiteral("Exit1"));
    auto *accented = add<QLabel>(form.get(), QStringLiteral("Ñandú"), QStringLiteral("bird"));
    // Keys match whatever their case, and the first of two equal keys wins.
    // One entry per row, aligned by column.
    // clang-format off
    translate({"[ÑANDÚ.caption]",      "Rhea",  "Ñandú",    "[ñandú.Caption]",  "x",     "y",
               "[openfile.CAPTION]",   "&Open", "&Abrir",   "[OpenFile.Hint]",  "Open",  "Abre",
               "[OpenFile.Caption]",   "Late",  "Tarde",
               "[SalesChart.Caption]", "Sales", "Ventas",   "[Chart1.Caption]", "C",     "G",
               "[FileMenu.Caption]",   "&File", "&Archivo", "[Exit1.Caption]",  "E&xit", "&Salir",
               "[.Caption]",           "same",  "igual"});
    // clang-format on

    translator->ApplyLanguage(QStringLiteral("ESPAÑOL"));

    EXPECT_EQ(QStringList(
                  {open->text(), open->toolTip(), menu->title(), action->text(), accented->text()}),
              QStringList({"&Abrir", "Abre", "&Archivo", "&Salir", "Ñandú"}));
    EXPECT_EQ(QStringList({chart->text(), chart1->text(), unnamed->text()}),
              QStringList({"Sales", "C", "same"}));
}

// What one call works out about the components and the table is kept for the next, and must
// follow every change in between: a table edited in place, a renamed component, a component
// removed and another one created under the same name.
TEST_F(FormTest, ApplyLanguageFollowsChangesOfTheTableAndTheComponents)
{
    auto *first = add<QLabel>(form.get(), QStringLiteral("First"), QStringLiteral("1"));
    auto *second = add<QLabel>(form.get(), QStringLiteral("Second"), QStringLiteral("2"));
    translate({"[First.Caption]", "One", "Uno", "[Second.Caption]", "Two", "Dos", "[Third.Caption]",
               "Three", "Tres", "[Third.0]", "Item", "Elemento"});
    translator->ApplyLanguage(Spanish);
    EXPECT_EQ(QStringList({first->text(), second->text()}), QStringList({"Uno", "Dos"}));

    translator->FormStrings()[2] = QStringLiteral("Un");
    second->setObjectName(QStringLiteral("Third"));
    translator->ApplyLanguage(Spanish);
    EXPECT_EQ(QStringList({first->text(), second->text()}), QStringList({"Un", "Tres"}));

    delete second;
    auto *list = add<QListWidget>(form.get(), QStringLiteral("Third"));
    list->addItem(QStringLiteral("x"));
    translator->ApplyLanguage(English);
    EXPECT_EQ(QStringList({first->text(), list->item(0)->text()}), QStringList({"One", "Item"}));
}

TEST_F(FormTest, StringListsKeepTheirItemCounts)
{
    auto *short3 = memo(form.get(), QStringLiteral("Memo1"), 3);
    auto *long5 = memo(form.get(), QStringLiteral("Memo2"), 5);
    auto *list = add<QListWidget>(form.get(), QStringLiteral("List1"));
    list->addItems({"a", "b"});
    auto *combo = add<QComboBox>(form.get(), QStringLiteral("Combo1"));
    combo->addItems({"a", "b"});
    auto *tabs = add<QTabWidget>(form.get(), QStringLiteral("Tabs"));
    tabs->addTab(new QWidget, QStringLiteral("One"));
    tabs->addTab(new QWidget, QStringLiteral("Two"));
    auto *group = new QButtonGroup(form.get());
    group->setObjectName(QStringLiteral("Radio"));
    group->addButton(add<QRadioButton>(form.get(), QString(), QStringLiteral("r0")), 0);
    QStringList table;
    for (int n = 0; n <= 5; ++n)
        table << QStringLiteral("[Memo1.%1]").arg(n) << "x" << QStringLiteral("uno %1").arg(n);
    table += QStringList{"[Memo2.0]", "x", "M0", "[Memo2.1]",  "x", "M\n1", "[List1.1]", "x", "be",
                         "[List1.2]", "x", "ce", "[Combo1.0]", "x", "A",    "[Tabs.1]",  "x", "Dos",
                         "[Radio.0]", "x", "R0"};
    translate(table)->ApplyLanguage(Spanish);

    EXPECT_EQ(short3->toPlainText(), "uno 0\nuno 1\nuno 2");
    EXPECT_EQ(long5->toPlainText(), "M0\nM 1\nline 2\nline 3\nline 4");
    ASSERT_EQ(list->count() + combo->count(), 4);
    EXPECT_EQ(QStringList({list->item(0)->text(), list->item(1)->text(), combo->itemText(0),
                           tabs->tabText(0), tabs->tabText(1), group->button(0)->text()}),
              QStringList({"a", "be", "A", "One", "Dos", "R0"}));
}

TEST_F(FormTest, ValueWalkFallsBackToTheFirstLanguage)
{
    select->setLanguages({"English", "Middle", "Spanish"});
    auto *name = add<QLabel>(form.get(), QStringLiteral("Name"), QStringLiteral("old"));
    auto *shortEntry = add<QLabel>(form.get(), QStringLiteral("Short"), QStringLiteral("old"));
    auto *tail = add<QLabel>(form.get(), QStringLiteral("Tail"), QStringLiteral("old"));
    translate({"[Name.Caption]", "Name", "", "Nombre", "[Short.Caption]", "Only", "[Other.Caption]",
               "o1", "o2", "o3", "[Tail.Caption]"});

    translator->ApplyLanguage(QStringLiteral("Middle"));
    EXPECT_EQ(name->text(), "old") << "an empty value leaves the text alone";
    translator->ApplyLanguage(QStringLiteral("Spanish"));
    EXPECT_EQ(name->text(), "Nombre");
    EXPECT_EQ(shortEntry->text(), "Only") << "entry ends before the language";
    EXPECT_EQ(tail->text(), "old") << "key on the last line";

    translate({"[Name.Caption]", "Name", "Nom", "Nombre", "[Short.Caption]", "A", "B"});
    translator->ApplyLanguage(QStringLiteral("Klingon"));
    EXPECT_EQ(name->text(), "Name") << "unlisted language";
    translator->ApplyLanguage(QStringLiteral("Spanish"));
    EXPECT_EQ(shortEntry->text(), "A") << "table ends before the language";
    EXPECT_EQ(translator->LookupFormString(QStringLiteral("name.caption"), "SPANISH"), "Nombre");
}

TEST_F(FormTest, LineBreakSubstitutesOnlyInFormTextsAndHints)
{
    auto *button = add<QPushButton>(form.get(), QStringLiteral("Button1"));
    auto *namedForm = add<QLabel>(form.get(), QStringLiteral("Form"));
    const QString stored = QStringLiteral("a\x15"
                                          "b\x16");
    translate({"[Form.Hint]", "", stored, "[Form.Caption]", "", stored, "[Button1.Caption]", "",
               stored, "[Button1.Hint]", "", stored});
    translator->ApplyLanguage(Spanish);

    EXPECT_EQ(QStringList({form->toolTip(), form->windowTitle(), button->toolTip()}),
              QStringList(3, QStringLiteral("a\nb\r")));
    EXPECT_EQ(button->text(), stored);
    EXPECT_EQ(namedForm->text(), stored) << "a component named Form shares [Form.Caption]";
}

TEST_F(FormTest, GetUserStringUsesTheSelectorsActiveLanguage)
{
    translate({})->setUserStrings(
        {"%FILE_CLOSED%", "Closed", "Cerrado", "%BREAKS%", "a%%b", "%%%", "%SHORT%", "only"});
    EXPECT_EQ(translator->GetUserString(QStringLiteral("file_closed")), "Closed");
    EXPECT_EQ(translator->GetUserString(QStringLiteral("BREAKS")), "a\n\rb");
    EXPECT_EQ(translator->GetUserString(QStringLiteral("MISSING")), "");

    select->storeActiveLanguage(QStringLiteral("ESPAÑOL"));
    EXPECT_EQ(translator->GetUserString(QStringLiteral("FILE_CLOSED")), "Cerrado");
    EXPECT_EQ(translator->GetUserString(QStringLiteral("BREAKS")), "\n\r%");
    EXPECT_EQ(translator->GetUserString(QStringLiteral("SHORT")), "") << "never past the table";

    select->storeActiveLanguage(QStringLiteral("Klingon"));
    EXPECT_EQ(translator->GetUserString(QStringLiteral("file_closed")), "%FILE_CLOSED%");

    translator->setPxLanguageSelector(nullptr);
    EXPECT_EQ(translator->GetUserString(QStringLiteral("FILE_CLOSED")), "");
}

TEST_F(FormTest, EndOfLoadingConvertsKeysThatCarryTheFormName)
{
    select->setLanguages({English});
    auto *button = add<QPushButton>(form.get(), QStringLiteral("Button1"));
    const auto load = [&](const QStringList &table) {
        translate({});
        translator->beginLoading();
        translator->setFormStrings(table);
        translator->loaded();
        return translator->FormStrings();
    };

    EXPECT_EQ(load({"[Form1.Button1.Caption]", "OK", "[Form1.Form1.Caption]", "Main"}),
              QStringList({"[Button1.Caption]", "OK", "[Form.Caption]", "Main"}));
    EXPECT_EQ(button->text(), "OK");
    EXPECT_EQ(form->windowTitle(), "Main");

    const QStringList oneDot{"[Form1.Caption]", "Title", "[Form1.Button1.Caption]", "Go"};
    EXPECT_EQ(load(oneDot), oneDot);
    EXPECT_EQ(form->windowTitle(), "Main") << "[Form1.Caption] names no text";
}

TEST_F(FormTest, OneTranslatorPerForm)
{
    auto *first = new TParloxForm(form.get()); // unnamed: still counts
    registerComponents();
    try {
        Platform::readFormData(form.get(), QByteArray(R"({"class": "QWidget", "components": [
            {"class": "Parlox::TParloxForm", "name": "Second"}]})"));
        FAIL() << "second translator read";
    } catch (const Error &error) {
        EXPECT_EQ(error.message(),
                  "You could not create two TParloxForm components in the same form.");
    }
    EXPECT_THROW(new TParloxForm(add<QWidget>(form.get(), QStringLiteral("Panel"))),
                 ComponentError);
    EXPECT_EQ(form->findChildren<TParloxForm *>(), QList<TParloxForm *>{first});
    EXPECT_EQ(select->linkedForms(), QList<TParloxForm *>{first});
    QObject loose;
    EXPECT_THROW(TParloxForm{&loose}, ComponentError);
}

TEST_F(FormTest, SecondaryFormComesUpInTheCurrentLanguage)
{
    Platform::Application::instance().registerForm(form.get());
    auto *title = add<QLabel>(form.get(), QStringLiteral("Title"), QStringLiteral("Hello"));
    translate({"[Title.Caption]", "Hello", "Hola"});
    select->setActiveLanguage(Spanish);
    EXPECT_EQ(title->text(), "Hola");
    EXPECT_EQ(translator->Language(), Spanish);

    // Setting Language by hand after loading changes nothing at run time.
    translator->setLanguage(English);
    EXPECT_EQ(translator->Language(), Spanish);

    registerComponents();
    auto dialog = std::make_unique<QDialog>();
    Platform::readFormData(dialog.get(), QByteArray(R"({"class": "QDialog", "name": "AboutBox",
        "components": [
          {"class": "QPushButton", "name": "BtnOK", "properties": {"text": "OK"}},
          {"class": "Parlox::TParloxForm", "name": "Translator", "properties": {
             "FormStrings": ["[Form.Caption]", "About", "Acerca de",
                             "[BtnOK.Caption]", "OK", "Aceptar"]}}]})"));
    EXPECT_EQ(dialog->windowTitle(), "Acerca de") << "linked to the main form's selector";
    EXPECT_EQ(dialog->findChild<QPushButton *>()->text(), "Aceptar");

    select->setActiveLanguage(English);
    EXPECT_EQ(dialog->windowTitle(), "About");
    dialog.reset();
    EXPECT_EQ(select->linkedForms(), QList<TParloxForm *>{translator});
}

TEST_F(FormTest, DesignTimeLanguageErrorsUseTheMessageBox)
{
    QStringList shown;
    const Platform::ModalHandlerGuard answer([&](QDialog &dialog) {
        auto &box = dynamic_cast<QMessageBox &>(dialog);
        shown << box.text();
        box.done(QMessageBox::Ok);
    });
    translate({});
    translator->setDesigning(true);
    translator->setLanguage(QStringLiteral("Klingon"));
    translator->setLanguage(QString());
    translator->setPxLanguageSelector(nullptr);
    translator->setLanguage(English);

    EXPECT_EQ(shown, QStringList({"You must first create the language Klingon before use "
                                  "it.\rDo it in the TParloxSelect component.",
                                  "You first must link the TParloxSelect component."}));
    EXPECT_EQ(translator->Language(), "");
}

// The translations file beside the executable: a temporary folder stands in for it.
class FlatFileFormTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        select->beginLoading();
        select->setTranslationsAre(InFlatFile);
        select->abandonLoading();
        select->setTranslationsFile(QStringLiteral("C:\\Program Files\\App\\app.lng"));
        Lng::Document document{{English, Spanish}, 0, {}, {}};
        document.forms.append({QStringLiteral("FORM1"),
                               {"[Label1.Caption]", "Hello", "Hola"},
                               {"%BYE%", "Bye", "Adiós"}});
        file = write(QStringLiteral("app.lng"), Lng::writeDocument(document));
    }

    Platform::ExecutableFolderGuard folder{m_dir.path()};
    QString file;
};

TEST_F(FlatFileFormTest, UserStringsAreReadFromTheFileAndDroppedAfterUse)
{
    translate({});
    select->storeActiveLanguage(Spanish);
    EXPECT_EQ(translator->GetUserString(QStringLiteral("bye")), "Adiós");
    EXPECT_TRUE(translator->UserStrings().isEmpty());
}

} // namespace
