#pragma once

#include <Parlox/format/valuechecks.h>

#include <QAbstractTableModel>
#include <functional>

namespace ParloxEd {

class TableGridModel;

// The warnings of the table the grid shows: one row per check that a value fails against the
// first language's value of its entry, in the grid's order. It follows the grid as it
// changes: an edit rechecks only the rows it touched, a new table or a language added or
// removed rechecks them all.
class CheckListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Column { Key, Language, Warning };
    using TextLookup = std::function<QString(const QString &identifier)>;

    CheckListModel(const TableGridModel &grid, TextLookup lookup, QObject *parent = nullptr);

    // The grid cell (model row and column) a warning is about.
    struct Cell {
        int row = 0;
        int column = 0;
    };
    Cell cellAt(int row) const;
    // The lookup gives the texts of another interface language now.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Item {
        qsizetype entry = 0;
        qsizetype language = 0;
        Parlox::ValueChecks::Check check = Parlox::ValueChecks::Check::AccessKeys;
    };

    void follow();
    void recheckAll();
    void recheckEntries(qsizetype first, qsizetype last);
    QList<Item> itemsOf(const QList<Parlox::ValueChecks::Warning> &warnings) const;
    QString text(const Item &item, Column column) const;

    const TableGridModel &m_grid;
    TextLookup m_lookup;
    QList<Item> m_items;
};

} // namespace ParloxEd
