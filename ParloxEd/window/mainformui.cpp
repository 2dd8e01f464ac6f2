#include "mainformui.h"

#include "celleditdelegate.h"
#include "glyphiconengine.h"
#include "gridfocus.h"
#include "menuitem.h"
#include "opendialog.h"
#include "panefocus.h"
#include "statuspanelbar.h"

#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/platform/componentregistry.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/formdata.h>
#include <Parlox/registercomponents.h>
#include <Parlox/select.h>

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ParloxEd {

using namespace Parlox;

namespace {

const QString FormDataResource = QStringLiteral(":/parloxed/mainform.json");

constexpr QSize ClientSize(544, 375);
constexpr int ToolPanelHeight = 31;
constexpr int ToolButtonSide = 25;
constexpr int GlyphSide = 16;
constexpr int GridRowHeight = 18;
constexpr int StatusBarHeight = 19;

} // namespace

void setMenuEnabled(QMenu *menu, bool enabled)
{
    menu->setEnabled(enabled);
    menu->menuAction()->setEnabled(enabled);
}

void MainFormUi::setupUi(QMainWindow &window)
{
    m_window = &window;
    registerComponentClasses();
    readStoredForm();
    arrangeWidgets();
    addShortcuts();
    setUpGrid();
    m_window->resize(ClientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
}

QObject *MainFormUi::findComponent(const char *name) const
{
    return Platform::findComponent(m_window, QString::fromLatin1(name));
}

void MainFormUi::missing(const char *name)
{
    throw ComponentError(
        QStringLiteral("The main window's form data has no %1.").arg(QLatin1String(name)));
}

void MainFormUi::registerComponentClasses()
{
    static const bool registered = [] {
        auto &registry = Platform::ComponentRegistry::instance();
        registerComponents();
        registry.add<QTableView>();
        registry.add<StatusPanelBar>();
        registry.add<OpenDialog>();
        registry.add<MenuItem>();
        return true;
    }();
    static_cast<void>(registered);
}

void MainFormUi::readStoredForm()
{
    QFile data(FormDataResource);
    if (!data.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("The main window's form data is missing."));
    Platform::readFormData(m_window, data.readAll());

    selector = component<TParloxSelect>("ParloxSelect");
    translator = component<TParloxForm>("ParloxForm");
    languagesMenu = component<QMenu>("Languages");
    languageItems = component<QMenu>("LanguagesMenu");
    viewMenu = component<QMenu>("ViewMenu");
    windowsMenu = component<QMenu>("WindowsMenu");
    formView = component<QAction>("Form1");
    userView = component<QAction>("Userstrings1");
    tabla = component<QTableView>("Tabla");
    statusObject = component<StatusPanelBar>("StatusObject");
    statusValue = component<StatusPanelBar>("StatusValue");
    openDialog = component<OpenDialog>("OpenDialog");
}

// The stored form names the window's parts; where they sit is decided here.
void MainFormUi::arrangeWidgets()
{
    m_window->setMenuBar(component<QMenuBar>("MainMenu"));
    for (QMenu *menu : {languagesMenu, viewMenu, windowsMenu})
        setMenuEnabled(menu, menu->isEnabled());

    auto *panel = component<QWidget>("Panel1");
    panel->setFixedHeight(ToolPanelHeight);
    auto *buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(7, 3, 0, 3);
    buttons->setSpacing(1);
    const std::pair<const char *, QIcon> glyphs[] = {
        {"BtnOpen", m_window->style()->standardIcon(QStyle::SP_DialogOpenButton)},
        {"BtnSave", m_window->style()->standardIcon(QStyle::SP_DialogSaveButton)},
        {"BtnExit", GlyphIconEngine::icon(GlyphIconEngine::Glyph::RedCross)},
        {"BtnAbout", GlyphIconEngine::icon(GlyphIconEngine::Glyph::YellowQuestionMark)},
    };
    for (const auto &[name, icon] : glyphs) {
        auto *button = component<QToolButton>(name);
        button->setFixedSize(ToolButtonSide, ToolButtonSide);
        button->setIconSize(QSize(GlyphSide, GlyphSide));
        button->setIcon(icon);
        // A tool button is clicked, never typed into: a key meant for a text must not land on
        // a button that shows no focus and run its command.
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *client = new QWidget(m_window);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(panel);
    column->addWidget(tabla, 1);
    for (StatusPanelBar *bar : {statusObject, statusValue}) {
        bar->setMinimumHeight(StatusBarHeight);
        column->addWidget(bar);
    }
    m_window->setCentralWidget(client);
}

// The desktop's usual keys; a shortcut shows beside a menu caption and never changes it.
void MainFormUi::addShortcuts()
{
    component<QAction>("OpenFile")->setShortcut(QKeySequence::Open);
    component<QAction>("SaveFile")->setShortcut(QKeySequence::Save);
    // Not every keyboard scheme has a Quit key (the Windows one, also used offscreen, has not).
    QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quit.isEmpty())
        quit.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    component<QAction>("ExitFile")->setShortcuts(quit);
    // F10 opens the first menu and the arrows walk on from there: every menu is reached from
    // the keyboard also where two captions share an access key ("&Ver", "&Ventanas").
    auto *menus = new QShortcut(QKeySequence(Qt::Key_F10), m_window);
    QMenuBar *bar = m_window->menuBar();
    QObject::connect(menus, &QShortcut::activated, bar,
                     [bar] { bar->setActiveAction(bar->actions().value(0)); });
}

void MainFormUi::setUpGrid()
{
    tabla->setItemDelegate(new CellEditDelegate(tabla));
    tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The in-place editor follows the selected cell.
    tabla->setEditTriggers(QAbstractItemView::AllEditTriggers);
    gridFocus = new GridFocus(*tabla);
    paneFocus = new PaneFocus(*m_window, *tabla, *gridFocus);
    tabla->setFocus();
    // The key column is the grid's fixed column; the header row is its fixed row.
    tabla->verticalHeader()->hide();
    QHeaderView *columns = tabla->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsMovable(false);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView *rows = tabla->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    // Rows are 18 pixels high where the desktop font fits in them.
    rows->setDefaultSectionSize(std::max(GridRowHeight, tabla->fontMetrics().height() + 6));
}

} // namespace ParloxEd
