#pragma once

#include <QMainWindow>

class QAction;
class QDialogButtonBox;
class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;

namespace Parlox {
class TParloxComboBox;
class TParloxSelect;
} // namespace Parlox

namespace TrApp {

// A window written as any Qt application is: every text comes from tr() and is set again on
// LanguageChange. Its only Parlox part is the language picker.
class TrWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit TrWindow(Parlox::TParloxSelect &selector, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showCount();

    QMenu *m_fileMenu = nullptr;
    QAction *m_quit = nullptr;
    QLabel *m_greeting = nullptr;
    QLabel *m_languageLabel = nullptr;
    Parlox::TParloxComboBox *m_picker = nullptr;
    QLabel *m_filesLabel = nullptr;
    QSpinBox *m_files = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_open = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace TrApp
