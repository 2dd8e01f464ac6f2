#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QTableView;

namespace Parlox {
class TParloxForm;
class TParloxSelect;
} // namespace Parlox

namespace ParloxEd {

class GridFocus;
class OpenDialog;
class PaneFocus;
class StatusPanelBar;

// The one-time building of the editor's main window: its stored form data (the resource
// mainform.json) is read into the window, which creates its components and translation
// components; then the widgets are arranged and the grid is set up. The parts the window
// works with afterwards are kept here by the names the form data gives them.
class MainFormUi {
public:
    // Everything but the grid's model. Throws ComponentError when the form data lacks a part,
    // FileError when it is missing.
    void setupUi(QMainWindow &window);

    // The component of that name and class in the window; throws ComponentError when absent.
    template <class T> T *component(const char *name) const
    {
        auto *found = qobject_cast<T *>(findComponent(name));
        if (!found)
            missing(name);
        return found;
    }

    Parlox::TParloxSelect *selector = nullptr;
    Parlox::TParloxForm *translator = nullptr;
    QMenu *languagesMenu = nullptr; // Languages (the top menu)
    QMenu *languageItems = nullptr; // Languages > In application
    QMenu *viewMenu = nullptr;
    QMenu *windowsMenu = nullptr;
    QAction *formView = nullptr;
    QAction *userView = nullptr;
    QTableView *tabla = nullptr;
    GridFocus *gridFocus = nullptr;
    PaneFocus *paneFocus = nullptr;
    StatusPanelBar *statusObject = nullptr;
    StatusPanelBar *statusValue = nullptr;
    OpenDialog *openDialog = nullptr;

private:
    QObject *findComponent(const char *name) const;
    [[noreturn]] static void missing(const char *name);
    static void registerComponentClasses();
    void readStoredForm();
    void arrangeWidgets();
    void addShortcuts();
    void setUpGrid();

    QMainWindow *m_window = nullptr;
};

// Enables or disables a menu together with its entry in the menu above it.
void setMenuEnabled(QMenu *menu, bool enabled);

} // namespace ParloxEd
