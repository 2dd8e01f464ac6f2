#pragma once

#include "editordocument.h"

#include <QAbstractTableModel>

namespace ParloxEd {

// The cells a find turned up, one row each: the table, the entry's key, the language (none for
// a key) and the cell's text as it reads now. The list is forgotten with the document.
class FindResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Column { Table, Key, Language, Text };

    explicit FindResultsModel(const EditorDocument &document, QObject *parent = nullptr);

    void setResults(QList<EditorDocument::CellRef> results);
    const QList<EditorDocument::CellRef> &results() const { return m_results; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // The text of a cell of the found cell's entry.
    QString entryCell(const EditorDocument::CellRef &cell, int column) const;

    const EditorDocument &m_document;
    QList<EditorDocument::CellRef> m_results;
};

} // namespace ParloxEd
