#include "mainform.h"

#include "celleditdelegate.h"
#include "glyphiconengine.h"
#include "menuitem.h"
#include "opendialog.h"
#include "statuspanelbar.h"
#include "tablegridmodel.h"

#include "errors.h"
#include "form.h"
#include "platform/application.h"
#include "platform/componentregistry.h"
#include "platform/formcomponents.h"
#include "platform/formdata.h"
#include "platform/standarddialogs.h"
#include "registercomponents.h"
#include "select.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace ParloxEd {

using namespace Parlox;
using View = EditorDocument::View;

namespace {

const QString FormDataResource = QStringLiteral(":/parloxed/mainform.json");

constexpr QSize ClientSize(544, 375);
constexpr int ToolPanelHeight = 31;
constexpr int ToolButtonSide = 25;
constexpr int GlyphSide = 16;
constexpr int GridRowHeight = 18;
constexpr int StatusBarHeight = 19;

// "&" marks an access key in a menu caption; a language or form name is shown as written.
QString menuCaption(QString name)
{
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    registerComponentClasses();
    readStoredForm();
    FormCreate();
    arrangeWidgets();
    setUpGrid();
    connectCommands();
    connectDocument();
    resize(ClientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TMainForm::~TMainForm() = default;

void TMainForm::registerComponentClasses()
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

template <class T> T *TMainForm::component(const char *name) const
{
    const QString wanted = QLatin1String(name);
    auto *found = qobject_cast<T *>(Platform::findComponent(this, wanted));
    if (!found)
        throw ComponentError(QStringLiteral("The main window's form data has no %1.").arg(wanted));
    return found;
}

void TMainForm::readStoredForm()
{
    QFile data(FormDataResource);
    if (!data.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("The main window's form data is missing."));
    Platform::readFormData(this, data.readAll());

    m_selector = component<TParloxSelect>("ParloxSelect");
    m_translator = component<TParloxForm>("ParloxForm");
    m_languagesMenu = component<QMenu>("Languages");
    m_languageItems = component<QMenu>("LanguagesMenu");
    m_viewMenu = component<QMenu>("ViewMenu");
    m_windowsMenu = component<QMenu>("WindowsMenu");
    m_formView = component<QAction>("Form1");
    m_userView = component<QAction>("Userstrings1");
    m_tabla = component<QTableView>("Tabla");
    m_statusObject = component<StatusPanelBar>("StatusObject");
    m_statusValue = component<StatusPanelBar>("StatusValue");
    m_openDialog = component<OpenDialog>("OpenDialog");
}

// The stored form names the window's parts; where they sit is decided here.
void TMainForm::arrangeWidgets()
{
    setMenuBar(component<QMenuBar>("MainMenu"));
    for (QMenu *menu : {m_languagesMenu, m_viewMenu, m_windowsMenu})
        setMenuEnabled(menu, menu->isEnabled());

    auto *panel = component<QWidget>("Panel1");
    panel->setFixedHeight(ToolPanelHeight);
    auto *buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(7, 3, 0, 3);
    buttons->setSpacing(1);
    const std::pair<const char *, QIcon> glyphs[] = {
        {"BtnOpen", style()->standardIcon(QStyle::SP_DialogOpenButton)},
        {"BtnSave", style()->standardIcon(QStyle::SP_DialogSaveButton)},
        {"BtnExit", GlyphIconEngine::icon(GlyphIconEngine::Glyph::RedCross)},
        {"BtnAbout", GlyphIconEngine::icon(GlyphIconEngine::Glyph::YellowQuestionMark)},
    };
    for (const auto &[name, icon] : glyphs) {
        auto *button = component<QToolButton>(name);
        button->setFixedSize(ToolButtonSide, ToolButtonSide);
        button->setIconSize(QSize(GlyphSide, GlyphSide));
        button->setIcon(icon);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(panel);
    column->addWidget(m_tabla, 1);
    for (StatusPanelBar *bar : {m_statusObject, m_statusValue}) {
        bar->setMinimumHeight(StatusBarHeight);
        column->addWidget(bar);
    }
    setCentralWidget(client);
}

void TMainForm::setUpGrid()
{
    m_tabla->setModel(m_document->grid());
    m_tabla->setItemDelegate(new CellEditDelegate(m_tabla));
    m_tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabla->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The in-place editor follows the selected cell.
    m_tabla->setEditTriggers(QAbstractItemView::AllEditTriggers);
    // The key column is the grid's fixed column; the header row is its fixed row.
    m_tabla->verticalHeader()->hide();
    QHeaderView *columns = m_tabla->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsMovable(false);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView *rows = m_tabla->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    // Rows are 18 pixels high where the desktop font fits in them.
    rows->setDefaultSectionSize(std::max(GridRowHeight, m_tabla->fontMetrics().height() + 6));
    connect(m_tabla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!current.isValid())
                    return;
                m_selectedColumn = current.column();
                guarded([&] { TablaSelectCell(current.column(), current.row() + 1); });
            });
}

void TMainForm::connectCommands()
{
    const auto run = [this](std::function<void()> handler) {
        return [this, handler = std::move(handler)] { guarded(handler); };
    };
    const auto open = run([this] { BtnOpenFileClick(); });
    const auto exit = run([this] { BtnExitClick(); });
    connect(component<QAction>("OpenFile"), &QAction::triggered, this, open);
    connect(component<QToolButton>("BtnOpen"), &QToolButton::clicked, this, open);
    connect(component<QAction>("ExitFile"), &QAction::triggered, this, exit);
    connect(component<QToolButton>("BtnExit"), &QToolButton::clicked, this, exit);
    connect(component<QToolButton>("BtnAbout"), &QToolButton::clicked, this,
            run([this] { BtnAboutClick(); }));
    connect(m_formView, &QAction::triggered, this, run([this] { ViewClick(View::FormStrings); }));
    connect(m_userView, &QAction::triggered, this, run([this] { ViewClick(View::UserStrings); }));
    connectEditingCommands();
}

// Save (SaveFile, BtnSave) and the language commands (Add1, Rename1, Delete1) are connected
// here once the document can write itself and change its language list; until then their
// items are shown and do nothing.
void TMainForm::connectEditingCommands() {}

void TMainForm::connectDocument()
{
    EditorDocument *doc = m_document;
    connect(doc, &EditorDocument::languagesChanged, this, &TMainForm::rebuildLanguageItems);
    connect(doc, &EditorDocument::defaultLanguageChanged, this, &TMainForm::markLanguageItems);
    connect(doc, &EditorDocument::windowsItemsChanged, this, &TMainForm::rebuildWindowsItems);
    connect(doc, &EditorDocument::currentItemChanged, this, &TMainForm::markWindowsItems);
    connect(doc, &EditorDocument::viewChanged, this, &TMainForm::markViewItems);
    connect(doc, &EditorDocument::tableShown, this, [this](const QString &title) {
        m_statusObject->setPanelText(0, title);
        selectFirstRow();
    });
    // The bars describe the table shown; with the document gone there is none.
    connect(doc, &EditorDocument::openChanged, this, [this](bool open) {
        if (!open) {
            m_statusObject->clearPanels();
            m_statusValue->clearPanels();
        }
    });
}

void TMainForm::FormCreate()
{
    m_document = new EditorDocument(this);
    m_document->setTextLookup([this](const QString &identifier) { return userString(identifier); });
}

void TMainForm::FormShow()
{
    TableGridModel *grid = m_document->grid();
    grid->setCell(int(TableGridModel::Column::Key), 0,
                  userString(QStringLiteral("OBJECT_PROPERTY")));
    grid->setCell(int(TableGridModel::Column::FirstLanguage), 0,
                  userString(QStringLiteral("LANGUAGES")));
}

void TMainForm::FormResize()
{
    if (!m_tabla)
        return;
    const ColumnLayout layout = m_document->columnLayout(m_tabla->width());
    QHeaderView *columns = m_tabla->horizontalHeader();
    columns->setDefaultSectionSize(layout.columnWidth);
    for (int col = 0; col < columns->count(); ++col)
        columns->resizeSection(col, layout.columnWidth);
}

// Asking before unsaved changes are discarded comes with the Save command; until then the
// window may always close.
bool TMainForm::FormCloseQuery()
{
    return true;
}

void TMainForm::FormClose()
{
    m_document->closeDocument();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        guarded([this] {
            FormShow();
            FormResize();
        });
    }
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    guarded([this] { FormResize(); });
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool allowed = false;
    guarded([&] { allowed = FormCloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    guarded([this] { FormClose(); });
    event->accept();
}

void TMainForm::guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Parlox::Error &error) {
        showError(error.message());
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
}

void TMainForm::showError(const QString &message)
{
    try {
        messageBox(message, mtError, mbOK);
    } catch (const std::exception &) {
        // The translated dialog itself failed; the standard box still tells the user.
        Platform::showMessageBox(QMessageBox::Critical, Platform::Application::instance().title(),
                                 message, QMessageBox::Ok, this);
    }
}

QString TMainForm::userString(const QString &identifier) const
{
    return m_translator->GetUserString(identifier);
}

int TMainForm::messageBox(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons) const
{
    return m_selector->MessageDlg(text, kind, buttons);
}

void TMainForm::BtnOpenFileClick()
{
    if (m_document->isOpen()) {
        m_document->commitGrid();
        if (m_document->isModified() && messageBox(userString(QStringLiteral("OPEN_CONFIRMATION")),
                                                   mtConfirmation, mbYes | mbNo) == mrNo)
            return;
    }
    if (const std::optional<QString> chosen = m_openDialog->Execute())
        LoadFile(*chosen);
}

void TMainForm::LoadFile(const QString &fileName)
{
    applyLoadResult(m_document->loadFile(fileName));
}

void TMainForm::applyLoadResult(EditorDocument::LoadResult result)
{
    using Result = EditorDocument::LoadResult;
    const auto failed = [this](const char *identifier) {
        setWindowTitle(userString(QStringLiteral("FILE_CLOSED")));
        messageBox(userString(QLatin1String(identifier)), mtError, mbOK);
    };
    switch (result) {
    case Result::NoFile:
        return;
    case Result::OpenError:
        return failed("FILE_OPEN_ERROR");
    case Result::Invalid:
        return failed("FILE_INVALID");
    case Result::NotParlox:
        return failed("FILE_NOT_PARLOX");
    case Result::Loaded:
        break;
    }
    setMenuEnabled(m_languagesMenu, true);
    setMenuEnabled(m_windowsMenu, true);
    setMenuEnabled(m_viewMenu, false);
    setWindowTitle(QStringLiteral("ParloxEd - ") + m_document->fileName());
    FormResize();
    m_statusValue->setPanelText(0, m_document->defaultLanguageName());
    refreshStatusBars(currentGridRow());
}

void TMainForm::WindowsItemClick(int item)
{
    m_document->chooseWindowsItem(item);
    markWindowsItems();
    setMenuEnabled(m_viewMenu, item >= 1);
    refreshStatusBars(currentGridRow());
}

void TMainForm::ViewClick(View view)
{
    m_document->chooseView(view);
    markViewItems();
    refreshStatusBars(currentGridRow());
}

void TMainForm::TablaSelectCell(int col, int row)
{
    static_cast<void>(col);
    refreshStatusBars(row);
}

void TMainForm::LanguageItemClick(int language)
{
    m_document->chooseDefaultLanguage(language);
    markLanguageItems();
    m_statusValue->setPanelText(0, m_document->defaultLanguageName());
    m_statusValue->setPanelText(1, m_document->defaultValueAt(currentGridRow()));
}

void TMainForm::BtnExitClick()
{
    close();
}

void TMainForm::BtnAboutClick()
{
    messageBox(userString(QStringLiteral("ABOUT")), mtInformation, mbOK);
}

void TMainForm::fillCheckableItems(QMenu *menu, const QStringList &captions,
                                   void (TMainForm::*click)(int))
{
    menu->clear();
    for (int i = 0; i < captions.size(); ++i) {
        QAction *item = menu->addAction(menuCaption(captions.at(i)));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this,
                [this, i, click] { guarded([=, this] { (this->*click)(i); }); });
    }
}

void TMainForm::rebuildLanguageItems()
{
    fillCheckableItems(m_languageItems, m_document->languages(), &TMainForm::LanguageItemClick);
    markLanguageItems();
}

void TMainForm::rebuildWindowsItems()
{
    fillCheckableItems(m_windowsMenu, m_document->windowsItems(), &TMainForm::WindowsItemClick);
    markWindowsItems();
}

void TMainForm::markLanguageItems()
{
    const QList<QAction *> items = m_languageItems->actions();
    for (int i = 0; i < items.size(); ++i)
        items[i]->setChecked(i == m_document->defaultLanguage());
}

void TMainForm::markWindowsItems()
{
    const QList<QAction *> items = m_windowsMenu->actions();
    for (int k = 0; k < items.size(); ++k)
        items[k]->setChecked(k == m_document->currentItem());
}

void TMainForm::markViewItems()
{
    m_formView->setChecked(m_document->view() == View::FormStrings);
    m_userView->setChecked(m_document->view() == View::UserStrings);
}

// Showing a table puts the selection on its first row, in the column selected before when
// the table has it.
void TMainForm::selectFirstRow()
{
    const QAbstractItemModel *model = m_tabla->model();
    const int col = m_selectedColumn >= 1 && m_selectedColumn < model->columnCount()
                        ? m_selectedColumn
                        : int(TableGridModel::Column::FirstLanguage);
    m_tabla->setCurrentIndex(model->index(0, col));
}

int TMainForm::currentGridRow() const
{
    const QModelIndex current = m_tabla->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void TMainForm::refreshStatusBars(int row)
{
    const TableGridModel *grid = m_document->grid();
    m_statusObject->setPanelText(1, grid->cell(int(TableGridModel::Column::Key), row));
    m_statusValue->setPanelText(1, m_document->defaultValueAt(row));
}

void TMainForm::setMenuEnabled(QMenu *menu, bool enabled)
{
    menu->setEnabled(enabled);
    menu->menuAction()->setEnabled(enabled);
}

} // namespace ParloxEd
