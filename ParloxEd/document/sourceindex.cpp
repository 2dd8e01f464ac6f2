#include "sourceindex.h"

#include "tablegridmodel.h"

#include <algorithm>

namespace ParloxEd {
namespace {

// A grid change over more rows than this (a column locked or unlocked) indexes the table again
// rather than moving entries one by one.
constexpr qsizetype MaxRowsRekeyed = 64;

bool skippedAtEnds(QChar c)
{
    return c == u'&' || c.isSpace();
}

// Calls `unit` with each UTF-16 unit of the source as compared: "&"s dropped, spaces at either
// end (once the "&"s are gone) dropped, letters folded one unit at a time.
template <class Unit> void forEachUnit(QStringView source, Unit unit)
{
    qsizetype first = 0;
    qsizetype end = source.size();
    while (first < end && skippedAtEnds(source[first]))
        ++first;
    while (end > first && skippedAtEnds(source[end - 1]))
        --end;
    for (qsizetype i = first; i < end; ++i) {
        const char16_t c = source[i].unicode();
        if (c == u'&')
            continue;
        unit(c < 0x80 ? (c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c) : QChar::toCaseFolded(c));
    }
}

// FNV-1a over the compared units: no copy of the source is made. 0 means no source.
quint64 sourceHash(QStringView source)
{
    quint64 hash = 14695981039346656037ULL;
    bool any = false;
    forEachUnit(source, [&](char16_t c) {
        hash = (hash ^ c) * 1099511628211ULL;
        any = true;
    });
    return any ? hash | 1 : 0;
}

bool lessKey(const std::pair<quint64, int> &a, const std::pair<quint64, int> &b)
{
    return a < b;
}

} // namespace

SourceIndex::SourceIndex(const EditorDocument &document, QObject *parent)
    : QObject(parent), m_document(document)
{
    connect(document.grid(), &QAbstractItemModel::dataChanged, this, &SourceIndex::rowsChanged);
    connect(&document, &EditorDocument::tableShown, this, &SourceIndex::followShownTable);
    // A command changed the table shown.
    connect(&document, &EditorDocument::tableReloaded, this, [this] {
        if (Table *table = shownTable())
            table->stale = true;
    });
    // Another file (or none): every table is another one, whatever its place.
    connect(&document, &EditorDocument::openChanged, this, [this] { m_built = false; });
}

QString SourceIndex::normalised(QStringView source)
{
    QString out;
    out.reserve(source.size());
    forEachUnit(source, [&out](char16_t c) { out.append(QChar(c)); });
    return out;
}

SourceIndex::Table *SourceIndex::tableOf(EditorDocument::TableRef ref)
{
    for (Table &table : m_tables) {
        if (table.ref == ref)
            return &table;
    }
    return nullptr;
}

void SourceIndex::followShownTable()
{
    if (!m_built)
        return;
    // Every change of the table left while it was shown was signalled: its lines as they
    // are now are the ones indexed.
    if (Table *left = tableOf(m_shown))
        left->held = m_document.tableLines(left->ref);
    m_shown = m_document.currentTableRef();
    if (Table *shown = tableOf(m_shown)) {
        const PackedLines &lines = m_document.tableLines(m_shown);
        if (shown->held.storage() != lines.storage() || shown->held.size() != lines.size())
            shown->stale = true;
        shown->held = {};
    }
}

QString SourceIndex::sourceAt(const PackedLines &lines, int entry) const
{
    return lines.value(qsizetype(entry) * (m_languages + 1) + 1 + m_defaultIndex);
}

void SourceIndex::index(Table &table) const
{
    table.held = table.ref == m_shown ? PackedLines() : m_document.tableLines(table.ref);
    table.stale = false;
    table.keys.clear();
    const PackedLines &lines = m_document.tableLines(table.ref);
    QString scratch;
    const qsizetype width = m_languages + 1;
    const auto entries = int(TableGridModel::shownLineCount(lines.size(), m_languages) / width);
    table.keys.reserve(size_t(entries));
    for (int entry = 0; entry < entries; ++entry) {
        if (const quint64 hash =
                sourceHash(lines.text(entry * width + 1 + m_defaultIndex, scratch)))
            table.keys.emplace_back(hash, entry);
    }
    std::sort(table.keys.begin(), table.keys.end(), lessKey);
}

// A question after any change: tables whose lines were replaced are indexed again; a change
// of the languages, the default or the tables themselves indexes everything.
void SourceIndex::sync()
{
    QList<EditorDocument::TableRef> refs;
    m_document.visitTables(
        [&refs](EditorDocument::TableRef table, const PackedLines &) { refs.append(table); });
    const bool sameTables = refs.size() == m_tables.size() &&
                            std::equal(refs.cbegin(), refs.cend(), m_tables.cbegin(),
                                       [](EditorDocument::TableRef ref, const Table &table) {
                                           return ref == table.ref && ref.view == table.ref.view;
                                       });
    if (!m_built || !sameTables || m_defaultIndex != m_document.defaultLanguage() ||
        m_languages != m_document.languages().size()) {
        m_built = true;
        m_defaultIndex = m_document.defaultLanguage();
        m_languages = m_document.languages().size();
        m_shown = m_document.currentTableRef();
        m_tables.clear();
        for (const EditorDocument::TableRef ref : refs)
            m_tables.append(Table{ref, {}, {}, true});
    }
    if (m_defaultIndex < 0)
        return;
    for (Table &table : m_tables) {
        const PackedLines &lines = m_document.tableLines(table.ref);
        if (table.stale || (!(table.ref == m_shown) && (table.held.storage() != lines.storage() ||
                                                        table.held.size() != lines.size())))
            index(table);
    }
}

SourceIndex::Table *SourceIndex::shownTable()
{
    return tableOf(m_document.currentTableRef());
}

// Typing in the grid: an entry whose source changed moves to its new place.
void SourceIndex::rowsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                              const QList<int> &roles)
{
    const int sourceColumn = m_defaultIndex + 1;
    if (!m_built || m_defaultIndex < 0 || topLeft.column() > sourceColumn ||
        bottomRight.column() < sourceColumn ||
        (!roles.isEmpty() && !roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole)))
        return;
    Table *table = shownTable();
    if (!table)
        return;
    if (bottomRight.row() - topLeft.row() >= MaxRowsRekeyed) {
        table->stale = true;
        return;
    }
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        rekey(*table, row);
}

void SourceIndex::rekey(Table &table, int entry) const
{
    const auto old = std::find_if(table.keys.begin(), table.keys.end(),
                                  [entry](const auto &key) { return key.second == entry; });
    if (old != table.keys.end())
        table.keys.erase(old);
    const quint64 hash = sourceHash(sourceAt(m_document.tableLines(table.ref), entry));
    if (hash == 0)
        return;
    const std::pair<quint64, int> key{hash, entry};
    table.keys.insert(std::lower_bound(table.keys.begin(), table.keys.end(), key, lessKey), key);
}

QList<QList<SourceIndex::Suggestion>> SourceIndex::suggestionsFor(int entry)
{
    sync();
    QList<QList<Suggestion>> found(m_languages);
    const Table *shown = shownTable();
    if (!shown || m_defaultIndex < 0 || entry < 0)
        return found;
    const PackedLines &lines = m_document.tableLines(shown->ref);
    const qsizetype width = m_languages + 1;
    const qsizetype base = qsizetype(entry) * width + 1;
    if (base + m_languages > TableGridModel::shownLineCount(lines.size(), m_languages))
        return found;
    const QString source = sourceAt(lines, entry);
    const quint64 hash = sourceHash(source);
    if (hash == 0)
        return found;
    const QString key = normalised(source);
    QList<int> wanted;
    for (int language = 0; language < m_languages; ++language) {
        if (language != m_defaultIndex && lines.view(base + language).isEmpty())
            wanted.append(language);
    }
    for (const Table &table : m_tables) {
        const PackedLines &other = m_document.tableLines(table.ref);
        auto at = std::lower_bound(table.keys.begin(), table.keys.end(),
                                   std::pair<quint64, int>{hash, -1}, lessKey);
        for (; at != table.keys.end() && at->first == hash; ++at) {
            const qsizetype otherBase = qsizetype(at->second) * width + 1;
            if ((&table == shown && at->second == entry) ||
                otherBase + m_languages > other.size() ||
                normalised(sourceAt(other, at->second)) != key)
                continue;
            for (const int language : wanted) {
                const QString text = other.at(otherBase + language);
                if (text.isEmpty())
                    continue;
                countIn(found[language], text);
            }
        }
    }
    for (QList<Suggestion> &list : found)
        std::stable_sort(list.begin(), list.end(), [](const Suggestion &a, const Suggestion &b) {
            return a.count > b.count;
        });
    return found;
}

void SourceIndex::countIn(QList<Suggestion> &list, const QString &text)
{
    const auto same =
        std::find_if(list.begin(), list.end(), [&text](const auto &s) { return s.text == text; });
    if (same != list.end())
        ++same->count;
    else
        list.append({text, 1});
}

QStringList SourceIndex::firstSuggestions(int entry)
{
    QStringList first;
    for (const QList<Suggestion> &list : suggestionsFor(entry))
        first.append(list.isEmpty() ? QString() : list.first().text);
    return first;
}

} // namespace ParloxEd
