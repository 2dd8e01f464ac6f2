#include "mainform.h"

#include "checkspane.h"
#include "defaultlanguagelock.h"
#include "documentmenus.h"
#include "documentstate.h"
#include "encodingmenu.h"
#include "filedrops.h"
#include "gridfiltermodel.h"
#include "gridfocus.h"
#include "interfacelanguage.h"
#include "opendialog.h"
#include "recentfilesmenu.h"
#include "statuspanelbar.h"
#include "tablegridmodel.h"
#include "userdialogs.h"
#include "workbench.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>

namespace ParloxEd {

using namespace Parlox;
using View = EditorDocument::View;

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    m_ui.setupUi(*this);
    m_dialogs = new UserDialogs(*m_ui.selector, *m_ui.translator, *this);
    FormCreate();
    m_filter = new GridFilterModel(m_document->grid(), this);
    m_ui.tabla->setModel(m_filter);
    m_ui.tabla->installEventFilter(this);
    connect(m_ui.tabla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                const int entry = m_filter->entry(current);
                if (entry < 0)
                    return;
                m_selectedColumn = current.column();
                guarded(
                    [&] { TablaSelectCell(current.column(), TableGridModel::gridRowOf(entry)); });
            });
    connectCommands();
    connectDocument();
    m_workbench = new Workbench(*m_document, m_ui, *m_dialogs, *m_filter, *this);
    const auto open = [this](const QString &path) { OpenFileNamed(path); };
    new RecentFilesMenu(*m_document, m_ui, open, this);
    new FileDrops(*this, open);
    new ChecksPane(*m_document, m_ui, *m_dialogs, *this);
    new DefaultLanguageLock(*m_document, m_ui, *m_dialogs, this);
    new EncodingMenu(*m_document, m_ui, *m_dialogs, this);
    new InterfaceLanguage(*m_document, *m_ui.selector, this);
    m_state = new DocumentState(*m_document, m_ui, *m_dialogs, this);
    m_workbench->restoreLayout();
}

TMainForm::~TMainForm()
{
    // A window destroyed while it shows hides its children afterwards, and their views may
    // still ask the models for texts that this window's translator no longer gives.
    m_document->setTextLookup({});
}

void TMainForm::connectCommands()
{
    const auto run = [this](std::function<void()> handler) {
        return [this, handler = std::move(handler)] { guarded(handler); };
    };
    const auto action = [this, &run](const char *name, void (TMainForm::*handler)()) {
        connect(m_ui.component<QAction>(name), &QAction::triggered, this,
                run([this, handler] { (this->*handler)(); }));
    };
    const auto button = [this, &run](const char *name, void (TMainForm::*handler)()) {
        connect(m_ui.component<QToolButton>(name), &QToolButton::clicked, this,
                run([this, handler] { (this->*handler)(); }));
    };
    action("OpenFile", &TMainForm::BtnOpenFileClick);
    button("BtnOpen", &TMainForm::BtnOpenFileClick);
    action("SaveFile", &TMainForm::BtnSaveFileClick);
    button("BtnSave", &TMainForm::BtnSaveFileClick);
    action("ExitFile", &TMainForm::BtnExitClick);
    button("BtnExit", &TMainForm::BtnExitClick);
    button("BtnAbout", &TMainForm::BtnAboutClick);
    action("Add1", &TMainForm::Add1Click);
    action("Rename1", &TMainForm::Rename1Click);
    action("Delete1", &TMainForm::Delete1Click);
    auto *menus = new DocumentMenus(*m_document, m_ui, this);
    connect(menus, &DocumentMenus::languageChosen, this,
            [this](int language) { guarded([=, this] { LanguageItemClick(language); }); });
    connect(menus, &DocumentMenus::windowsItemChosen, this,
            [this](int item) { guarded([=, this] { WindowsItemClick(item); }); });
    connect(menus, &DocumentMenus::viewChosen, this,
            [this](View view) { guarded([=, this] { ViewClick(view); }); });
}

void TMainForm::connectDocument()
{
    EditorDocument *doc = m_document;
    // StatusValue names the default language and shows its value in the selected row.
    const auto refresh = [this] { refreshStatusBars(currentEntry()); };
    connect(doc, &EditorDocument::languagesChanged, this, refresh);
    connect(doc, &EditorDocument::defaultLanguageChanged, this, refresh);
    connect(doc, &EditorDocument::tableShown, this, [this](const QString &title) {
        m_ui.statusObject->setPanelText(0, title);
        selectFirstRow();
    });
    // Whoever moves to a table (a menu, a found text, an undo), the View menu follows it.
    connect(doc, &EditorDocument::currentItemChanged, this, [this](int item) {
        if (item >= 0)
            setMenuEnabled(m_ui.viewMenu, item >= 1);
    });
    // The bars describe the table shown; with the document gone there is none.
    connect(doc, &EditorDocument::openChanged, this, [this](bool open) {
        if (!open) {
            m_ui.statusObject->clearPanels();
            m_ui.statusValue->clearPanels();
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
    if (!m_ui.tabla)
        return;
    const ColumnLayout layout = m_document->columnLayout(m_ui.tabla->width());
    QHeaderView *columns = m_ui.tabla->horizontalHeader();
    columns->setDefaultSectionSize(layout.columnWidth);
    for (int col = 0; col < columns->count(); ++col)
        columns->resizeSection(col, layout.columnWidth);
}

bool TMainForm::FormCloseQuery()
{
    if (m_document->windowsItemCount() == 0)
        return true;
    return !m_document->isModified() ||
           m_dialogs->messageBox(userString(QStringLiteral("EXIT_CONFIRMATION")), mtConfirmation,
                                 mbYes | mbNo) == mrYes;
}

void TMainForm::FormClose()
{
    m_workbench->saveLayout();
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

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.tabla && event->type() == QEvent::Resize)
        guarded([this] { FormResize(); });
    return QMainWindow::eventFilter(watched, event);
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

void TMainForm::guarded(const std::function<void()> &handler) const
{
    m_dialogs->guarded(handler);
}

QString TMainForm::userString(const QString &identifier) const
{
    return m_dialogs->userString(identifier);
}

bool TMainForm::confirmOpen()
{
    if (!m_document->isOpen())
        return true;
    return !m_document->isModified() ||
           m_dialogs->messageBox(userString(QStringLiteral("OPEN_CONFIRMATION")), mtConfirmation,
                                 mbYes | mbNo) != mrNo;
}

void TMainForm::BtnOpenFileClick()
{
    if (!confirmOpen())
        return;
    if (const std::optional<QString> chosen = m_ui.openDialog->Execute())
        LoadFile(*chosen);
}

void TMainForm::OpenFileNamed(const QString &fileName)
{
    guarded([&] {
        if (!QFileInfo::exists(fileName))
            return m_dialogs->tell(mtError, "FILE_NOT_FOUND", fileName);
        if (confirmOpen())
            LoadFile(fileName);
    });
}

void TMainForm::LoadFile(const QString &fileName)
{
    applyLoadResult(m_document->loadFile(fileName));
}

void TMainForm::applyLoadResult(const LoadResult &result)
{
    const auto failed = [&](const char *identifier) {
        setWindowTitle(userString(QStringLiteral("FILE_CLOSED")));
        m_dialogs->reportFailure(identifier, result.reason);
    };
    switch (result.status) {
    case LoadStatus::NoFile:
        return;
    case LoadStatus::OpenError:
        return failed("FILE_OPEN_ERROR");
    case LoadStatus::Invalid:
        return failed("FILE_INVALID");
    case LoadStatus::NotParlox:
        return failed("FILE_NOT_PARLOX");
    case LoadStatus::Damaged:
        return m_dialogs->reportFailure("FILE_INVALID", result.reason);
    case LoadStatus::Loaded:
        break;
    }
    setMenuEnabled(m_ui.languagesMenu, true);
    setMenuEnabled(m_ui.windowsMenu, true);
    setMenuEnabled(m_ui.viewMenu, false);
    setWindowTitle(QStringLiteral("ParloxEd - ") + m_document->fileName());
    FormResize();
    refreshStatusBars(currentEntry());
    // Wherever the file came from (a dialog, the recent files, a drop), the next key goes to
    // the cell the selection shows.
    activateWindow();
    m_ui.gridFocus->enter();
}

void TMainForm::BtnSaveFileClick()
{
    SaveResult result = m_document->save();
    if (result.status == SaveStatus::ChangedOnDisk) {
        // Yes reloads the file from the disk, No writes over it, Cancel keeps both as they are.
        const int answer = m_dialogs->messageBox(userString(QStringLiteral("FILE_CHANGED_ON_DISK")),
                                                 mtWarning, mbYes | mbNo | mbCancel);
        if (answer == mrYes)
            return LoadFile(m_document->fileName());
        if (answer != mrNo)
            return;
        result = m_document->save(EditorDocument::SaveMode::Overwrite);
    }
    if (result.status == SaveStatus::Saved)
        m_state->saved();
    else if (result.status == SaveStatus::ReadOnly)
        m_dialogs->reportFailure("FILE_OPEN_ERROR", userString(QStringLiteral("FILE_READ_ONLY")));
    else if (result.status == SaveStatus::Failed)
        m_dialogs->reportFailure("FILE_OPEN_ERROR", result.reason);
}

void TMainForm::WindowsItemClick(int item)
{
    m_document->chooseWindowsItem(item);
    refreshStatusBars(currentEntry());
}

void TMainForm::ViewClick(View view)
{
    m_document->chooseView(view);
    refreshStatusBars(currentEntry());
}

void TMainForm::TablaSelectCell(int /*col*/, int row)
{
    refreshStatusBars(TableGridModel::entryOf(row));
}

void TMainForm::LanguageItemClick(int language)
{
    m_document->chooseDefaultLanguage(language);
}

void TMainForm::BtnExitClick()
{
    close();
}

void TMainForm::BtnAboutClick()
{
    m_dialogs->tell(mtInformation, "ABOUT");
}

// Showing a table puts the selection on its first row, in the column selected before when
// the table has it.
void TMainForm::selectFirstRow()
{
    const QAbstractItemModel *model = m_ui.tabla->model();
    const int col = m_selectedColumn >= 1 && m_selectedColumn < model->columnCount()
                        ? m_selectedColumn
                        : int(TableGridModel::Column::FirstLanguage);
    m_ui.tabla->setCurrentIndex(model->index(0, col));
}

int TMainForm::currentEntry() const
{
    return std::max(m_filter->entry(m_ui.tabla->currentIndex()), 0);
}

void TMainForm::refreshStatusBars(int entry)
{
    const TableGridModel *grid = m_document->grid();
    m_ui.statusObject->setPanelText(1, grid->value(int(TableGridModel::Column::Key), entry));
    m_ui.statusValue->setPanelText(0, m_document->defaultLanguageName());
    m_ui.statusValue->setPanelText(1, m_document->defaultValueAt(entry));
}

} // namespace ParloxEd
