#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <Parlox/form.h>
#include <Parlox/parloxmenu.h>
#include <Parlox/windowtranslation.h>

#include <QEvent>

namespace ExistingApp {

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    connect(m_ui->settingsButton, &QPushButton::clicked, this, &MainWindow::settingsRequested);
    connect(m_ui->actionQuit, &QAction::triggered, this, &QWidget::close);
}

MainWindow::~MainWindow() = default;

QMenu *MainWindow::languageMenu() const
{
    return m_ui->languageMenu;
}

void MainWindow::translate(Parlox::TParloxSelect &selector)
{
    Parlox::translateWindow(*this, selector);
    auto *picker = new Parlox::TParloxMenu(this);
    picker->setMenu(m_ui->languageMenu);
    picker->setPxLanguageSelector(&selector);
    showOrderCount();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ++m_languageChanges;
        m_ui->retranslateUi(this);
        showOrderCount();
    }
    QMainWindow::changeEvent(event);
}

// A text made at run time comes from the window's user strings, in the active language.
void MainWindow::showOrderCount()
{
    auto *translator = findChild<Parlox::TParloxForm *>();
    if (!translator)
        return;
    const int count = m_ui->orderTree->topLevelItemCount();
    statusBar()->showMessage(translator->GetUserString(QStringLiteral("ORDERS_SHOWN")).arg(count));
}

} // namespace ExistingApp
