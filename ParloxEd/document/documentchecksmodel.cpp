#include "documentchecksmodel.h"
#include "documentchecksgroup.h"

#include "tablegridmodel.h"
#include "warningtexts.h"

#include <QFont>
#include <QUndoStack>
#include <algorithm>

namespace ParloxEd {

namespace ValueChecks = Parlox::ValueChecks;
using TableRef = EditorDocument::TableRef;

DocumentChecksModel::DocumentChecksModel(const EditorDocument &document, IsAccepted accepted,
                                         QObject *parent)
    : QAbstractItemModel(parent), m_document(document), m_accepted(std::move(accepted))
{
    follow();
    refresh(true);
}

DocumentChecksModel::~DocumentChecksModel() = default;

void DocumentChecksModel::follow()
{
    const TableGridModel *grid = m_document.grid();
    const auto shown = [this] { refresh(true); };
    connect(grid, &QAbstractItemModel::modelReset, this, shown);
    connect(grid, &QAbstractItemModel::columnsInserted, this, shown);
    connect(grid, &QAbstractItemModel::columnsRemoved, this, shown);
    connect(grid, &QAbstractItemModel::rowsInserted, this, shown);
    connect(grid, &QAbstractItemModel::rowsRemoved, this, shown);
    connect(grid, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                recheckEntries(topLeft.row(), bottomRight.row());
            });
    // Language names, table captions and sentences follow the interface language.
    connect(grid, &QAbstractItemModel::headerDataChanged, this, &DocumentChecksModel::refreshTexts);
    connect(&m_document, &EditorDocument::textsChanged, this, &DocumentChecksModel::refreshTexts);
    // Commands that change tables the grid does not show (a replace in every table, its undo).
    connect(m_document.undoStack(), &QUndoStack::indexChanged, this, [this] { refresh(false); });
}

QList<DocumentChecksModel::Item>
DocumentChecksModel::itemsOf(const Group &group, const QList<ValueChecks::Warning> &warnings) const
{
    QList<Item> items;
    const PackedLines &lines = m_document.tableLines(group.table);
    const qsizetype entrySize = m_document.languages().size() + 1;
    for (const ValueChecks::Warning &warning : warnings) {
        const qsizetype line = warning.entry * entrySize + 1 + warning.language;
        const ValueChecks::Checks open =
            openChecks(warning.failed, subjectOf(m_document, group.table, lines, line), m_accepted);
        for (const ValueChecks::Check check : ValueChecks::AllChecks) {
            if (open.testFlag(check))
                items.append({warning.entry, warning.language, check});
        }
    }
    return items;
}

QList<DocumentChecksModel::Item> DocumentChecksModel::checkGroup(const Group &group) const
{
    return itemsOf(group, ValueChecks::checkTable(m_document.tableLines(group.table),
                                                  m_document.languages().size()));
}

// Every table whose lines may have changed is checked again; the rows reset only when what
// they list changed.
void DocumentChecksModel::refresh(bool currentToo)
{
    const TableRef current = m_document.currentTableRef();
    const bool gridShows = m_document.grid()->hasTable();
    const qsizetype languages = m_document.languages().size();
    std::vector<std::unique_ptr<Group>> groups;
    QList<std::pair<Group *, QList<Item>>> changed;
    int order = 0;
    m_document.visitTables([&](TableRef table, const PackedLines &lines) {
        const auto same = [&](const auto &g) { return g && g->table == table; };
        // The tables keep their order, so the group is nearly always where it was.
        const auto old = size_t(order) < m_groups.size() && same(m_groups[order])
                             ? m_groups.begin() + order
                             : std::find_if(m_groups.begin(), m_groups.end(), same);
        std::unique_ptr<Group> group = old == m_groups.end() ? nullptr : std::move(*old);
        const bool live = gridShows && table == current;
        // Between two tables shown the grid's table is known from its edits.
        const bool followed = group && live && group->live && !currentToo;
        const bool stale = !group || group->languages != languages ||
                           (!followed && (group->edited || group->lines != lines));
        if (!group) {
            group = std::make_unique<Group>();
            group->table = table;
        }
        group->order = order++;
        group->languages = languages;
        group->live = live;
        if (stale) {
            group->lines = lines;
            group->edited = false;
            QList<Item> fresh = checkGroup(*group);
            if (fresh != group->items)
                changed.append({group.get(), std::move(fresh)});
        }
        groups.push_back(std::move(group));
    });
    adoptGroups(std::move(groups), std::move(changed), current);
}

// The groups of a refresh replace the old ones; the rows reset where their warnings changed.
void DocumentChecksModel::adoptGroups(std::vector<std::unique_ptr<Group>> groups,
                                      QList<std::pair<Group *, QList<Item>>> changed,
                                      TableRef current)
{
    // A table gone with warnings listed changes the rows too.
    const bool gone = std::any_of(m_groups.begin(), m_groups.end(),
                                  [](const auto &g) { return g && !g->items.isEmpty(); });
    if (changed.isEmpty() && !gone) {
        m_groups = std::move(groups);
        reorder();
        return;
    }
    beginResetModel();
    for (auto &[group, items] : changed)
        group->items = std::move(items);
    m_groups = std::move(groups);
    if (!m_orderHeld)
        m_first = current;
    m_shown.clear();
    for (const auto &group : m_groups) {
        if (!group->items.isEmpty())
            m_shown.append(group.get());
    }
    std::stable_sort(m_shown.begin(), m_shown.end(),
                     [this](const Group *a, const Group *b) { return comesBefore(*a, *b); });
    endResetModel();
}

DocumentChecksModel::Group *DocumentChecksModel::groupOf(TableRef table) const
{
    const auto found = std::find_if(m_groups.begin(), m_groups.end(),
                                    [&](const auto &g) { return g->table == table; });
    return found == m_groups.end() ? nullptr : found->get();
}

DocumentChecksModel::Group *DocumentChecksModel::currentGroup() const
{
    Group *group = groupOf(m_document.currentTableRef());
    return group && group->live ? group : nullptr;
}

void DocumentChecksModel::recheckEntries(qsizetype first, qsizetype last)
{
    Group *group = currentGroup();
    const TableGridModel &grid = *m_document.grid();
    if (!group || first < 0 || group->languages != grid.languageCount())
        return;
    QList<ValueChecks::Warning> warnings;
    for (qsizetype entry = first; entry <= last; ++entry)
        warnings += ValueChecks::checkEntry(grid.lines(), grid.languageCount(), entry);
    const auto byEntry = [](const Item &item, qsizetype entry) { return item.entry < entry; };
    const auto from = std::lower_bound(group->items.cbegin(), group->items.cend(), first, byEntry);
    const auto to = std::lower_bound(from, group->items.cend(), last + 1, byEntry);
    group->edited = true;
    replaceItems(*group, int(from - group->items.cbegin()), int(to - group->items.cbegin()),
                 itemsOf(*group, warnings));
}

void DocumentChecksModel::recheck(TableRef table)
{
    Group *group = groupOf(table);
    if (!group)
        return;
    group->lines = m_document.tableLines(table);
    group->edited = false;
    replaceItems(*group, 0, int(group->items.size()), checkGroup(*group));
}

bool DocumentChecksModel::comesBefore(const Group &a, const Group &b) const
{
    const bool aFirst = a.table == m_first;
    const bool bFirst = b.table == m_first;
    return aFirst != bFirst ? aFirst : a.order < b.order;
}

int DocumentChecksModel::shownPosition(const Group &group) const
{
    return int(std::count_if(m_shown.cbegin(), m_shown.cend(),
                             [&](const Group *other) { return comesBefore(*other, group); }));
}

// The table shown goes first. Only the headings move: a warning's index names its group, so
// the selection and every other kept index follow.
void DocumentChecksModel::reorder()
{
    if (m_orderHeld || m_first == m_document.currentTableRef())
        return;
    QList<Group *> before = m_shown;
    m_first = m_document.currentTableRef();
    QList<Group *> after = m_shown;
    std::stable_sort(after.begin(), after.end(),
                     [this](const Group *a, const Group *b) { return comesBefore(*a, *b); });
    // Not QList's ==: on two empty lists it hands memcmp null pointers.
    if (std::ranges::equal(after, before))
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_shown = after;
    const QModelIndexList kept = persistentIndexList();
    QModelIndexList moved;
    for (const QModelIndex &index : kept) {
        moved.append(
            index.internalPointer()
                ? index
                : createIndex(int(after.indexOf(before.at(index.row()))), index.column(), nullptr));
    }
    changePersistentIndexList(kept, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void DocumentChecksModel::refreshTexts()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    for (int row = 0; row < m_shown.size(); ++row) {
        const QModelIndex heading = index(row, 0);
        emit dataChanged(heading, heading);
        const int last = int(m_shown.at(row)->items.size()) - 1;
        emit dataChanged(index(0, 0, heading), index(last, columnCount() - 1, heading));
    }
}

const DocumentChecksModel::Group *DocumentChecksModel::groupAt(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<const Group *>(index.internalPointer()) : nullptr;
}

std::optional<EditorDocument::CellRef> DocumentChecksModel::cellAt(const QModelIndex &index) const
{
    const Group *group = groupAt(index);
    if (!group || index.row() >= group->items.size())
        return std::nullopt;
    const Item &item = group->items.at(index.row());
    return EditorDocument::CellRef{group->table, int(item.entry),
                                   int(item.language) + int(TableGridModel::Column::FirstLanguage)};
}

std::optional<WarningSubject> DocumentChecksModel::subjectAt(const QModelIndex &index) const
{
    const std::optional<EditorDocument::CellRef> cell = cellAt(index);
    if (!cell)
        return std::nullopt;
    const qsizetype line =
        qsizetype(cell->entry) * (m_document.languages().size() + 1) + cell->column;
    WarningSubject subject =
        subjectOf(m_document, cell->table, m_document.tableLines(cell->table), line);
    subject.check = groupAt(index)->items.at(index.row()).check;
    return subject;
}

QModelIndex DocumentChecksModel::indexOf(const EditorDocument::CellRef &cell,
                                         ValueChecks::Check check) const
{
    Group *group = groupOf(cell.table);
    const Item wanted{cell.entry, cell.column - int(TableGridModel::Column::FirstLanguage), check};
    const qsizetype row = group ? group->items.indexOf(wanted) : -1;
    return row < 0 || !m_shown.contains(group) ? QModelIndex() : createIndex(int(row), 0, group);
}

QModelIndex DocumentChecksModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column, parent.isValid() ? m_shown.at(parent.row()) : nullptr);
}

QModelIndex DocumentChecksModel::parent(const QModelIndex &child) const
{
    const Group *group = groupAt(child);
    return group ? createIndex(int(m_shown.indexOf(group)), 0, nullptr) : QModelIndex();
}

int DocumentChecksModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(m_shown.size());
    if (groupAt(parent) || parent.column() != 0)
        return 0;
    return int(m_shown.at(parent.row())->items.size());
}

int DocumentChecksModel::columnCount(const QModelIndex &) const
{
    return int(Column::Warning) + 1;
}

QString DocumentChecksModel::text(const Group &group, const Item &item, Column column) const
{
    switch (column) {
    case Column::Key: {
        const qsizetype key = item.entry * (m_document.languages().size() + 1);
        return TableGridModel::shownKey(m_document.tableLines(group.table).value(key)).toString();
    }
    case Column::Language:
        return m_document.languages().value(item.language);
    case Column::Warning:
        return warningTexts(
                   item.check, m_document.languages().value(0),
                   [this](const QString &identifier) { return m_document.text(identifier); })
            .value(0);
    }
    return {};
}

QVariant DocumentChecksModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Group *group = groupAt(index);
    if (!group) {
        const Group &heading = *m_shown.at(index.row());
        if (role == Qt::DisplayRole && index.column() == 0)
            return QStringLiteral("%1 (%2)")
                .arg(m_document.tableCaption(heading.table))
                .arg(heading.items.size());
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const Item &item = group->items.at(index.row());
    if (role == Qt::DisplayRole)
        return text(*group, item, Column(index.column()));
    // The value itself, which the list does not show.
    if (role == Qt::ToolTipRole) {
        const std::optional<WarningSubject> subject = subjectAt(index);
        return subject ? subject->value : QString();
    }
    return {};
}

QVariant DocumentChecksModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractItemModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Column::Key:
        return m_document.text(QStringLiteral("COLUMN_KEY"));
    case Column::Language:
        return m_document.text(QStringLiteral("CHECKS_LANGUAGE"));
    case Column::Warning:
        return m_document.text(QStringLiteral("CHECKS_WARNING"));
    }
    return {};
}

} // namespace ParloxEd
