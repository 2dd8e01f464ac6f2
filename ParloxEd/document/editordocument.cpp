#include "editordocument.h"

#include "celleditcommand.h"
#include "documentchange.h"
#include "tablegridmodel.h"

#include <QFileInfo>
#include <QScopedValueRollback>
#include <QUndoStack>

namespace ParloxEd {

namespace {

// The user-string identifier of the key column's title for a table.
QString titleIdentifier(int item, EditorDocument::View view)
{
    if (item < 1)
        return QStringLiteral("MESSAGE_ID");
    return view == EditorDocument::View::FormStrings ? QStringLiteral("OBJECT_PROPERTY")
                                                     : QStringLiteral("USER_STRING_ID");
}

} // namespace

EditorDocument::EditorDocument(QObject *parent)
    : QObject(parent), m_grid(new TableGridModel(this)), m_undo(new QUndoStack(this))
{
    // Commands keep only what they change, so a long history costs little; the limit bounds
    // it all the same. A clean state that falls off it leaves the document modified for good.
    m_undo->setUndoLimit(UndoLimit);
    connect(m_grid, &TableGridModel::cellEdited, this, &EditorDocument::recordCellEdit);
    m_grid->setTableForWriting([this] { return currentTable(); });
    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) {
        m_modified = !clean;
        emit modifiedChanged(m_modified);
    });
}

EditorDocument::~EditorDocument()
{
    // The stack, a child, clears itself after the content is gone: whoever follows its index
    // would read a document already taken apart, so it goes quietly.
    m_undo->blockSignals(true);
}

void EditorDocument::setTextLookup(const TextLookup &lookup)
{
    m_lookup = lookup;
    m_grid->setTextLookup(lookup);
}

QString EditorDocument::text(const QString &identifier) const
{
    return m_lookup ? m_lookup(identifier) : QString();
}

void EditorDocument::retranslate()
{
    emit textsChanged();
}

QString EditorDocument::keyTitle() const
{
    return text(titleIdentifier(m_currentItem, m_view));
}

void EditorDocument::setFileName(const QString &path)
{
    if (m_fileName == path)
        return;
    m_fileName = path;
    emit fileNameChanged(m_fileName);
}

void EditorDocument::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    emit readOnlyChanged(readOnly);
}

LoadResult EditorDocument::loadFile(const QString &path)
{
    ReadEncoding encoding;
    if (m_encodingMemory.lastUsed)
        encoding.fallback = m_encodingMemory.lastUsed(path).value_or(encoding.fallback);
    return loadFile(path, encoding);
}

LoadResult EditorDocument::loadFile(const QString &path, const ReadEncoding &encoding)
{
    // A file that vanished between choosing and loading must not rename the open document:
    // a later save would write it over the wrong file.
    if (!QFileInfo::exists(path))
        return {LoadStatus::NoFile, {}};
    LoadedFile loaded = readDocumentFile(path, encoding);
    // A damaged file is refused before the open document is touched: the user keeps working
    // on it, and a save still goes to its own file.
    if (loaded.result.status == LoadStatus::Damaged)
        return loaded.result;
    setFileName(path);
    closeDocument();
    if (loaded.result.status != LoadStatus::Loaded)
        return loaded.result;

    m_content = std::move(loaded.content);
    m_stamp = loaded.stamp;
    setReadOnly(loaded.readOnly);
    if (loaded.hasDirectory)
        openDirectory();
    m_open = true;
    emit openChanged(true);
    emit languagesChanged();
    emit defaultLanguageChanged(m_content.defaultIndex);
    emit windowsItemsChanged();
    emit currentItemChanged(m_currentItem);
    emit encodingChanged(m_content.encoding);
    if (m_encodingMemory.remember)
        m_encodingMemory.remember(path, m_content.encoding);
    showTable();
    showLanguageHeaders();
    return loaded.result;
}

// The message item exists from here on and is the current one.
void EditorDocument::openDirectory()
{
    m_hasDirectory = true;
    m_currentItem = 0;
}

SaveResult EditorDocument::save(SaveMode mode)
{
    if (windowsItemCount() == 0 || !m_modified)
        return {SaveStatus::NothingToSave, {}};
    const SaveResult result =
        writeDocumentFile(m_fileName, m_content, m_stamp, mode == SaveMode::Overwrite);
    if (result.status == SaveStatus::Saved) {
        m_undo->setClean();
        if (m_encodingMemory.remember)
            m_encodingMemory.remember(m_fileName, m_content.encoding);
    }
    return result;
}

void EditorDocument::closeDocument()
{
    // The commands belong to the document going away; what is loaded next is unmodified.
    m_undo->clear();
    // Cells left in the grid would belong to no table and edits in them would be lost, so the
    // grid goes blank and read-only with the document, before the table it reads goes away.
    m_grid->clearTable();
    m_content = {};
    m_stamp.reset();
    setReadOnly(false);
    m_hasDirectory = false;
    m_currentItem = -1;
    const bool wasOpen = m_open;
    m_open = false;
    emit languagesChanged();
    emit defaultLanguageChanged(-1);
    emit windowsItemsChanged();
    emit currentItemChanged(-1);
    if (wasOpen)
        emit openChanged(false);
}

QString EditorDocument::defaultLanguageName() const
{
    const int d = m_content.defaultIndex;
    return d >= 0 && d < m_content.languages.size() ? m_content.languages.at(d) : QString();
}

QString EditorDocument::defaultValueAt(int entry) const
{
    return m_content.defaultIndex < 0 ? QString()
                                      : m_grid->value(m_content.defaultIndex + 1, entry);
}

void EditorDocument::showTable()
{
    if (PackedLines *table = currentTable())
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

void EditorDocument::chooseWindowsItem(int item)
{
    if (item < 0 || item >= windowsItemCount())
        return;
    if (m_currentItem != item) {
        m_currentItem = item;
        emit currentItemChanged(item);
    }
    showTable();
}

void EditorDocument::chooseView(View view)
{
    if (m_view != view) {
        m_view = view;
        emit viewChanged(view);
    }
    // The view mark is kept for the next form even while the message item is current.
    if (isViewEnabled())
        showTable();
}

void EditorDocument::showTableOf(TableRef table)
{
    if (table == currentTableRef())
        return;
    if (table.item >= 1 && m_view != table.view)
        chooseView(table.view);
    chooseWindowsItem(table.item);
}

void EditorDocument::reveal(const CellRef &cell)
{
    if (!tableOf(cell.table))
        return;
    showTableOf(cell.table);
    endCellEdit();
    emit cellRevealed(cell.entry, cell.column);
}

void EditorDocument::pushChange(Change undo, Change redo)
{
    m_undo->push(new DocumentChange([this, undo = std::move(undo)] { applyChange(undo); },
                                    [this, redo = std::move(redo)] { applyChange(redo); }));
}

void EditorDocument::applyChange(const Change &change)
{
    const QStringList names = m_content.languages;
    const int defaultIndex = m_content.defaultIndex;
    const Parlox::Encoding encoding = m_content.encoding;
    // Where the lines shown are, to tell afterwards whether the change replaced them. Not a
    // copy: sharing them would make a change that rewrites the table copy all of it first.
    const void *shownData = m_grid->lines().storage();
    const qsizetype shownSize = m_grid->lines().size();
    m_shownValuesWritten = false;
    bool hasDirectory = m_hasDirectory;
    change(m_content, hasDirectory);
    PackedLines *table = currentTable();
    bool replaced = m_shownValuesWritten || !table || table->storage() != shownData ||
                    table->size() != shownSize;
    // Writing the content may have moved the table shown: the grid reads it where it is now.
    if (table)
        m_grid->followTable(*table);
    else if (m_grid->hasTable())
        m_grid->clearTable();
    if (m_hasDirectory != hasDirectory) {
        m_hasDirectory = false;
        m_currentItem = -1;
        if (hasDirectory)
            openDirectory();
        emit windowsItemsChanged();
        emit currentItemChanged(m_currentItem);
        showTable();
        replaced = false;
    }
    reloadGrid(replaced);
    showLanguageHeaders();
    if (names != m_content.languages)
        emit languagesChanged();
    if (defaultIndex != m_content.defaultIndex)
        emit defaultLanguageChanged(m_content.defaultIndex);
    if (encoding != m_content.encoding)
        emit encodingChanged(m_content.encoding);
}

// Fills the grid again only where the table shown changed under it, keeping the key title.
void EditorDocument::reloadGrid(bool replaced)
{
    PackedLines *table = currentTable();
    if (!table || (m_grid->languageCount() == m_content.languages.size() && !replaced))
        return;
    m_grid->setTable(*table, m_content.languages.size());
    emit tableReloaded();
}

void EditorDocument::recordCellEdit(int col, int entry, const QString &before)
{
    if (m_applying)
        return;
    const CellRef cell{currentTableRef(), entry, col};
    m_undo->push(new CellEditCommand(
        cell, before, m_grid->value(col, entry), m_editSession,
        [this](const CellRef &at, const QString &text) { applyCellText(at, text); }));
}

void EditorDocument::applyCellText(const CellRef &cell, const QString &text)
{
    showTableOf(cell.table);
    {
        const QScopedValueRollback applying(m_applying, true);
        m_grid->setValue(cell.column, cell.entry, text);
    }
    reveal(cell);
}

} // namespace ParloxEd
