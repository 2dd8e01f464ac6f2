#include "settingsdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace ExistingApp {
namespace {

template <class Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent)
    : QDialog(parent), m_nameLabel(named(new QLabel(tr("Your &name:")), "nameLabel")),
      m_nameEdit(named(new QLineEdit, "nameEdit")),
      m_sizeLabel(named(new QLabel(tr("Text &size:")), "sizeLabel")),
      m_sizeSpin(named(new QSpinBox, "sizeSpin")),
      m_buttons(
          named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "buttons"))
{
    setObjectName(QStringLiteral("SettingsDialog"));
    setWindowTitle(tr("Settings"));
    m_nameEdit->setPlaceholderText(tr("First and last name"));
    m_nameLabel->setBuddy(m_nameEdit);
    m_sizeSpin->setRange(6, 72);
    m_sizeSpin->setValue(10);
    m_sizeSpin->setSuffix(tr(" pt"));
    m_sizeLabel->setBuddy(m_sizeSpin);
    auto *layout = new QFormLayout(this);
    layout->addRow(m_nameLabel, m_nameEdit);
    layout->addRow(m_sizeLabel, m_sizeSpin);
    layout->addRow(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace ExistingApp
