#pragma once

#include <QAbstractProxyModel>
#include <QList>

#include "textmatcher.h"

namespace ParloxEd {

class TableGridModel;

// The grid's entries that hold a text, letter case ignored, in their key or in any value; every
// entry while the text is empty. Its rows (proxy rows) are those entries in order. An entry is
// not filtered again while it is typed into, so the one being edited stays in view until the
// text or the table changes.
//
// A new text resets the model with the list of rows kept: removing tens of thousands of
// scattered rows one range at a time would cost the view work that grows with the square of
// their number. A text that only adds to the last one looks at the rows kept so far.
class GridFilterModel : public QAbstractProxyModel {
    Q_OBJECT

public:
    explicit GridFilterModel(TableGridModel *grid, QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

    // The entry behind an index of this model, or -1.
    int entry(const QModelIndex &proxyIndex) const;

    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // The grid only ever resets as a whole; its cells and headers change in place.
    void followGrid();
    void forwardDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                            const QList<int> &roles);
    void refilter(bool narrowing);
    bool accepts(int entry) const;
    bool showsAll() const { return m_text.isEmpty(); }
    // This model's row of an entry, or -1.
    int proxyRowOf(int entry) const;

    const TableGridModel *m_grid;
    QString m_text;
    TextMatcher m_matcher;
    QList<int> m_entries; // the entries kept, ascending, while there is a text
};

} // namespace ParloxEd
