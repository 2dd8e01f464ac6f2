#pragma once

#include <QSortFilterProxyModel>
#include <QStringMatcher>

namespace ParloxEd {

class TableGridModel;

// The grid's rows that hold a text, letter case ignored, in their key or in any value; every
// row while the text is empty. A row is not filtered again while it is typed into, so the row
// being edited stays in view until the text or the table changes.
class GridFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit GridFilterModel(TableGridModel *grid, QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

    // The grid's model row behind a row of this model, or -1.
    int gridRow(const QModelIndex &index) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    const TableGridModel *m_grid;
    QString m_text;
    QStringMatcher m_matcher;
};

} // namespace ParloxEd
