#pragma once

#include "editordocument.h"

#include <QAbstractTableModel>

namespace ParloxEd {

// How much is translated: per language (one row each), the filled values of the table shown
// and of the whole document out of the values there, as the grid lays tables out (whole
// entries). The table shown counts as the grid holds it, so typing shows at once.
class ProgressModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Column { Language, Table, Document };
    struct Count {
        qsizetype filled = 0;
        qsizetype total = 0;
        Count operator+(const Count &other) const
        {
            return {filled + other.filled, total + other.total};
        }
        bool operator==(const Count &) const = default;
    };

    explicit ProgressModel(const EditorDocument &document, QObject *parent = nullptr);

    Count count(int language, Column scope) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // Counts every table again; the tables not shown change only when another table shows.
    void recountAll();
    void recountShown();
    void publish(QList<Count> shown, QList<Count> rest);
    QList<Count> countTable(const PackedLines &lines) const;

    const EditorDocument &m_document;
    QStringList m_languages;
    QList<Count> m_shown;
    QList<Count> m_rest; // every table but the one shown
};

} // namespace ParloxEd
