#include "demoaboutbox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ParloxDemo {

DemoAboutBox::DemoAboutBox(Storage storage, QWidget *parent) : QDialog(parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("AboutText"));
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BtnOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    readForm(this, QStringLiteral(":/demo/demoaboutbox.json"), storage);
}

} // namespace ParloxDemo
