#include "editordocument.h"

#include "errors.h"
#include "lockedfile.h"
#include "tablegridmodel.h"

#include <QFileInfo>
#include <optional>

namespace ParloxEd {

using Parlox::LockedFile;
namespace Lng = Parlox::Lng;

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

EditorDocument::LoadResult EditorDocument::loadFile(const QString &path)
{
    // A file that vanished between choosing and loading must not rename the open document:
    // a later save would write it over the wrong file.
    if (!QFileInfo::exists(path))
        return LoadResult::NoFile;
    setFileName(path);
    closeDocument();
    const LoadResult result = readFile(path);
    if (result != LoadResult::Loaded)
        return result;

    m_open = true;
    m_currentItem = m_hasDirectory ? 0 : -1;
    emit openChanged(true);
    emit languagesChanged();
    emit defaultLanguageChanged(m_content.defaultIndex);
    emit windowsItemsChanged();
    emit currentItemChanged(m_currentItem);
    showTable();
    showLanguageHeaders();
    setModified(false);
    return LoadResult::Loaded;
}

EditorDocument::LoadResult EditorDocument::readFile(const QString &path)
{
    // The lock is held until the document is read, so no other program opens the file midway.
    std::optional<LockedFile> file;
    QByteArray bytes;
    try {
        file.emplace(path, LockedFile::Access::ExclusiveReadWrite);
        bytes = file->readAll();
    } catch (const Parlox::FileError &) {
        return LoadResult::OpenError;
    }
    const Lng::Image image(bytes);
    switch (image.header()) {
    case Lng::HeaderState::TooShort:
        return LoadResult::Invalid;
    case Lng::HeaderState::WrongMagic:
        return LoadResult::NotParlox;
    case Lng::HeaderState::Valid:
        readDirectory(image);
        break;
    case Lng::HeaderState::NoOffset:
    case Lng::HeaderState::NoDirectory:
        break;
    }
    return LoadResult::Loaded;
}

void EditorDocument::readDirectory(const Lng::Image &image)
{
    Lng::Directory dir = image.directory();
    m_hasDirectory = true;
    m_messageItemCaption = text(QStringLiteral("STRINGS_MESSAGES"));
    m_content.languages = std::move(dir.languages);
    m_content.messages = std::move(dir.messages);
    // Exactly one language is the default whenever there are languages; an index outside
    // the list (the component set writes -1 for an unknown language) marks the first.
    const bool inList = dir.defaultIndex >= 0 && dir.defaultIndex < m_content.languages.size();
    m_content.defaultIndex = m_content.languages.isEmpty() ? -1 : inList ? dir.defaultIndex : 0;
    for (const Lng::FormEntry &entry : std::as_const(dir.forms)) {
        // A form with neither section is not part of the document.
        if (entry.formOffset <= 0 && entry.userOffset <= 0)
            continue;
        m_content.forms.append(
            {entry.name, image.section(entry.formOffset), image.section(entry.userOffset)});
    }
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
    if (m_content.defaultIndex != index) {
        m_content.defaultIndex = index;
        emit defaultLanguageChanged(index);
    }
    setModified(true);
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
