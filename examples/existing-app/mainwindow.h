#pragma once

#include <QMainWindow>
#include <memory>

class QMenu;

namespace Ui {
class MainWindow;
}

namespace Parlox {
class TParloxSelect;
}

namespace ExistingApp {

// The application's main window as Qt Designer and uic made it, with the code such windows
// usually carry: retranslateUi on QEvent::LanguageChange, and a text built at run time.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Translates this window and gives its Language menu the selector's languages.
    void translate(Parlox::TParloxSelect &selector);
    QMenu *languageMenu() const;
    int languageChanges() const { return m_languageChanges; }

signals:
    void settingsRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showOrderCount();

    std::unique_ptr<Ui::MainWindow> m_ui;
    int m_languageChanges = 0;
};

} // namespace ExistingApp
