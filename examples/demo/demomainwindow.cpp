#include "demomainwindow.h"

#include "demoaboutbox.h"
#include <Parlox/form.h>
#include <Parlox/parloxcombobox.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/select.h>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace ParloxDemo {
namespace {

template <class T, class... Args> T *named(const QString &name, Args &&...args)
{
    auto *object = new T(std::forward<Args>(args)...);
    object->setObjectName(name);
    return object;
}

} // namespace

DemoMainWindow::DemoMainWindow(Storage storage, QWidget *parent)
    : QMainWindow(parent), m_storage(storage)
{
    buildMenus();
    auto *tabs = named<QTabWidget>(QStringLiteral("Tabs"), this);
    tabs->addTab(buildGeneralPage(), QString());
    // Three lines, so the translator has three items to replace.
    tabs->addTab(named<QPlainTextEdit>(QStringLiteral("Notes"), QStringLiteral("\n\n"), tabs),
                 QString());
    setCentralWidget(tabs);
    resize(560, 320);

    readForm(this, QStringLiteral(":/demo/demomainwindow.json"), storage);
    m_selector = findChild<Parlox::TParloxSelect *>(QStringLiteral("Select"));
    m_translator = findChild<Parlox::TParloxForm *>(QStringLiteral("Translator"));
}

void DemoMainWindow::buildMenus()
{
    auto *file = named<QMenu>(QStringLiteral("FileMenu"), this);
    auto *open = named<QAction>(QStringLiteral("OpenAction"), file);
    connect(open, &QAction::triggered, this, &DemoMainWindow::openFile);
    file->addAction(open);
    file->addSeparator();
    auto *exit = named<QAction>(QStringLiteral("ExitAction"), file);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    file->addAction(exit);
    menuBar()->addMenu(file);
    // Filled by the menu picker with one item per language.
    menuBar()->addMenu(named<QMenu>(QStringLiteral("LanguageMenu"), this));
    auto *help = named<QMenu>(QStringLiteral("HelpMenu"), this);
    auto *about = named<QAction>(QStringLiteral("AboutAction"), help);
    connect(about, &QAction::triggered, this, &DemoMainWindow::showAbout);
    help->addAction(about);
    menuBar()->addMenu(help);
}

QWidget *DemoMainWindow::buildGeneralPage()
{
    auto *page = named<QWidget>(QStringLiteral("GeneralPage"));
    auto *grid = new QGridLayout(page);
    grid->addWidget(named<QLabel>(QStringLiteral("Greeting"), page), 0, 0, 1, 3);
    auto *hello = named<QPushButton>(QStringLiteral("BtnHello"), page);
    connect(hello, &QPushButton::clicked, this, &DemoMainWindow::sayHello);
    grid->addWidget(hello, 1, 0);
    auto *about = named<QPushButton>(QStringLiteral("BtnAbout"), page);
    connect(about, &QPushButton::clicked, this, &DemoMainWindow::showAbout);
    grid->addWidget(about, 1, 1);
    grid->addWidget(named<QLabel>(QStringLiteral("FruitLabel"), page), 2, 0);
    auto *fruit = named<QListWidget>(QStringLiteral("FruitList"), page);
    fruit->addItems({QString(), QString(), QString()});
    grid->addWidget(fruit, 3, 0, 4, 1);
    grid->addWidget(named<QLabel>(QStringLiteral("SizeLabel"), page), 2, 1);
    auto *size = named<QComboBox>(QStringLiteral("SizeCombo"), page);
    size->addItems({QString(), QString(), QString()});
    grid->addWidget(size, 3, 1);
    grid->addWidget(named<QLabel>(QStringLiteral("LanguageLabel"), page), 4, 1);
    // The combo-box picker: linked to the selector by the form data.
    grid->addWidget(named<Parlox::TParloxComboBox>(QStringLiteral("LanguageCombo"), page), 5, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);
    return page;
}

void DemoMainWindow::sayHello()
{
    m_selector->MessageDlg(m_translator->GetUserString(QStringLiteral("HELLO")),
                           Parlox::mtInformation, Parlox::mbOK);
}

void DemoMainWindow::openFile()
{
    m_selector->MessageDlg(m_translator->GetUserString(QStringLiteral("NO_FILES")),
                           Parlox::mtWarning, Parlox::mbOK);
}

void DemoMainWindow::showAbout()
{
    DemoAboutBox about(m_storage, this);
    Parlox::Platform::showModal(about);
}

} // namespace ParloxDemo
