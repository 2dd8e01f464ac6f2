#pragma once

#include "editordocument.h"
#include "parloxtypes.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class QTableView;
class QToolButton;

namespace Parlox {
class TParloxForm;
class TParloxSelect;
class TParloxMenu;
} // namespace Parlox

namespace ParloxEd {

class OpenDialog;
class StatusPanelBar;
class TableGridModel;

// The editor's main window: menus, tool buttons, the grid `Tabla` and two status bars that
// mirror the EditorDocument. Its components and every text it shows come from its stored
// form data (the resource mainform.json); the window's own translation components turn them
// into the interface language.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // Makes the classes of the stored form data known to its reader. Idempotent.
    static void registerComponentClasses();

    EditorDocument &document() { return *m_document; }
    const EditorDocument &document() const { return *m_document; }

    // The handlers, public so that the program and its tests can run each command the way
    // its menu item or tool button does.
    void BtnOpenFileClick();
    void LoadFile(const QString &fileName);
    void WindowsItemClick(int item);
    void ViewClick(EditorDocument::View view);
    void TablaSelectCell(int col, int row);
    void LanguageItemClick(int language);
    void BtnExitClick();
    void BtnAboutClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    template <class T> T *component(const char *name) const;
    void readStoredForm();
    void arrangeWidgets();
    void setUpGrid();
    void connectCommands();
    void connectEditingCommands();
    void connectDocument();

    void FormCreate();
    void FormShow();
    void FormResize();
    bool FormCloseQuery();
    void FormClose();

    // Runs a handler; any error it raises is shown in an error box instead of leaving it.
    void guarded(const std::function<void()> &handler);
    void showError(const QString &message);
    QString userString(const QString &identifier) const;
    int messageBox(const QString &text, Parlox::TMsgDlgType kind,
                   Parlox::TMsgDlgButtons buttons) const;

    void applyLoadResult(EditorDocument::LoadResult result);
    // Replaces the menu's items by one checkable item per caption; a click calls `click` with
    // the item's position.
    void fillCheckableItems(QMenu *menu, const QStringList &captions,
                            void (TMainForm::*click)(int));
    void rebuildLanguageItems();
    void rebuildWindowsItems();
    void markLanguageItems();
    void markWindowsItems();
    void markViewItems();
    void selectFirstRow();
    int currentGridRow() const;
    void refreshStatusBars(int row);
    void setMenuEnabled(QMenu *menu, bool enabled);

    EditorDocument *m_document = nullptr;

    Parlox::TParloxSelect *m_selector = nullptr;
    Parlox::TParloxForm *m_translator = nullptr;
    QMenu *m_languagesMenu = nullptr; // Languages (the top menu)
    QMenu *m_languageItems = nullptr; // Languages > In application
    QMenu *m_viewMenu = nullptr;
    QMenu *m_windowsMenu = nullptr;
    QAction *m_formView = nullptr;
    QAction *m_userView = nullptr;
    QTableView *m_tabla = nullptr;
    StatusPanelBar *m_statusObject = nullptr;
    StatusPanelBar *m_statusValue = nullptr;
    OpenDialog *m_openDialog = nullptr;
    int m_selectedColumn = 1;
    bool m_shown = false;
};

} // namespace ParloxEd
