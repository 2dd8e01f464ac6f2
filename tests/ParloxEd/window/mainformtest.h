#pragma once

// The editor's main window driven as a user drives it: menu items triggered, tool buttons
// clicked, cells typed into, and every dialog answered through the modal seam.
#include "editordocument.h"
#include "lockholder.h"
#include "mainform.h"
#include "statuspanelbar.h"
#include "tablegridmodel.h"
#include "tempdir.h"
#include <Parlox/format/lngfile.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/platform/registrykey.h>

#include <QtTest>
#include <QtWidgets>

using ParloxEd::EditorDocument;
using ParloxEd::StatusPanelBar;
using ParloxEd::TMainForm;
namespace Lng = Parlox::Lng;
namespace Platform = Parlox::Platform;

namespace EditorWindowTest {

inline const QString RegistryPath = QStringLiteral("\\Software\\Velmont\\ParloxEd");
inline const QString ClosedCaption = QStringLiteral("Velmont - ParloxEd - Closed");

// Two languages, Español the default; "Main" has both tables, "Tools" only user strings and
// "Empty" neither, so it is not part of the document.
inline Lng::Document sampleDocument()
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

using Answer = std::function<void(QDialog &)>;

inline Answer press(const char *button)
{
    return [button](QDialog &dialog) {
        auto *found = dialog.findChild<QPushButton *>(QLatin1String(button));
        ASSERT_NE(found, nullptr) << "no button " << button;
        found->click();
    };
}

inline Answer pressEscape()
{
    return [](QDialog &dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
}

inline Answer chooseFile(const QString &path)
{
    return [path](QDialog &dialog) {
        auto *files = qobject_cast<QFileDialog *>(&dialog);
        ASSERT_NE(files, nullptr) << "not the open dialog";
        files->selectFile(path);
        dialog.accept(); // QFileDialog's own accept checks the chosen file
    };
}

inline Answer cancelDialog()
{
    return [](QDialog &dialog) { dialog.reject(); };
}

inline Answer enter(const QString &text)
{
    return [text](QDialog &dialog) {
        auto *input = qobject_cast<QInputDialog *>(&dialog);
        ASSERT_NE(input, nullptr) << "not an input box";
        input->setTextValue(text);
        input->accept();
    };
}

// Answers the dialogs in order and records each one; a dialog nobody expected fails the test.
class Dialogs {
public:
    explicit Dialogs(std::initializer_list<Answer> answers) : m_answers(answers) {}
    explicit Dialogs(QList<Answer> answers) : m_answers(std::move(answers)) {}
    ~Dialogs() { EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " dialogs never came"; }

    // "title|text" of each dialog shown, an input box's text being its prompt.
    const QStringList &summary() const { return m_shown; }

private:
    void answer(QDialog &dialog)
    {
        const auto *message = dialog.findChild<QLabel *>(QStringLiteral("Message"));
        const auto *input = qobject_cast<QInputDialog *>(&dialog);
        m_shown.append(dialog.windowTitle() + u'|' +
                       (input     ? input->labelText()
                        : message ? message->text()
                                  : QString()));
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
            return;
        }
        m_answers.takeFirst()(dialog);
    }

    QList<Answer> m_answers;
    QStringList m_shown;
    Platform::ModalHandlerGuard m_guard{[this](QDialog &dialog) { answer(dialog); }};
};

inline QStringList texts(const QList<QAction *> &items, bool checkedOnly = false)
{
    QStringList out;
    for (const QAction *item : items) {
        if (!checkedOnly || item->isChecked())
            out.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    return out;
}

inline QStringList checkedTexts(const QMenu &menu)
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

    // A started window, active, with the file open; the file's path.
    QString startOn(const QString &file)
    {
        start();
        open(file);
        QApplication::setActiveWindow(window.get());
        return file;
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
    void chooseLanguage(int i) const { menu("LanguagesMenu")->actions().at(i)->trigger(); }

    // Runs a menu command with its dialogs answered in order; what they showed.
    QStringList command(const char *name, QList<Answer> answers = {}) const
    {
        Dialogs dialogs(std::move(answers));
        action(name)->trigger();
        return dialogs.summary();
    }

    void selectCell(int col, int row) const
    {
        tabla()->setCurrentIndex(tabla()->model()->index(row - 1, col));
    }

    // The in-place editor of the selected cell.
    QLineEdit *cellEditor() const
    {
        QLineEdit *editor = nullptr;
        for (QLineEdit *candidate : tabla()->viewport()->findChildren<QLineEdit *>()) {
            if (candidate->isVisible())
                editor = candidate;
        }
        EXPECT_NE(editor, nullptr) << "no open cell editor";
        return editor;
    }

    // Types into the in-place editor of the selected cell, replacing its text unless told to
    // type where the cursor is.
    void type(const QString &text, bool replacing = true) const
    {
        QLineEdit *editor = cellEditor();
        ASSERT_NE(editor, nullptr);
        if (replacing)
            editor->selectAll();
        // Key by key, as typed; QTest's key helpers know only ASCII.
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(editor, &press);
        }
    }

    // The interface languages are listed English, Español.
    void chooseSpanishInterface() const { menu("Language1")->actions().at(1)->trigger(); }

    std::unique_ptr<TMainForm> window;
};

} // namespace EditorWindowTest
