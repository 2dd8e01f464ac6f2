#include "mainformtest.h"

using namespace EditorWindowTest;

namespace {

TEST_F(MainFormTest, StartsClosedWithItsStoredMenusButtonsAndGrid)
{
    start();
    EXPECT_EQ(window->windowTitle(), ClosedCaption);
    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()),
              QStringList({"File", "&Edit", "&Languages", "&View", "&Windows"}));
    EXPECT_EQ(texts(menu("Language1")->actions()), QStringList({"English", "Español"}));
    EXPECT_EQ(checkedTexts(*menu("Language1")), QStringList({"English"}));
    for (const char *disabled : {"Languages", "ViewMenu", "WindowsMenu"})
        EXPECT_FALSE(menu(disabled)->menuAction()->isEnabled()) << disabled;
    EXPECT_EQ(cell(0, 0), "Object.Property");
    EXPECT_EQ(tabla()->model()->rowCount(), 1);
}

TEST_F(MainFormTest, OpensAFileThroughTheOpenDialogAndBrowsesEveryTable)
{
    start();
    const QString file = writeSample();
    {
        Dialogs dialogs{chooseFile(file)};
        named<QToolButton>("BtnOpen")->click();
        EXPECT_EQ(
            dialogs.summary(),
            QStringList({"Select the file name for the Parlox Application Translations File|"}));
    }
    EXPECT_EQ(window->windowTitle(), "ParloxEd - " + file);
    EXPECT_EQ(texts(menu("LanguagesMenu")->actions()), QStringList({"English", "Español"}));
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"Español"}));
    EXPECT_EQ(texts(menu("WindowsMenu")->actions()),
              QStringList({"Message Strings", "Main", "Tools"}));
    EXPECT_TRUE(menu("Languages")->menuAction()->isEnabled());
    EXPECT_EQ(QStringList({cell(1, 0), cell(2, 0), cell(2, 2)}),
              QStringList({"English", "Español", "Aceptar"}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"Español", "Atención"}));

    const struct {
        int item;
        const char *view;
        QString title;
        QStringList keys;
    } tables[] = {
        {1, "Form1", "Object.Property", {"Form.Caption", "Btn.Caption"}},
        {1, "Userstrings1", "User strings ID", {"HELLO"}},
        {2, "Userstrings1", "User strings ID", {"BYE", "A"}},
        {2, "Form1", "Object.Property", {""}}, // no form strings: one blank row
        {0, "Form1", "Message ID", {"mtWarning", "OK"}},
    };
    for (const auto &t : tables) {
        SCOPED_TRACE(t.title.toStdString() + " of item " + std::to_string(t.item));
        if (doc().currentItem() != t.item)
            chooseWindowsItem(t.item);
        if (t.item > 0)
            action(t.view)->trigger();
        EXPECT_EQ(menu("ViewMenu")->menuAction()->isEnabled(), t.item > 0);
        EXPECT_EQ(checkedTexts(*menu("WindowsMenu")),
                  QStringList({menu("WindowsMenu")->actions().at(t.item)->text()}));
        QStringList keys;
        for (int row = 1; row < doc().grid()->gridRowCount(); ++row)
            keys.append(cell(0, row));
        EXPECT_EQ(keys, t.keys);
        EXPECT_EQ(panels("StatusObject"), QStringList({t.title, t.keys.first()}));
    }
    EXPECT_FALSE(doc().isModified());
}

// Another process holding the file makes saving and opening fail at once, saying why; a
// failed load leaves no document, on which the language commands change nothing.
TEST_F(MainFormTest, ReportsEveryFailedLoadOrSaveInATranslatedErrorBox)
{
    const QString file = startOn(writeSample());
    chooseLanguage(0);
    const LockHolder holder(file);
    const QString inUse = "The file couldn't be opened.\nCannot open file \"" + file +
                          "\". The file is in use by another program.";
    EXPECT_EQ(command("SaveFile", {press("OK")}), QStringList({"Error|" + inUse}));
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(read(file), Lng::writeDocument(sampleDocument()));

    // A damaged file is refused before the open document is closed.
    QByteArray damaged = Lng::writeDocument(sampleDocument());
    damaged.chop(3);
    const QString title = window->windowTitle();
    Dialogs refusal{press("Yes"), chooseFile(write("cut.lng", damaged)), press("OK")};
    action("OpenFile")->trigger();
    EXPECT_TRUE(refusal.summary().value(2).startsWith("Error|The file is invalid.\n"))
        << refusal.summary().value(2).toStdString();
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_TRUE(doc().isModified());

    const std::pair<QString, QString> cases[] = {
        {write("short.lng", "Parlox 2."), "The file is invalid."},
        {write("lower.lng", "parlox 2.0"), "This is not a Parlox file."},
        {file, inUse}};
    for (const auto &[failing, message] : cases) {
        QList<Answer> answers{chooseFile(failing), press("OK")};
        if (doc().isOpen())
            answers.prepend(press("Yes")); // to discard the change of the default language
        Dialogs dialogs(answers);
        action("OpenFile")->trigger();
        EXPECT_EQ(dialogs.summary().value(answers.size() - 1), "Error|" + message);
        EXPECT_EQ(window->windowTitle(), "ParloxEd - Closed");
        EXPECT_TRUE(menu("WindowsMenu")->actions().isEmpty());
        EXPECT_TRUE(menu("LanguagesMenu")->actions().isEmpty());
        EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));
        EXPECT_EQ(tabla()->model()->rowCount(), 1);
    }
    Dialogs dialogs{press("OK")};
    for (const char *name : {"Add1", "Rename1", "SaveFile", "Delete1"})
        action(name)->trigger();
    EXPECT_EQ(dialogs.summary(), QStringList({"Information|You can't delete any language."}));
    EXPECT_TRUE(menu("LanguagesMenu")->actions().isEmpty());
}

// A file without languages opens without a message; the first language added to it becomes
// the default, and the document saved with it reads back the same.
TEST_F(MainFormTest, OddFilesOpenSoundlyAndTheirFirstLanguageIsTheDefault)
{
    start();
    const auto addEnglishSaveAndReopen = [this](const QString &file) {
        command("Add1", {enter("English")});
        const Lng::PackedDocument added = doc().content();
        action("SaveFile")->trigger();
        open(file);
        EXPECT_TRUE(doc().content() == added);
        EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"English"}));
        EXPECT_EQ(checkedTexts(*menu("WindowsMenu")), QStringList({"Message Strings"}));
        return added;
    };
    // Only the magic: nothing to list, and no message (any would be an unexpected dialog).
    const QString file = write(QStringLiteral("magic.lng"), "Parlox 2.0");
    open(file);
    EXPECT_EQ(window->windowTitle(), "ParloxEd - " + file);
    EXPECT_TRUE(menu("WindowsMenu")->actions().isEmpty());
    EXPECT_EQ(panels("StatusObject"), QStringList({"Message ID", ""}));
    EXPECT_FALSE(doc().isModified());
    EXPECT_TRUE(Lng::unpacked(addEnglishSaveAndReopen(file)) ==
                Lng::Document({{"English"}, 0, {}, {}}));

    // No languages at all: the keys show, and the bars stay empty.
    const QString none = write(QStringLiteral("none.lng"),
                               Lng::writeDocument({{}, -1, {}, {{"F", {"[a]", "[b]"}, {}}}}));
    open(none);
    chooseWindowsItem(1);
    EXPECT_EQ(tabla()->model()->rowCount(), 2);
    EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));
    EXPECT_EQ(addEnglishSaveAndReopen(none).forms.first().formStrings.toList(),
              QStringList({"[a]", "", "[b]", ""}));

    // A default index outside the list marks the first language; names are shown as written.
    open(write(QStringLiteral("far.lng"),
               Lng::writeDocument({{"R&D", "B"}, 7, {"&OK&", "OK", "Vale"}, {}})));
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"R&&D"}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"R&D", "OK"}));
}

TEST_F(MainFormTest, StatusBarsFollowTheSelectionTheViewAndTheDefaultLanguage)
{
    startOn(writeSample());
    chooseWindowsItem(2);
    action("Userstrings1")->trigger();
    selectCell(1, 2);
    EXPECT_EQ(panels("StatusObject"), QStringList({"User strings ID", "A"}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"Español", "b"}));

    // Text still being typed shows once the selection moves.
    selectCell(2, 1);
    type(QStringLiteral("Adiós!"));
    selectCell(1, 1);
    EXPECT_EQ(panels("StatusValue"), QStringList({"Español", "Adiós!"}));

    action("Form1")->trigger();
    EXPECT_EQ(panels("StatusObject"), QStringList({"Object.Property", ""}));
    EXPECT_EQ(doc().userTable(2).at(2), "Adiós!");

    chooseWindowsItem(1);
    // Choosing the language that is already the default keeps its mark.
    for (int i = 0; i < 2; ++i) {
        chooseLanguage(0);
        EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"English"}));
        EXPECT_EQ(panels("StatusValue"), QStringList({"English", "Main"}));
    }
}

TEST_F(MainFormTest, SwitchingTheInterfaceToSpanishKeepsTheDocumentAndIsRemembered)
{
    const QString file = startOn(writeSample());
    chooseSpanishInterface();

    const QStringList spanishMenus{"Archivo", "&Edición", "&Idiomas", "&Ver", "&Ventanas"};
    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()), spanishMenus);
    EXPECT_EQ(window->windowTitle(), ClosedCaption);
    // Texts fetched before the switch keep their language until fetched again.
    EXPECT_EQ(cell(0, 0), "Message ID");
    EXPECT_EQ(doc().fileName(), file);
    EXPECT_FALSE(doc().isModified());
    chooseWindowsItem(1);
    EXPECT_EQ(panels("StatusObject")[0], "Objeto.Propiedad");
    {
        Dialogs dialogs{press("OK")};
        named<QToolButton>("BtnAbout")->click();
        EXPECT_TRUE(
            dialogs.summary().value(0).startsWith("Información|ParloxEd 2.0 - Editor de Archivos"));
    }
    action("ExitFile")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(doc().isOpen());

    // The next start comes up in Spanish, the grid's headers included.
    window.reset();
    start();
    EXPECT_EQ(checkedTexts(*menu("Language1")), QStringList({"Español"}));
    EXPECT_EQ(cell(1, 0), "Idiomas");
}

} // namespace

namespace {

TEST_F(MainFormTest, LanguageCommandsRefuseWhatTheyCannotDoAndChangeNothing)
{
    startOn(writeSample());
    const Lng::PackedDocument loaded = doc().content();
    const QString add = "Adding language|Enter the new language name:";
    const QString old = "Renaming language|Enter the language name you want to change: ";
    const QString now = "Renaming language|Enter the new language name: ";
    const QString del = "Deleting language|Enter the language name you want to delete: ";
    const QString sure = "Confirmation|Are you sure you want to delete the language? - English";
    const QString unknown = "Error|The specified language name doesn't exists: ";
    const Answer ok = press("OK");
    const Answer cancel = cancelDialog();
    const struct {
        const char *command;
        QList<Answer> answers;
        QStringList shown;
    } cases[] = {
        // clang-format off
        {"Add1", {cancel, ok}, {add, "Error|The specified language name is invalid: "}},
        {"Add1", {enter("English"), ok},
                 {add, "Error|The especified language already exists: English"}},
        {"Rename1", {cancel}, {old}},
        {"Rename1", {enter("english"), ok}, {old, unknown + "english"}},
        {"Rename1", {enter("English"), enter("English"), ok},
                    {old, now, "Error|The new language name is invalid: English"}},
        {"Rename1", {enter("English"), cancel}, {old, now}},
        {"Delete1", {cancel}, {del}},
        {"Delete1", {enter("Deutsch"), ok}, {del, unknown + "Deutsch"}},
        {"Delete1", {enter("English"), pressEscape()}, {del, sure}},
        // clang-format on
    };
    for (const auto &c : cases)
        EXPECT_EQ(command(c.command, c.answers), c.shown) << c.command;
    EXPECT_TRUE(doc().content() == loaded);
    EXPECT_FALSE(doc().isModified());
}

// Every table changes once per command, together with the grid, its headers, the language
// items and the status bars; an edit still in the grid survives each command.
TEST_F(MainFormTest, LanguageCommandsKeepEveryTableAndTheGridInStep)
{
    startOn(writeSample());
    selectCell(1, 2);
    type(QStringLiteral("Okay"));
    const auto headers = [this] {
        QStringList out;
        for (int col = 0; col < doc().grid()->gridColumnCount(); ++col)
            out.append(cell(col, 0));
        return out;
    };
    // Names compare exactly: "english" is a new language.
    command("Add1", {enter("english")});
    EXPECT_EQ(doc().messageTable().toList(), QStringList({"&mtWarning&", "Warning", "Atención", "",
                                                          "&OK&", "Okay", "Aceptar", ""}));
    EXPECT_EQ(doc().userTable(2).toList(),
              QStringList({"%BYE%", "Bye", "Adiós", "", "%A%", "a", "b", ""}));
    EXPECT_TRUE(doc().formTable(2).isEmpty());
    EXPECT_EQ(headers(), QStringList({"Message ID", "English", "Español", "english"}));
    EXPECT_EQ(tabla()->horizontalHeader()->sectionSize(3), (tabla()->width() - 22) / 4);
    command("Rename1", {enter("english"), enter("Deutsch")});
    EXPECT_EQ(headers(), QStringList({"Message ID", "English", "Español", "Deutsch"}));

    // The middle language goes; the default after it keeps its mark.
    chooseLanguage(2);
    command("Delete1", {enter("Español"), press("Yes")});
    EXPECT_EQ(doc().messageTable().toList(),
              QStringList({"&mtWarning&", "Warning", "", "&OK&", "Okay", ""}));
    EXPECT_EQ(doc().formTable(1).toList(),
              QStringList({"[Form.Caption]", "Main", "", "[Btn.Caption]", "Open", ""}));
    EXPECT_EQ(headers(), QStringList({"Message ID", "English", "Deutsch"}));
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"Deutsch"}));

    // The default language, first, goes: the next one takes over.
    chooseLanguage(0);
    EXPECT_EQ(command("Delete1", {enter("English"), press("Yes"), press("OK")}).value(2),
              "Information|The new default language is: Deutsch");
    EXPECT_EQ(doc().messageTable().toList(), QStringList({"&mtWarning&", "", "&OK&", ""}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"Deutsch", ""}));
    EXPECT_EQ(command("Delete1", {press("OK")}),
              QStringList({"Information|You can't delete any language."}));
    EXPECT_TRUE(doc().isModified());
}

TEST_F(MainFormTest, AsksBeforeClosingOverEditsAndLeavesTheFileAsItWas)
{
    const QString file = startOn(writeSample());
    const QByteArray saved = read(file);

    // Esc puts back what the cell held when its editor opened; typing stays at the cursor.
    selectCell(2, 1);
    type(QStringLiteral("Oops"));
    QTest::keyClick(cellEditor(), Qt::Key_Escape);
    EXPECT_EQ(cell(2, 1), "Atención");
    selectCell(2, 2);
    QTest::keyClick(cellEditor(), Qt::Key_Home);
    type(QStringLiteral("Vale, "), false);
    const QString question =
        "Confirmation|Are you sure you want to exit the program without saving the modified "
        "information?";
    for (const Answer &stay : {press("No"), pressEscape()}) {
        Dialogs dialogs{stay};
        window->close();
        EXPECT_EQ(dialogs.summary(), QStringList({question}));
        EXPECT_TRUE(window->isVisible());
    }
    EXPECT_EQ(doc().messageTable().at(5), "Vale, Aceptar");
    Dialogs dialogs{press("Yes")};
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(read(file), saved);
}

} // namespace

namespace {

// The safety net: a failure no handler expects (here a remembered setting of the wrong kind)
// is shown in an error box with its reason, and the editor goes on working.
TEST_F(MainFormTest, AnUnexpectedFailureIsShownAndTheEditorGoesOn)
{
    QFile settings(Platform::RegistryKey::fileFor(RegistryPath));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nProtectDefaultLanguage=a, b\n");
    settings.close();
    {
        Dialogs dialogs{press("OK")};
        start();
        EXPECT_EQ(dialogs.summary(),
                  QStringList({"Error|Invalid data type for 'ProtectDefaultLanguage'"}));
    }
    const QString file = writeSample();
    open(file);
    QApplication::setActiveWindow(window.get());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("!"));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Lng::readDocument(Lng::Image(read(file))).messages.at(1), "Warning!");
}

// Six languages or more: six columns fill the grid and the others are reached by scrolling
// sideways, which Tab does as it moves from cell to cell.
TEST_F(MainFormTest, SevenLanguagesShowSixColumnsAtATimeAndScrollSideways)
{
    Lng::Document wide{{}, 0, {"&A&"}, {}};
    for (int l = 1; l <= 7; ++l) {
        wide.languages << QStringLiteral("L%1").arg(l);
        wide.messages << QString::number(l);
    }
    startOn(write("wide.lng", Lng::writeDocument(wide)));
    QHeaderView *columns = tabla()->horizontalHeader();
    ASSERT_EQ(columns->count(), 8);
    for (int col = 0; col < 8; ++col)
        EXPECT_EQ(columns->sectionSize(col), (tabla()->width() - 22) / 6) << col;
    EXPECT_EQ(tabla()->horizontalScrollBar()->value(), 0);
    for (int col = 1; col < 7; ++col)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("seven"));
    EXPECT_EQ(cell(7, 1), "seven");
    EXPECT_EQ(cell(0, 0), "Message ID");
    EXPECT_GT(tabla()->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(
        tabla()->viewport()->rect().contains(tabla()->visualRect(tabla()->model()->index(0, 7))));
}

} // namespace
