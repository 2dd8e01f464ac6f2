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

#include <QAction>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <deque>
#include <functional>
#include <memory>

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
        const Answer next = m_answers.front();
        m_answers.pop_front();
        next(dialog);
    }

    std::deque<Answer> m_answers;
    QList<Shown> m_shown;
    Platform::ModalHandlerGuard m_guard{[this](QDialog &dialog) { answer(dialog); }};
};

QStringList texts(const QList<QAction *> &items)
{
    QStringList out;
    for (const QAction *item : items)
        out.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return out;
}

QStringList checkedTexts(const QMenu &menu)
{
    QStringList out;
    for (const QAction *item : menu.actions()) {
        if (item->isChecked())
            out.append(item->text());
    }
    return out;
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
    StatusPanelBar *bar(const char *name) const { return named<StatusPanelBar>(name); }
    QTableView *tabla() const { return named<QTableView>("Tabla"); }
    EditorDocument &doc() const { return window->document(); }
    QString cell(int col, int row) const { return doc().grid()->cell(col, row); }
    QStringList panels(const char *name) const
    {
        return {bar(name)->panelText(0), bar(name)->panelText(1)};
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
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->title(), ClosedCaption);
    EXPECT_EQ(window->size(), QSize(544, 375));

    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()),
              QStringList({"File", "&Languages", "&View", "&Windows"}));
    EXPECT_EQ(texts(menu("MenuFile")->actions()),
              QStringList({"&Open", "&Save", "-", "L&anguage", "-", "&Exit"}));
    EXPECT_EQ(texts(menu("Languages")->actions()),
              QStringList({"I&n application", "-", "&Add", "&Rename", "&Delete", "&Import"}));
    EXPECT_EQ(texts(menu("ViewMenu")->actions()), QStringList({"&Form strings", "&User strings"}));
    EXPECT_TRUE(action("Form1")->isChecked());
    EXPECT_FALSE(action("Userstrings1")->isChecked());

    EXPECT_EQ(texts(menu("Language1")->actions()), QStringList({"English", "Español"}));
    EXPECT_EQ(checkedTexts(*menu("Language1")), QStringList({"English"}));

    EXPECT_TRUE(menu("MenuFile")->menuAction()->isEnabled());
    for (const char *disabled : {"Languages", "ViewMenu", "WindowsMenu"})
        EXPECT_FALSE(menu(disabled)->menuAction()->isEnabled()) << disabled;
    EXPECT_FALSE(action("Import1")->isEnabled());

    const QStringList hints{"Open", "Save", "Exit", "About..."};
    const char *buttons[] = {"BtnOpen", "BtnSave", "BtnExit", "BtnAbout"};
    for (int i = 0; i < 4; ++i) {
        const auto *button = named<QToolButton>(buttons[i]);
        EXPECT_EQ(button->toolTip(), hints[i]);
        EXPECT_EQ(button->size(), QSize(25, 25));
        EXPECT_FALSE(button->icon().isNull()) << buttons[i];
        EXPECT_TRUE(button->isEnabled());
    }

    EXPECT_EQ(cell(0, 0), "Object.Property");
    EXPECT_EQ(cell(1, 0), "Languages");
    EXPECT_EQ(tabla()->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 1), "");
    EXPECT_EQ(panels("StatusObject"), QStringList({"", ""}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));
    EXPECT_EQ(bar("StatusObject")->panelWidths(), QStringList({"100", "50"}));
    EXPECT_EQ(bar("StatusValue")->panelWidths(), QStringList({"100", "100"}));
}

TEST_F(MainFormTest, StartsInTheRememberedInterfaceLanguage)
{
    Platform::RegistryKey key;
    ASSERT_TRUE(key.open(RegistryPath, true));
    key.writeString(QStringLiteral("DefLang"), QStringLiteral("Español"));
    key.close();
    start();
    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()),
              QStringList({"Archivo", "&Idiomas", "&Ver", "&Ventanas"}));
    EXPECT_EQ(checkedTexts(*menu("Language1")), QStringList({"Español"}));
    EXPECT_EQ(cell(0, 0), "Objeto.Propiedad");
    EXPECT_EQ(cell(1, 0), "Idiomas");
    EXPECT_EQ(window->windowTitle(), ClosedCaption);
}

TEST_F(MainFormTest, OpensAFileThroughTheOpenDialogAndBrowsesEveryTable)
{
    start();
    const QString file = writeSample();
    {
        Dialogs dialogs{chooseFile(file)};
        named<QToolButton>("BtnOpen")->click();
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_TRUE(dialogs.shown()[0].fileDialog);
        EXPECT_EQ(dialogs.shown()[0].title,
                  "Select the file name for the Parlox Application Translations File");
    }
    EXPECT_EQ(window->windowTitle(), "ParloxEd - " + file);
    EXPECT_EQ(texts(menu("LanguagesMenu")->actions()), QStringList({"English", "Español"}));
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"Español"}));
    EXPECT_EQ(texts(menu("WindowsMenu")->actions()),
              QStringList({"Message Strings", "Main", "Tools"}));
    EXPECT_EQ(checkedTexts(*menu("WindowsMenu")), QStringList({"Message Strings"}));
    EXPECT_TRUE(menu("Languages")->menuAction()->isEnabled());
    EXPECT_TRUE(menu("WindowsMenu")->menuAction()->isEnabled());
    EXPECT_FALSE(menu("ViewMenu")->menuAction()->isEnabled());

    EXPECT_EQ(cell(0, 0), "Message ID");
    EXPECT_EQ(cell(1, 0), "English");
    EXPECT_EQ(cell(2, 0), "Español");
    EXPECT_EQ(cell(0, 2), "OK");
    EXPECT_EQ(cell(2, 2), "Aceptar");
    EXPECT_EQ(panels("StatusObject"), QStringList({"Message ID", "mtWarning"}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"Español", "Atención"}));

    struct Expected {
        int item;
        const char *view;
        QString title;
        QStringList keys;
    };
    const QList<Expected> tables{
        {1, "Form1", "Object.Property", {"Form.Caption", "Btn.Caption"}},
        {1, "Userstrings1", "User strings ID", {"HELLO"}},
        {2, "Userstrings1", "User strings ID", {"BYE", "A"}},
        {2, "Form1", "Object.Property", {""}}, // no form strings: one blank row
        {0, "Form1", "Message ID", {"mtWarning", "OK"}},
    };
    for (const Expected &t : tables) {
        SCOPED_TRACE(t.title.toStdString() + " of item " + std::to_string(t.item));
        if (doc().currentItem() != t.item)
            chooseWindowsItem(t.item);
        if (t.item > 0)
            action(t.view)->trigger();
        EXPECT_EQ(menu("ViewMenu")->menuAction()->isEnabled(), t.item > 0);
        EXPECT_EQ(checkedTexts(*menu("WindowsMenu")),
                  QStringList({menu("WindowsMenu")->actions().at(t.item)->text()}));
        EXPECT_EQ(cell(0, 0), t.title);
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
    struct Case {
        const char *name;
        QByteArray bytes;
        QString message;
    };
    const QList<Case> cases{
        {"short.lng", "Parlox 2.", "The file is invalid."},
        {"lower.lng", "parlox 2.0", "This is not a Parlox file."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Dialogs dialogs{chooseFile(write(c.name, c.bytes)), press("OK")};
        action("OpenFile")->trigger();
        ASSERT_EQ(dialogs.shown().size(), 2);
        EXPECT_EQ(dialogs.shown()[1].title, "Error");
        EXPECT_EQ(dialogs.shown()[1].text, c.message);
        EXPECT_EQ(window->windowTitle(), "ParloxEd - Closed");
        EXPECT_FALSE(doc().isOpen());
        EXPECT_TRUE(menu("WindowsMenu")->actions().isEmpty());
        EXPECT_TRUE(menu("LanguagesMenu")->actions().isEmpty());
        // A failed load does not take back what a load enabled.
        EXPECT_TRUE(menu("Languages")->menuAction()->isEnabled());
        EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));
    }

    // Another program holding the file keeps the editor out.
    const QString locked = writeSample(QStringLiteral("locked.lng"));
    Parlox::LockedFile holder(locked, Parlox::LockedFile::Access::ExclusiveReadWrite);
    Dialogs dialogs{chooseFile(locked), press("OK")};
    action("OpenFile")->trigger();
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[1].text, "The file couldn't be opened.");
    EXPECT_EQ(window->windowTitle(), "ParloxEd - Closed");
}

TEST_F(MainFormTest, OpensAFileOfOnlyTheMagicWithoutAnyMessage)
{
    start();
    const QString file = write(QStringLiteral("magic.lng"), "Parlox 2.0");
    open(file); // any message box would be an unexpected dialog
    EXPECT_EQ(window->windowTitle(), "ParloxEd - " + file);
    EXPECT_TRUE(doc().isOpen());
    EXPECT_TRUE(menu("WindowsMenu")->actions().isEmpty());
    EXPECT_TRUE(menu("LanguagesMenu")->actions().isEmpty());
    EXPECT_EQ(cell(0, 0), "Message ID");
    EXPECT_EQ(panels("StatusObject"), QStringList({"Message ID", ""}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));
    EXPECT_FALSE(doc().isModified());
}

TEST_F(MainFormTest, OddDirectoriesOpenSoundly)
{
    start();
    // No languages at all: the grid shows one blank row and the bars stay empty.
    open(write(QStringLiteral("none.lng"), Lng::writeDocument({{}, -1, {}, {{"F", {"[a]"}, {}}}})));
    EXPECT_EQ(texts(menu("WindowsMenu")->actions()), QStringList({"Message Strings", "F"}));
    chooseWindowsItem(1);
    EXPECT_EQ(tabla()->model()->rowCount(), 1);
    EXPECT_EQ(panels("StatusValue"), QStringList({"", ""}));

    // A default index outside the list marks the first language; names are shown as written.
    open(write(QStringLiteral("far.lng"),
               Lng::writeDocument({{"R&D", "B"}, 7, {"&OK&", "OK", "Vale"}, {}})));
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"R&&D"}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"R&D", "OK"}));
}

TEST_F(MainFormTest, LaysColumnsOutByTheNumberOfLanguages)
{
    start();
    const QStringList seven{"a", "b", "c", "d", "e", "f", "g"};
    open(write(QStringLiteral("seven.lng"), Lng::writeDocument({seven, 0, {}, {}})));
    const int width = tabla()->width();
    EXPECT_EQ(tabla()->model()->columnCount(), 8);
    for (int col = 0; col < 8; ++col)
        EXPECT_EQ(tabla()->columnWidth(col), (width - 22) / 6) << col;

    window->resize(700, 375);
    QCoreApplication::processEvents();
    EXPECT_EQ(tabla()->columnWidth(3), (tabla()->width() - 22) / 6);

    open(writeSample());
    EXPECT_EQ(tabla()->model()->columnCount(), 3);
    EXPECT_EQ(tabla()->columnWidth(0), (tabla()->width() - 22) / 3);
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
        EXPECT_EQ(dialogs.shown()[0].title, "Confirmation");
        EXPECT_EQ(dialogs.shown()[0].text, question);
        EXPECT_EQ(doc().fileName(), file);
        EXPECT_TRUE(doc().isModified());
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
    menu("LanguagesMenu")->actions().at(0)->trigger();
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"English"}));
    EXPECT_EQ(panels("StatusValue"), QStringList({"English", "Main"}));
    // Choosing the language that is already the default keeps its mark.
    menu("LanguagesMenu")->actions().at(0)->trigger();
    EXPECT_EQ(checkedTexts(*menu("LanguagesMenu")), QStringList({"English"}));
}

TEST_F(MainFormTest, SwitchingTheInterfaceToSpanishKeepsTheDocument)
{
    start();
    const QString file = writeSample();
    open(file);
    chooseInterfaceLanguage(QStringLiteral("Español"));

    EXPECT_EQ(texts(named<QMenuBar>("MainMenu")->actions()),
              QStringList({"Archivo", "&Idiomas", "&Ver", "&Ventanas"}));
    EXPECT_EQ(action("OpenFile")->text(), "&Abrir");
    EXPECT_EQ(named<QToolButton>("BtnAbout")->toolTip(), "Acerca de...");
    EXPECT_EQ(checkedTexts(*menu("Language1")), QStringList({"Español"}));
    EXPECT_EQ(window->windowTitle(), ClosedCaption);
    // Texts fetched before the switch keep their language until fetched again.
    EXPECT_EQ(cell(0, 0), "Message ID");
    EXPECT_EQ(menu("WindowsMenu")->actions().at(0)->text(), "Message Strings");
    EXPECT_EQ(doc().fileName(), file);
    EXPECT_TRUE(doc().isOpen());
    EXPECT_FALSE(doc().isModified());

    chooseWindowsItem(1);
    EXPECT_EQ(cell(0, 0), "Objeto.Propiedad");
    EXPECT_EQ(panels("StatusObject")[0], "Objeto.Propiedad");

    Platform::RegistryKey key;
    ASSERT_TRUE(key.open(RegistryPath, false));
    EXPECT_EQ(key.readString(QStringLiteral("DefLang")), "Español");

    Dialogs dialogs{press("OK")};
    named<QToolButton>("BtnAbout")->click();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].title, "Información");
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith("ParloxEd 2.0 - Editor de Archivos"));
}

TEST_F(MainFormTest, AboutAndExit)
{
    start();
    {
        Dialogs dialogs{press("OK")};
        named<QToolButton>("BtnAbout")->click();
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].title, "Information");
        EXPECT_TRUE(dialogs.shown()[0].text.startsWith("ParloxEd 2.0 - Parlox Application"));
    }
    open(writeSample());
    action("ExitFile")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(doc().isOpen());
}

} // namespace
