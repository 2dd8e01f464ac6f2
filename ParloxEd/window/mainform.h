#pragma once

#include "editordocument.h"
#include "mainformui.h"

#include <QMainWindow>
#include <functional>

namespace ParloxEd {

class DocumentState;
class GridFilterModel;
class UserDialogs;
class Workbench;

// The editor's main window: menus, tool buttons, the grid `Tabla` and two status bars that
// mirror the EditorDocument. Its components and every text it shows come from its stored
// form data (the resource mainform.json); the window's own translation components turn them
// into the interface language. The commands live on the document; the window asks the user
// what they need and turns their results into message boxes.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    EditorDocument &document() { return *m_document; }
    const EditorDocument &document() const { return *m_document; }

    // The handlers, public so that the program and its tests can run each command the way
    // its menu item or tool button does.
    void BtnOpenFileClick();
    void LoadFile(const QString &fileName);
    // Opens a file named on the command line, dropped on the window or chosen from File >
    // Recent files: one that is not there is said so; any other goes the Open command's way,
    // asking before edits are discarded.
    void OpenFileNamed(const QString &fileName);
    void BtnSaveFileClick();
    void WindowsItemClick(int item);
    void ViewClick(EditorDocument::View view);
    void TablaSelectCell(int col, int row);
    void LanguageItemClick(int language);
    void Add1Click();
    void Rename1Click();
    void Delete1Click();
    void BtnExitClick();
    void BtnAboutClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // The grid resizing, with the window or beside a pane, runs FormResize.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectCommands();
    void connectDocument();

    void FormCreate();
    void FormShow();
    void FormResize();
    bool FormCloseQuery();
    void FormClose();

    void guarded(const std::function<void()> &handler) const;
    QString userString(const QString &identifier) const;
    // Asks for a language by name: its position, or -1 when the box was cancelled or left
    // empty, or when no language has that name (then said with the user string `unknown`).
    int askLanguage(const char *caption, const char *prompt, const char *unknown);

    // When the document is modified, asks whether to discard it.
    bool confirmOpen();
    void applyLoadResult(const LoadResult &result);
    void selectFirstRow();
    // The entry selected in the grid; the first when none is.
    int currentEntry() const;
    // The key and the default language's value of an entry, and the default's name.
    void refreshStatusBars(int entry);

    EditorDocument *m_document = nullptr;
    MainFormUi m_ui;
    UserDialogs *m_dialogs = nullptr;
    GridFilterModel *m_filter = nullptr;
    Workbench *m_workbench = nullptr;
    DocumentState *m_state = nullptr;
    int m_selectedColumn = 1;
    bool m_shown = false;
};

} // namespace ParloxEd
