#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ExistingApp {

// A dialog written in C++, with no form data of any kind.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget *parent = nullptr);

private:
    QLabel *m_nameLabel;
    QLineEdit *m_nameEdit;
    QLabel *m_sizeLabel;
    QSpinBox *m_sizeSpin;
    QDialogButtonBox *m_buttons;
};

} // namespace ExistingApp
