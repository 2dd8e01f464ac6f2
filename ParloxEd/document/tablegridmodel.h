#pragma once

#include <Parlox/format/packedlines.h>
#include <Parlox/format/valuechecks.h>

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace ParloxEd {

using Parlox::Lng::PackedLines;

// Column count and the width every column gets, the key column included.
struct ColumnLayout {
    int columnCount = 2;
    int columnWidth = 0;
    bool operator==(const ColumnLayout &) const = default;
};

// The editor's grid: a virtual view over one translation table of the document, laid out one
// entry per row and one language per column after the key column. Nothing is stored per cell;
// every cell is computed from the table's lines.
//
// Positions are entries: entry e is the Qt model row e and the e-th entry of the table. The
// window's grid counts the fixed header row as grid row 0, so entry e is its grid row e + 1;
// cell()/setCell() take grid rows and gridRowOf()/entryOf() are the only conversion. The Qt
// model offers the header row as horizontal header data, so a view keeps it in place while
// scrolling; column 0 is the key column everywhere.
//
// The grid does not copy the table: it reads and edits the document's own lines in place, so
// the document's content is always what the user sees. Edits change value lines only, keys
// are never edited, and lines that do not make up a whole row are kept though not shown.
class TableGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Column { Key = 0, FirstLanguage = 1 };
    // True for a value cell that a line backs and that is empty: a text still to translate.
    static constexpr int UntranslatedRole = Qt::UserRole + 1;
    // The checks a value cell fails against the first language's cell of its row, as an int of
    // ValueChecks::Checks; 0 for every other cell. Their sentences are the cell's tooltip.
    static constexpr int WarningsRole = Qt::UserRole + 2;
    using TextLookup = std::function<QString(const QString &identifier)>;
    // The checks of `failed` that still count for the value on a line of the table: the
    // translator may have accepted some.
    using WarningFilter = std::function<Parlox::ValueChecks::Checks(
        qsizetype line, Parlox::ValueChecks::Checks failed)>;

    explicit TableGridModel(QObject *parent = nullptr);

    // Where the sentences of the warnings come from (user strings of the interface language).
    void setTextLookup(TextLookup lookup) { m_lookup = std::move(lookup); }
    void setWarningFilter(WarningFilter filter) { m_warningFilter = std::move(filter); }
    // Tells the views that the warnings of every cell may have changed (what the filter lets
    // through did).
    void refreshWarnings();

    // Shows a table with languageCount languages; keeps the header texts of the columns that
    // remain. Resets the model. The grid reads and edits `lines` where they are: they must
    // stay there until the next setTable, followTable or clearTable.
    void setTable(PackedLines &lines, qsizetype languageCount);
    // The table shown was moved (its owner's storage was copied on write) without changing:
    // the grid goes on with it where it is now, without a reset.
    void followTable(PackedLines &lines);
    // Asked before each edit for the table shown as its owner writes it: storage the owner
    // shares with a copy of itself is copied first, so that the edit never reaches the copy.
    using TableForWriting = std::function<PackedLines *()>;
    void setTableForWriting(TableForWriting table) { m_tableForWriting = std::move(table); }
    // Forgets the table: one blank row that cannot be edited.
    void clearTable();

    // The table shown, with every edit made so far; empty without one.
    const PackedLines &lines() const;
    qsizetype languageCount() const { return m_languages; }
    // True while the grid shows a table (not just the blank row of clearTable).
    bool hasTable() const { return m_table != nullptr; }

    // The one place where entries and the window's grid rows (header row 0) meet.
    static constexpr int gridRowOf(int entry) { return entry + 1; }
    static constexpr int entryOf(int gridRow) { return gridRow - 1; }

    // An entry's text in a column (the key as shown in column 0); empty where no line backs it.
    QString value(int col, int entry) const { return dataCell(col, entry); }
    // Sets an editable value of an entry, like typing it; false when the cell is not one.
    bool setValue(int col, int entry, const QString &text);
    // A value the user may type into: a line backs it, and it is neither a key nor locked.
    bool isEditable(int col, int entry) const;

    // Grid coordinates: row 0 is the header row.
    int gridRowCount() const { return gridRowOf(rowCount()); }
    int gridColumnCount() const { return columnCount(); }
    QString cell(int col, int gridRow) const;
    // Sets a header cell (grid row 0) or an editable value; false when the cell is neither.
    bool setCell(int col, int gridRow, const QString &text);
    // A column the user cannot type into (-1 for none); commands still change its cells.
    void setLockedColumn(int col);
    int lockedColumn() const { return m_lockedColumn; }

    // Grid rows (header row included) for a table of lineCount lines: one row per whole entry,
    // never fewer than one data row.
    static int gridRowsFor(qsizetype lineCount, qsizetype languageCount);
    // Columns of the grid: the key column and one per language, never fewer than two.
    static int gridColumnsFor(qsizetype languageCount);
    // The columns for a grid of that width in pixels.
    static ColumnLayout columnLayout(qsizetype languageCount, int gridWidth);
    // Line of a table behind an entry's cell, or -1 where the grid shows no line: the rule by
    // which every table is shown, whether it is the one in the grid or not.
    static qsizetype lineFor(qsizetype lineCount, qsizetype languageCount, int col, int entry);
    // How many of a table's first lines back a grid cell: its whole entries, or the one row a
    // table shorter than an entry shows.
    static qsizetype shownLineCount(qsizetype lineCount, qsizetype languageCount);
    // A key line as the key column shows it: without its first and last character.
    static QStringView shownKey(QStringView line);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;

signals:
    // An entry's value changed through setData; `before` is what it held.
    void cellEdited(int col, int entry, const QString &before);

private:
    // Line of the table behind an entry's cell, or -1 when no line backs it.
    qsizetype lineIndex(int col, int entry) const;
    QString dataCell(int col, int entry) const;
    int warningsAt(const QModelIndex &index) const;
    QVariant toolTip(const QModelIndex &index) const;

    TextLookup m_lookup;
    WarningFilter m_warningFilter;
    TableForWriting m_tableForWriting;
    PackedLines *m_table = nullptr; // the document's, never owned
    QStringList m_headers{QString(), QString()};
    qsizetype m_languages = 0;
    int m_rows = 1;
    int m_lockedColumn = -1;
};

} // namespace ParloxEd
