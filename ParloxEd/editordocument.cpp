#include "editordocument.h"

#include "tablegridmodel.h"
#include "tables.h"

#include <QFileInfo>

namespace ParloxEd {

namespace Lng = Parlox::Lng;
namespace Tables = Parlox::Tables;

namespace {

const QStringList &emptyTable()
{
    static const QStringList empty;
    return empty;
}

// The user-string identifier of the key column's title for a table.
QString titleIdentifier(int item, EditorDocument::View view)
{
    if (item < 1)
        return QStringLiteral("MESSAGE_ID");
    return view == EditorDocument::View::FormStrings ? QStringLiteral("OBJECT_PROPERTY")
                                                     : QStringLiteral("USER_STRING_ID");
}

} // namespace

EditorDocument::EditorDocument(QObject *parent) : QObject(parent), m_grid(new TableGridModel(this))
{
}

EditorDocument::~EditorDocument() = default;

QString EditorDocument::text(const QString &identifier) const
{
    return m_lookup ? m_lookup(identifier) : QString();
}

void EditorDocument::setFileName(const QString &path)
{
    if (m_fileName == path)
        return;
    m_fileName = path;
    emit fileNameChanged(m_fileName);
}

void EditorDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
}

LoadResult EditorDocument::loadFile(const QString &path)
{
    // A file that vanished between choosing and loading must not rename the open document:
    // a later save would write it over the wrong file.
    if (!QFileInfo::exists(path))
        return {LoadStatus::NoFile, {}};
    LoadedFile loaded = readDocumentFile(path);
    // A damaged file is refused before the open document is touched: the user keeps working
    // on it, and a save still goes to its own file.
    if (loaded.result.status == LoadStatus::Damaged)
        return loaded.result;
    setFileName(path);
    closeDocument();
    if (loaded.result.status != LoadStatus::Loaded)
        return loaded.result;

    m_content = std::move(loaded.content);
    if (loaded.hasDirectory)
        openDirectory();
    m_open = true;
    emit openChanged(true);
    emit languagesChanged();
    emit defaultLanguageChanged(m_content.defaultIndex);
    emit windowsItemsChanged();
    emit currentItemChanged(m_currentItem);
    showTable();
    showLanguageHeaders();
    setModified(false);
    return loaded.result;
}

// The message item exists from here on and is the current one.
void EditorDocument::openDirectory()
{
    m_hasDirectory = true;
    m_messageItemCaption = text(QStringLiteral("STRINGS_MESSAGES"));
    m_currentItem = 0;
}

SaveResult EditorDocument::save()
{
    if (windowsItemCount() == 0)
        return {SaveStatus::NothingToSave, {}};
    commitGrid();
    if (!m_modified)
        return {SaveStatus::NothingToSave, {}};
    const SaveResult result = writeDocumentFile(m_fileName, m_content);
    if (result.status == SaveStatus::Saved)
        setModified(false);
    return result;
}

void EditorDocument::closeDocument()
{
    m_content = {};
    m_messageItemCaption.clear();
    m_hasDirectory = false;
    m_currentItem = -1;
    // Cells left in the grid would belong to no table and edits in them would be lost, so the
    // grid goes blank and read-only with the document.
    m_grid->clearTable();
    const bool wasOpen = m_open;
    m_open = false;
    emit languagesChanged();
    emit defaultLanguageChanged(-1);
    emit windowsItemsChanged();
    emit currentItemChanged(-1);
    if (wasOpen)
        emit openChanged(false);
}

int EditorDocument::windowsItemCount() const
{
    return m_hasDirectory ? int(m_content.forms.size()) + 1 : 0;
}

QStringList EditorDocument::windowsItems() const
{
    QStringList items;
    if (!m_hasDirectory)
        return items;
    items.reserve(m_content.forms.size() + 1);
    items.append(m_messageItemCaption);
    for (const Lng::Form &form : m_content.forms)
        items.append(form.name);
    return items;
}

const QStringList &EditorDocument::formTable(int item) const
{
    if (item == 0 && m_hasDirectory)
        return m_content.messages;
    return item >= 1 && item <= m_content.forms.size() ? m_content.forms.at(item - 1).formStrings
                                                       : emptyTable();
}

const QStringList &EditorDocument::userTable(int item) const
{
    if (item == 0 && m_hasDirectory)
        return m_content.messages;
    return item >= 1 && item <= m_content.forms.size() ? m_content.forms.at(item - 1).userStrings
                                                       : emptyTable();
}

QStringList *EditorDocument::currentTable()
{
    if (m_currentItem == 0)
        return &m_content.messages;
    if (m_currentItem < 1 || m_currentItem > m_content.forms.size())
        return nullptr;
    Lng::Form &form = m_content.forms[m_currentItem - 1];
    return m_view == View::FormStrings ? &form.formStrings : &form.userStrings;
}

QString EditorDocument::defaultLanguageName() const
{
    const int d = m_content.defaultIndex;
    return d >= 0 && d < m_content.languages.size() ? m_content.languages.at(d) : QString();
}

QString EditorDocument::defaultValueAt(int row) const
{
    return m_content.defaultIndex < 0 ? QString() : m_grid->cell(m_content.defaultIndex + 1, row);
}

void EditorDocument::showTable()
{
    if (const QStringList *table = currentTable())
        m_grid->setTable(*table, m_content.languages.size());
    else
        m_grid->clearTable();
    m_tableTitle = text(titleIdentifier(m_currentItem, m_view));
    m_grid->setCell(int(TableGridModel::Column::Key), 0, m_tableTitle);
    emit tableShown(m_tableTitle);
}

void EditorDocument::showLanguageHeaders()
{
    const int columns = m_grid->gridColumnCount();
    for (int col = 1; col < columns; ++col)
        m_grid->setCell(col, 0,
                        col <= m_content.languages.size() ? m_content.languages.at(col - 1)
                                                          : QString());
}

void EditorDocument::commitGrid()
{
    QStringList *table = currentTable();
    if (!table || !m_grid->hasTable())
        return;
    // The grid never reshapes the table, so an unchanged grid compares equal without a scan
    // (both still share the same lines).
    if (m_grid->lines() != *table) {
        *table = m_grid->lines();
        setModified(true);
    }
}

void EditorDocument::chooseWindowsItem(int item)
{
    if (item < 0 || item >= windowsItemCount())
        return;
    commitGrid();
    if (m_currentItem != item) {
        m_currentItem = item;
        emit currentItemChanged(item);
    }
    showTable();
}

void EditorDocument::chooseView(View view)
{
    commitGrid();
    if (m_view != view) {
        m_view = view;
        emit viewChanged(view);
    }
    // The view mark is kept for the next form even while the message item is current.
    if (isViewEnabled())
        showTable();
}

void EditorDocument::chooseDefaultLanguage(int index)
{
    if (index < 0 || index >= m_content.languages.size())
        return;
    setDefaultLanguage(index);
    setModified(true);
}

int EditorDocument::findLanguage(const QString &name) const
{
    return int(m_content.languages.indexOf(name));
}

// Every table once: the message strings, then each form's form strings and user strings.
void EditorDocument::forEachTable(const std::function<void(QStringList &)> &change)
{
    change(m_content.messages);
    for (Lng::Form &form : m_content.forms) {
        change(form.formStrings);
        change(form.userStrings);
    }
}

void EditorDocument::setDefaultLanguage(int index)
{
    if (m_content.defaultIndex == index)
        return;
    m_content.defaultIndex = index;
    emit defaultLanguageChanged(index);
}

EditorDocument::LanguageResult EditorDocument::addLanguage(const QString &name)
{
    if (!m_open)
        return LanguageResult::NoDocument;
    if (name.isEmpty())
        return LanguageResult::InvalidName;
    if (findLanguage(name) >= 0)
        return LanguageResult::NameExists;
    // Edits still in the grid go into their table first, so they take the new column too.
    commitGrid();
    const qsizetype count = m_content.languages.size();
    forEachTable([count](QStringList &table) { Tables::insertLanguageColumn(table, count); });
    m_content.languages.append(name);
    if (m_hasDirectory) {
        m_grid->insertLanguage(*currentTable(), name);
    } else {
        // A file without a directory gets one: what a save writes and a reload shows.
        openDirectory();
        emit windowsItemsChanged();
        emit currentItemChanged(m_currentItem);
        showTable();
        showLanguageHeaders();
    }
    emit languagesChanged();
    // The first language becomes the default; a later one leaves the default where it is.
    if (m_content.defaultIndex < 0)
        setDefaultLanguage(0);
    setModified(true);
    return LanguageResult::Done;
}

EditorDocument::LanguageResult EditorDocument::renameLanguage(int index, const QString &name)
{
    if (index < 0 || index >= m_content.languages.size())
        return LanguageResult::NoSuchLanguage;
    if (name.isEmpty())
        return LanguageResult::InvalidName;
    if (findLanguage(name) >= 0)
        return LanguageResult::NameExists;
    // Values belong to a language by position, so no table changes.
    m_content.languages[index] = name;
    m_grid->setCell(index + 1, 0, name);
    emit languagesChanged();
    setModified(true);
    return LanguageResult::Done;
}

EditorDocument::LanguageResult EditorDocument::deleteLanguage(int index)
{
    if (!canDeleteLanguage())
        return LanguageResult::LastLanguage;
    if (index < 0 || index >= m_content.languages.size())
        return LanguageResult::NoSuchLanguage;
    commitGrid();
    const qsizetype count = m_content.languages.size();
    forEachTable(
        [count, index](QStringList &table) { Tables::removeLanguageColumn(table, count, index); });
    m_content.languages.removeAt(index);
    m_grid->removeLanguage(index, *currentTable());
    // The first remaining language takes over from a deleted default; a later default moves up
    // with its column.
    const int oldDefault = m_content.defaultIndex;
    m_content.defaultIndex = oldDefault == index ? 0 : oldDefault - int(oldDefault > index);
    emit languagesChanged();
    emit defaultLanguageChanged(m_content.defaultIndex);
    setModified(true);
    return LanguageResult::Done;
}

ColumnLayout EditorDocument::columnLayout(int gridWidth) const
{
    const qsizetype languages = m_content.languages.size();
    // Up to five languages share the width; beyond that six columns fill it and the rest
    // are reached by scrolling sideways.
    const int shown = languages < 2 ? 2 : languages <= 5 ? int(languages) + 1 : 6;
    return {TableGridModel::gridColumnsFor(languages), std::max(0, (gridWidth - 22) / shown)};
}

} // namespace ParloxEd
