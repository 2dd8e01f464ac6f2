#pragma once

#include "editordocument.h"
#include "warningsubject.h"

#include <Parlox/format/valuechecks.h>

#include <QAbstractItemModel>
#include <memory>
#include <optional>
#include <vector>

namespace ParloxEd {

// The warnings of every table of the document that the translator has not accepted, as a
// tree: one heading per table that has any (its caption and how many), the warnings under it
// one per check a value fails against the first language's value of its entry, in the table's
// order. The heading of the table shown comes first, the others follow in menu order.
//
// It follows the document cheaply: an edit in the grid rechecks only the entries it touched,
// and any other change (another table shown, a replace in every table, an undo) rechecks only
// the tables whose lines changed, which an unchanged table tells at once as it still shares
// them. Showing another table reorders the headings without a reset, so a selection stays.
class DocumentChecksModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum class Column { Key, Language, Warning };

    DocumentChecksModel(const EditorDocument &document, IsAccepted accepted,
                        QObject *parent = nullptr);
    ~DocumentChecksModel() override;

    // The cell a warning is about; none for a heading.
    std::optional<EditorDocument::CellRef> cellAt(const QModelIndex &index) const;
    // What accepting the warning remembers; none for a heading.
    std::optional<WarningSubject> subjectAt(const QModelIndex &index) const;
    // The warning of that check on that cell, or an invalid index.
    QModelIndex indexOf(const EditorDocument::CellRef &cell,
                        Parlox::ValueChecks::Check check) const;
    // Checks a table again after what is accepted in it changed.
    void recheck(EditorDocument::TableRef table);
    // While held, showing another table leaves the headings where they are: the translator is
    // browsing the list, and the rows must not move under the keys.
    void holdOrder(bool held) { m_orderHeld = held; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
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
        auto operator<=>(const Item &) const = default;
    };
    struct Group;

    void follow();
    void refresh(bool currentToo);
    void recheckEntries(qsizetype first, qsizetype last);
    void adoptGroups(std::vector<std::unique_ptr<Group>> groups,
                     QList<std::pair<Group *, QList<Item>>> changed,
                     EditorDocument::TableRef current);
    void replaceItems(Group &group, int from, int to, const QList<Item> &fresh);
    void mergeRows(Group &group, const QModelIndex &parent, int from, int to,
                   const QList<Item> &fresh);
    void reorder();
    void refreshTexts();
    QList<Item> itemsOf(const Group &group,
                        const QList<Parlox::ValueChecks::Warning> &warnings) const;
    QList<Item> checkGroup(const Group &group) const;
    Group *currentGroup() const;
    Group *groupOf(EditorDocument::TableRef table) const;
    const Group *groupAt(const QModelIndex &index) const;
    bool comesBefore(const Group &a, const Group &b) const;
    int shownPosition(const Group &group) const;
    QString text(const Group &group, const Item &item, Column column) const;

    const EditorDocument &m_document;
    IsAccepted m_accepted;
    std::vector<std::unique_ptr<Group>> m_groups; // every table, in menu order
    QList<Group *> m_shown;                       // the tables with warnings, as listed
    EditorDocument::TableRef m_first;             // the table listed first
    bool m_orderHeld = false;
};

} // namespace ParloxEd
