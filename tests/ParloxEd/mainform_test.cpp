// The editor's main window driven as a user drives it: menu items triggered, tool buttons
// clicked, cells typed into, and every dialog answered through the modal seam.
#include "editordocument.h"
#include "lngfile.h"
#include "lockedfile.h"
#include "mainform.h"
#include "platform/modalseam.h"
#include "platform/registrykey.h"
#include "statuspanelbar.h"
#include "tablegridmodel.h"
#include "tempdir.h"

#include <QtTest>
#include <QtWidgets>

using ParloxEd::EditorDocument;
using ParloxEd::StatusPanelBar;
using ParloxEd::TMainForm;
namespace Lng = Parlox::Lng;
namespace Platform = Parlox::Platform;

namespace {

const QString RegistryPath = QStringLiteral("\\Software\\Velmont\\ParloxEd");
const QString ClosedCaption = QStringLiteral("Velmont - ParloxEd - Closed");

// Two languages, Español the default; "Main" has both tables, "Tools" only user strings and
// "Empty" neither, so it is not part of the document.
Lng::Document sampleDocument()
{
    return {{"English", "Español"},
            1,
            {"&mtWarning&", "Warning", "Atención", "&OK&", "OK", "Aceptar"},
            {{"Main",
              {"[Form.Caption]", "Main", "Principal", "[Btn.Caption]", "Open", "Abrir"},
              {"%HELLO%", "Hello", "Hola"}},
             {"Empty", {}, {}},
             {"Tools", {}, {"%BYE%", "Bye", "Adiós", "%A%", "a", "b"}}}};
}

// What a dialog showed when it came up.
struct Shown {
    QString title;
    QString text; // the message of a message dialog
    bool fileDialog = false;
};

using Answer = std::function<void(QDialog &)>;

Answer press(const char *button)
{
    return [button](QDialog &dialog) {
        auto *found = dialog.findChild<QPushButton *>(QLatin1String(button));
        ASSERT_NE(found, nullptr) << "no button " << button;
        found->click();
    };
}

Answer pressEscape()
{
    return [](QDialog &dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
}

Answer chooseFile(const QString &path)
{
    return [path](QDialog &dialog) {
        auto *files = qobject_cast<QFileDialog *>(&dialog);
        ASSERT_NE(files, nullptr) << "not the open dialog";
        files->selectFile(path);
        dialog.accept(); // QFileDialog's own accept checks the chosen file
    };
}

Answer cancelDialog()
{
    return [](QDialog &dialog) { dialog.reject(); };
}

// Answers the dialogs in order and records each one; a dialog nobody expected fails the test.
class Dialogs {
public:
    explicit Dialogs(std::initializer_list<Answer> answers) : m_answers(answers) {}
    ~Dialogs() { EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " dialogs never came"; }

    const QList<Shown> &shown() const { return m_shown; }

private:
    void answer(QDialog &dialog)
    {
        const auto *message = dialog.findChild<QLabel *>(QStringLiteral("Message"));
        m_shown.append({dialog.windowTitle(), message ? message->text() : QString(),
                        qobject_cast<QFileDialog *>(&dialog) != nullptr});
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
            return;
        }
        m_answers.takeFirst()(dialog);
    }

    QList<Answer> m_answers;
    QList<Shown> m_shown;
    Platform::ModalHandlerGuard m_guard{[this](QDialog &dialog) { answer(dialog); }};
};

QStringList texts(const QList<QAction *> &items, bool checkedOnly = false)
{
    QStringList out;
    for (const QAction *item : items) {
        if (!checkedOnly || item->isChecked())
            out.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    return out;
}

QStringList checkedTexts(const QMenu &menu)
{
    return texts(menu.actions(), true);
}

class MainFormTest : public TempDirTest {
protected:
    MainFormTest()
    {
        // Each window starts from no remembered language.
        QFile::remove(Platform::RegistryKey::fileFor(RegistryPath));
    }

    void start()
    {
        window = std::make_unique<TMainForm>();
        window->show();
    }

    template <class T> T *named(const char *name) const
    {
        auto *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QMenu *menu(const char *name) const { return named<QMenu>(name); }
    QAction *action(const char *name) const { return named<QAction>(name); }
    QTableView *tabla() const { return named<QTableView>("Tabla"); }
    EditorDocument &doc() const { return window->document(); }
    QString cell(int col, int row) const { return doc().grid()->cell(col, row); }
    QStringList panels(const char *name) const
    {
        const auto *bar = named<StatusPanelBar>(name);
        return {bar->panelText(0), bar->panelText(1)};
    }

    QString writeSample(const QString &name = QStringLiteral("sample.lng"))
    {
        return write(name, Lng::writeDocument(sampleDocument()));
    }

    // File > Open with the open dialog answered with the path.
    void open(const QString &path)
    {
        Dialogs dialogs{chooseFile(path)};
        action("OpenFile")->trigger();
    }

    void chooseWindowsItem(int k) const { menu("WindowsMenu")->actions().at(k)->trigger(); }

    void selectCell(int col, int row) const
    {
        tabla()->setCurrentIndex(tabla()->model()->index(row - 1, col));
    }

    // Types into the in-place editor of the selected cell, replacing its text.
    void type(const QString &text) const
    {
        QLineEdit *editor = nullptr;
        for (QLineEdit *candidate : tabla()->viewport()->findChildren<QLineEdit *>()) {
            if (candidate->isVisible())
                editor = candidate;
        }
        ASSERT_NE(editor, nullptr) << "no open cell editor";
        editor->selectAll();
        // Key by key, as typed; QTest's key helpers know only ASCII.
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(editor, &press);
        }
    }

    void chooseInterfaceLanguage(const QString &name) const
    {
        for (QAction *item : menu("Language1")->actions()) {
            if (item->text() == name)
                return item->trigger();
        }
        ADD_FAILURE() << "no interface language " << name.toStdString();
    }

    std::unique_ptr<TMainForm> window;
};

TEST_F(MainFormTest, StartsClosedWithItsStoredMenusButtonsAndGrid)
{
    start();
    EXPECT_EQ(window->windowTitle(), ClosedCaption);
    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()),
              QStringList({"File", "&Languages", "&View", "&Windows"}));
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
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].title,
                  "Select the file name for the Parlox Application Translations File");
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

TEST_F(MainFormTest, ReportsEveryFailedLoadInATranslatedErrorBox)
{
    start();
    open(writeSample());
    const QString locked = writeSample(QStringLiteral("locked.lng"));
    const Parlox::LockedFile holder(locked, Parlox::LockedFile::Access::ExclusiveReadWrite);
    const std::pair<QString, QString> cases[] = {
        {write("short.lng", "Parlox 2."), "The file is invalid."},
        {write("lower.lng", "parlox 2.0"), "This is not a Parlox file."},
        {locked, "The file couldn't be opened."}};
    for (const auto &[file, message] : cases) {
        Dialogs dialogs{chooseFile(file), press("OK")};
        action("OpenFile")->trigger();
        ASSERT_EQ(dialogs.shown().size(), 2);
        EXPECT_EQ(dialogs.shown()[1].title + u'|' + dialogs.shown()[1].text, "Error|" + message);
        EXPECT_EQ(window->windowTitle(), "ParloxEd - Closed");
        EXPECT_TRUE(menu("WindowsMenu")->actions().isEmpty());
        EXPECT_TRUE(menu("LanguagesMenu")->actions().isEmpty());
        EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));
    }
}

TEST_F(MainFormTest, OddFilesOpenSoundlyWithoutAnyMessage)
{
    start();
    // Only the magic: nothing to list, and no message (any would be an unexpected dialog).
    const QString file = write(QStringLiteral("magic.lng"), "Parlox 2.0");
    open(file);
    EXPECT_EQ(window->windowTitle(), "ParloxEd - " + file);
    EXPECT_TRUE(menu("WindowsMenu")->actions().isEmpty());
    EXPECT_EQ(panels("StatusObject"), QStringList({"Message ID", ""}));
    EXPECT_FALSE(doc().isModified());

    // No languages at all: the grid shows one blank row and the bars stay empty.
    open(write(QStringLiteral("none.lng"), Lng::writeDocument({{}, -1, {}, {{"F", {"[a]"}, {}}}})));
    chooseWindowsItem(1);
    EXPECT_EQ(tabla()->model()->rowCount(), 1);
    EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));

    // A default index outside the list marks the first language; names are shown as written.
    open(write(QStringLiteral("far.lng"),
               Lng::writeDocument({{"R&D", "B"}, 7, {"&OK&", "OK", "Vale"}, {}})));
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"R&&D"}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"R&D", "OK"}));
}

TEST_F(MainFormTest, AsksBeforeAnOpenDiscardsEdits)
{
    start();
    const QString file = writeSample();
    const QString other = writeSample(QStringLiteral("other.lng"));
    open(file);
    selectCell(1, 2);
    type(QStringLiteral("Okay"));
    const QString question = QStringLiteral(
        "You haven't saved the modifications introduced.\nAre you sure you want to open a new "
        "file and discard the changes?");

    for (const Answer &refuse : {press("No"), pressEscape()}) {
        Dialogs dialogs{refuse};
        action("OpenFile")->trigger();
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].title + u'|' + dialogs.shown()[0].text,
                  "Confirmation|" + question);
        EXPECT_EQ(doc().messageTable().at(4), "Okay");
    }
    // Yes, or closing the box from its frame, goes on to the open dialog; cancelling that
    // keeps everything.
    for (const Answer &goOn : {press("Yes"), cancelDialog()}) {
        Dialogs dialogs{goOn, cancelDialog()};
        action("OpenFile")->trigger();
        ASSERT_EQ(dialogs.shown().size(), 2);
        EXPECT_TRUE(dialogs.shown()[1].fileDialog);
    }
    EXPECT_EQ(doc().fileName(), file);
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(cell(1, 2), "Okay");

    Dialogs dialogs{press("Yes"), chooseFile(other)};
    action("OpenFile")->trigger();
    EXPECT_EQ(doc().fileName(), other);
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(cell(1, 2), "OK");
}

TEST_F(MainFormTest, StatusBarsFollowTheSelectionTheViewAndTheDefaultLanguage)
{
    start();
    open(writeSample());
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
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(doc().userTable(2).at(2), "Adiós!");

    chooseWindowsItem(1);
    // Choosing the language that is already the default keeps its mark.
    for (int i = 0; i < 2; ++i) {
        menu("LanguagesMenu")->actions().at(0)->trigger();
        EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"English"}));
        EXPECT_EQ(panels("StatusValue"), QStringList({"English", "Main"}));
    }
}

TEST_F(MainFormTest, SwitchingTheInterfaceToSpanishKeepsTheDocumentAndIsRemembered)
{
    start();
    const QString file = writeSample();
    open(file);
    chooseInterfaceLanguage(QStringLiteral("Español"));

    const QStringList spanishMenus{"Archivo", "&Idiomas", "&Ver", "&Ventanas"};
    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()), spanishMenus);
    EXPECT_EQ(action("OpenFile")->text(), "&Abrir");
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
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].title + u'|' + dialogs.shown()[0].text.left(33),
                  "Información|ParloxEd 2.0 - Editor de Archivos");
    }
    action("ExitFile")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(doc().isOpen());

    // The next start comes up in Spanish.
    window.reset();
    start();
    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()), spanishMenus);
    EXPECT_EQ(checkedTexts(*menu("Language1")), QStringList({"Español"}));
    EXPECT_EQ(cell(1, 0), "Idiomas");
}

} // namespace
