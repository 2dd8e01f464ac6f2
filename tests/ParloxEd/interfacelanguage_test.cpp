// The interface language reaches every text the editor composes, Qt's own dialog texts and the
// Windows menu, switched from the File menu while a file is open.
#include "mainformtest.h"

using namespace EditorWindowTest;

namespace {

class InterfaceLanguageTest : public MainFormTest {
protected:
    void key(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(target, key, modifiers);
    }
    QString headers(const char *view) const
    {
        const QAbstractItemModel *model = named<QTableView>(view)->model();
        QStringList titles;
        for (int section = 0; section < model->columnCount(); ++section)
            titles.append(model->headerData(section, Qt::Horizontal).toString());
        return titles.join(u'|');
    }
    QString column(const char *view, int col) const
    {
        const QAbstractItemModel *model = named<QTableView>(view)->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, col).data().toString();
            if (!texts.contains(text))
                texts.append(text);
        }
        return texts.join(u'|');
    }
    QString label(const char *name) const { return named<QLabel>(name)->text(); }
    void chooseInterface(int language) const
    {
        menu("Language1")->actions().at(language)->trigger();
    }
};

// With the panes open, a find done and a change typed, each place reads in the language
// chosen at once, both ways.
TEST_F(InterfaceLanguageTest, EveryTextTheEditorComposesFollowsASwitchAtOnce)
{
    Lng::Document sample = sampleDocument();
    sample.forms[0].formStrings = {"[Btn.Caption]", "&Open %1", "Abrir %1"};
    startOn(write(QStringLiteral("ui.lng"), Lng::writeDocument(sample)));
    chooseLanguage(0);
    chooseWindowsItem(1);
    for (const Qt::Key pane : {Qt::Key_E, Qt::Key_P, Qt::Key_K, Qt::Key_F})
        key(window.get(), pane, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClicks(named<QLineEdit>("FindText"), QStringLiteral("o"));
    key(named<QLineEdit>("FindText"), Qt::Key_Return);

    const struct {
        const char *place;
        std::function<QString()> shown;
        QString english, spanish;
    } places[] = {
        // clang-format off
        {"Windows menu", [&] { return texts(menu("WindowsMenu")->actions()).join(u'|'); },
         "Message Strings|Main|Tools", "Textos de Mensajes|Main|Tools"},
        {"table in the status area", [&] { return label("TableName"); },
         "Main: Form strings", "Main: Cadenas de forma"},
        {"state in the status area", [&] { return label("DocumentState"); },
         "Modified", "Modificado"},
        {"tables found", [&] { return column("FindResults", 0); },
         "Message Strings|Main: Form strings|Main: User strings",
         "Textos de Mensajes|Main: Cadenas de forma|Main: Cadenas del usuario"},
        {"found list's titles", [&] { return headers("FindResults"); },
         "Table|Key|Language|Text", "Tabla|Clave|Idioma|Texto"},
        {"found count", [&] { return label("FindCount"); }, "Found: 7", "Encontrados: 7"},
        {"progress titles", [&] { return headers("ProgressTable"); },
         "Language|This table|All tables", "Idioma|Esta tabla|Todas las tablas"},
        {"checks' titles", [&] { return headers("ChecksList"); },
         "Key|Language|Warning", "Clave|Idioma|Advertencia"},
        {"checks", [&] { return column("ChecksList", 2); },
         "The access keys (&) differ from English",
         "Las teclas de acceso (&) difieren de English"},
        {"entry pane's key title", [&] { return label("KeyTitle"); },
         "Object.Property", "Objeto.Propiedad"},
        {"pane titles", [&] {
             QStringList titles;
             for (const char *dock : {"DetailDock", "FindDock", "ProgressDock", "ChecksDock"})
                 titles.append(named<QDockWidget>(dock)->windowTitle());
             return titles.join(u'|');
         }, "Entry|Find|Progress|Checks", "Entrada|Buscar|Progreso|Comprobaciones"},
        {"View menu", [&] { return texts(menu("ViewMenu")->actions()).mid(3).join(u'|'); },
         "&Entry pane|F&ind pane|&Progress pane|-|&Checks pane|Protect the &default language",
         "Panel de &entrada|Panel de &búsqueda|Panel de &progreso|-|Panel de &comprobaciones|"
         "Proteger el idioma por &omisión"},
        {"Encoding menu", [&] { return menu("EncodingMenu")->title(); },
         "E&ncoding", "Co&dificación"},
        // clang-format on
    };
    for (const int language : {0, 1, 0}) {
        chooseInterface(language);
        for (const auto &p : places)
            EXPECT_EQ(p.shown(), language == 0 ? p.english : p.spanish) << p.place;
    }
    // The texts the window fetched for the grid keep their language until fetched again.
    EXPECT_EQ(cell(0, 0), "Object.Property");
    EXPECT_EQ(named<QMenuBar>("MainMenu")->actions().at(4)->text(), "&Windows");
}

// Qt's own texts in the open dialog come from Qt's translations of the interface language, from
// the start and after a switch; the dialog's title stays the editor's.
TEST_F(InterfaceLanguageTest, TheOpenDialogSpeaksTheInterfaceLanguage)
{
    const QString qtSpanish = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm";
    if (!QFile::exists(qtSpanish))
        GTEST_SKIP() << "Qt's Spanish translations are not installed";
    start();
    const auto dialogTexts = [this] {
        QStringList shown;
        Dialogs dialogs{[&shown](QDialog &dialog) {
            shown << dialog.windowTitle() << dialog.findChild<QLabel *>("lookInLabel")->text();
            for (const QAbstractButton *button : dialog.findChild<QDialogButtonBox *>()->buttons())
                shown << button->text();
            dialog.reject();
        }};
        action("OpenFile")->trigger();
        return shown;
    };
    chooseInterface(1);
    window.reset();
    start(); // in the language remembered
    EXPECT_EQ(dialogTexts(), QStringList({"Seleccione el nombre del Archivo de Traducción de "
                                          "Aplicación",
                                          "Ver en:", "&Abrir", "Cancelar"}));
    chooseInterface(0);
    EXPECT_EQ(dialogTexts(),
              QStringList({"Select the file name for the Parlox Application Translations File",
                           "Look in:", "&Open", "Cancel"}));
}

// F10 and the arrows reach the Windows menu, whose mark follows the table shown however it
// changes: the menu, the next and previous table keys, an undo.
TEST_F(InterfaceLanguageTest, TheWindowsMenuIsReachedByKeysAndMarksTheTableShown)
{
    startOn(writeSample());
    const auto marked = [this] { return checkedTexts(*menu("WindowsMenu")).join(u'|'); };
    key(window.get(), Qt::Key_F10);
    key(QApplication::activePopupWidget(), Qt::Key_Left);
    ASSERT_EQ(QApplication::activePopupWidget(), menu("WindowsMenu"));
    // The menu opens on its first item.
    for (const Qt::Key step : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        key(menu("WindowsMenu"), step);
    EXPECT_EQ(marked(), "Tools");
    EXPECT_EQ(label("TableName"), "Tools: Form strings");
    key(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(QStringList({marked(), label("TableName")}),
              QStringList({"Tools", "Tools: User strings"}));
    type(QStringLiteral("Ciao"));
    key(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(QStringList({marked(), label("TableName")}),
              QStringList({"Message Strings", "Message Strings"}));
    command("Undo1");
    EXPECT_EQ(QStringList({marked(), label("TableName")}),
              QStringList({"Tools", "Tools: User strings"}));

    chooseInterface(1);
    key(window.get(), Qt::Key_F10);
    key(QApplication::activePopupWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::activePopupWidget(), menu("WindowsMenu"));
    EXPECT_EQ(texts(menu("WindowsMenu")->actions()),
              QStringList({"Textos de Mensajes", "Main", "Tools"}));
    key(menu("WindowsMenu"), Qt::Key_Escape);
}

} // namespace
