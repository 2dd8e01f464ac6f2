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
    // The column titles of a list, then the texts of one of its columns, each once; a tree's
    // rows are read with the rows under them.
    QString list(const char *view, int col) const
    {
        const QAbstractItemModel *model = named<QAbstractItemView>(view)->model();
        QStringList texts;
        for (int section = 0; section < model->columnCount(); ++section)
            texts.append(model->headerData(section, Qt::Horizontal).toString());
        texts.append(QStringLiteral(">"));
        const std::function<void(const QModelIndex &)> read = [&](const QModelIndex &parent) {
            for (int row = 0; row < model->rowCount(parent); ++row) {
                const QString text = model->index(row, col, parent).data().toString();
                if (!text.isEmpty() && !texts.contains(text))
                    texts.append(text);
                read(model->index(row, 0, parent));
            }
        };
        read({});
        return texts.join(u'|');
    }
    QString label(const char *name) const { return named<QLabel>(name)->text(); }
    void chooseInterface(int language) const
    {
        menu("Language1")->actions().at(language)->trigger();
    }
};

// With every pane open, a find done and the document modified, each place reads in the
// language chosen at once, both ways.
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
    const auto panes = [this] {
        QStringList titles;
        for (const char *dock : {"DetailDock", "FindDock", "ProgressDock", "ChecksDock"})
            titles.append(named<QDockWidget>(dock)->windowTitle());
        return titles.join(u'|') + u'|' + label("KeyTitle") + u'|' + menu("EncodingMenu")->title();
    };
    const struct {
        const char *place;
        std::function<QString()> shown;
        QString english, spanish;
    } places[] = {
        // clang-format off
        {"Windows menu", [&] { return texts(menu("WindowsMenu")->actions()).join(u'|'); },
         "Message Strings|Main|Tools", "Textos de Mensajes|Main|Tools"},
        {"status area", [&] { return label("TableName") + u'|' + label("DocumentState"); },
         "Main: Form strings|Modified", "Main: Cadenas de forma|Modificado"},
        {"found", [&] { return label("FindCount") + u'|' + list("FindResults", 0); },
         "Found: 7|Table|Key|Language|Text|>|Message Strings|Main: Form strings|"
         "Main: User strings",
         "Encontrados: 7|Tabla|Clave|Idioma|Texto|>|Textos de Mensajes|Main: Cadenas de forma|"
         "Main: Cadenas del usuario"},
        {"progress", [&] { return list("ProgressTable", 0); },
         "Language|This table|All tables|>|English|Español",
         "Idioma|Esta tabla|Todas las tablas|>|English|Español"},
        {"checks", [&] { return list("ChecksList", 2); },
         "Key|Language|Warning|>|The access keys (&) differ from English",
         "Clave|Idioma|Advertencia|>|Las teclas de acceso (&) difieren de English"},
        {"panes", panes, "Entry|Find|Progress|Checks|Object.Property|E&ncoding",
         "Entrada|Buscar|Progreso|Comprobaciones|Objeto.Propiedad|Co&dificación"},
        // clang-format on
    };
    for (const int language : {0, 1, 0}) {
        chooseInterface(language);
        for (const auto &p : places)
            EXPECT_EQ(p.shown(), language == 0 ? p.english : p.spanish) << p.place;
    }
}

// Qt's own texts in the open dialog come from Qt's translations of the interface language, from
// the start and after a switch; the dialog's title stays the editor's.
TEST_F(InterfaceLanguageTest, TheOpenDialogSpeaksTheInterfaceLanguage)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm"))
        GTEST_SKIP() << "Qt's Spanish translations are not installed";
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
    start();
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

// In Spanish the first Alt+V goes to the disabled "&Ver", not "&Ventanas"; F10 and the arrows
// reach the Windows menu, whose mark follows the table shown however it changes.
TEST_F(InterfaceLanguageTest, TheWindowsMenuIsReachedByKeysAndMarksTheTableShown)
{
    startOn(writeSample());
    chooseInterface(1);
    const auto shown = [this] { return checkedTexts(*menu("WindowsMenu")) << label("TableName"); };
    key(window.get(), Qt::Key_F10);
    key(QApplication::activePopupWidget(), Qt::Key_Left);
    ASSERT_EQ(QApplication::activePopupWidget(), menu("WindowsMenu"));
    // It opens on its first item.
    for (const Qt::Key step : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return})
        key(menu("WindowsMenu"), step);
    EXPECT_EQ(shown(), QStringList({"Tools", "Tools: Cadenas de forma"}));
    key(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    type(QStringLiteral("Ciao"));
    key(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringList({"Textos de Mensajes", "Textos de Mensajes"}));
    command("Undo1");
    EXPECT_EQ(shown(), QStringList({"Tools", "Tools: Cadenas del usuario"}));
}

} // namespace
