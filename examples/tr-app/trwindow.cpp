#include "trwindow.h"

#include <Parlox/parloxcombobox.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace TrApp {

TrWindow::TrWindow(Parlox::TParloxSelect &selector, QWidget *parent) : QMainWindow(parent)
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_quit = m_fileMenu->addAction(QString(), qApp, &QApplication::closeAllWindows);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_greeting = new QLabel(central);
    layout->addWidget(m_greeting);
    auto *form = new QFormLayout;
    m_languageLabel = new QLabel(central);
    m_picker = new Parlox::TParloxComboBox(central);
    m_picker->setObjectName(QStringLiteral("LanguagePicker"));
    m_picker->setPxLanguageSelector(&selector);
    form->addRow(m_languageLabel, m_picker);
    m_filesLabel = new QLabel(central);
    m_files = new QSpinBox(central);
    m_files->setObjectName(QStringLiteral("Files"));
    m_files->setRange(0, 100);
    m_files->setValue(1);
    form->addRow(m_filesLabel, m_files);
    layout->addLayout(form);
    m_count = new QLabel(central);
    m_count->setObjectName(QStringLiteral("Count"));
    layout->addWidget(m_count);
    m_open = new QPushButton(central);
    m_open->setObjectName(QStringLiteral("Open"));
    layout->addWidget(m_open);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close, central);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(m_buttons);
    setCentralWidget(central);
    connect(m_files, &QSpinBox::valueChanged, this, &TrWindow::showCount);
    retranslate();
}

void TrWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void TrWindow::retranslate()
{
    setWindowTitle(tr("Parlox tr() example"));
    m_fileMenu->setTitle(tr("&File"));
    m_quit->setText(tr("&Quit"));
    m_greeting->setText(tr("Every text of this window comes from tr()."));
    m_languageLabel->setText(tr("&Language:"));
    m_filesLabel->setText(tr("Files:"));
    m_open->setText(tr("Open", "verb: open the files"));
    showCount();
}

void TrWindow::showCount()
{
    m_count->setText(tr("%n file(s) selected", nullptr, m_files->value()));
}

} // namespace TrApp
