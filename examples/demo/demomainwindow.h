#pragma once

#include "demoforms.h"

#include <QMainWindow>

namespace Parlox {
class TParloxForm;
class TParloxSelect;
} // namespace Parlox

namespace ParloxDemo {

// The demo's main window. Its widgets are laid out in code, each named by role; the Parlox
// components (the selector, the translator and the two language pickers) and every translated
// text come from its stored form data.
class DemoMainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Throws Parlox::Error when the form data cannot be read.
    explicit DemoMainWindow(Storage storage, QWidget *parent = nullptr);

    Parlox::TParloxSelect &selector() const { return *m_selector; }
    Parlox::TParloxForm &translator() const { return *m_translator; }

    // Opens the About box, modally, in the current language.
    void showAbout();

private:
    void buildMenus();
    QWidget *buildGeneralPage();
    void sayHello();
    void openFile();

    Storage m_storage;
    Parlox::TParloxSelect *m_selector = nullptr;
    Parlox::TParloxForm *m_translator = nullptr;
};

} // namespace ParloxDemo
