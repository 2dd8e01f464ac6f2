// Keeping the Checks pane's rows in step with fresh warnings, row by row, so that the views
// keep their selection and scroll position.
#include "documentchecksgroup.h"

#include <algorithm>

namespace ParloxEd {

// Rows [from, to) of a group become `fresh`, row by row where they differ, so that the rows
// that stay keep their selection.
void DocumentChecksModel::replaceItems(Group &group, int from, int to, const QList<Item> &fresh)
{
    QList<Item> &items = group.items;
    const int heading = int(m_shown.indexOf(&group));
    // A table comes into the list with its first warnings and leaves it with its last.
    if (heading < 0) {
        if (fresh.isEmpty())
            return;
        const int row = shownPosition(group);
        beginInsertRows({}, row, row);
        items = fresh;
        m_shown.insert(row, &group);
        endInsertRows();
        return;
    }
    if (from == 0 && to == items.size() && fresh.isEmpty()) {
        beginRemoveRows({}, heading, heading);
        items.clear();
        m_shown.remove(heading);
        endRemoveRows();
        return;
    }
    mergeRows(group, index(heading, 0), from, to, fresh);
}

// Rows [from, to) of a listed group become `fresh`: runs that differ are removed or inserted,
// the rows in between stay.
void DocumentChecksModel::mergeRows(Group &group, const QModelIndex &parent, int from, int to,
                                    const QList<Item> &fresh)
{
    QList<Item> &items = group.items;
    int row = from;
    int end = to;
    qsizetype next = 0;
    while (row < end || next < fresh.size()) {
        if (row < end && next < fresh.size() && items.at(row) == fresh.at(next)) {
            ++row;
            ++next;
            continue;
        }
        int stale = row;
        while (stale < end && (next == fresh.size() || items.at(stale) < fresh.at(next)))
            ++stale;
        if (stale > row) {
            beginRemoveRows(parent, row, stale - 1);
            items.remove(row, stale - row);
            endRemoveRows();
            end -= stale - row;
            continue;
        }
        qsizetype added = next;
        while (added < fresh.size() && (row == end || fresh.at(added) < items.at(row)))
            ++added;
        const int count = int(added - next);
        beginInsertRows(parent, row, row + count - 1);
        items.insert(row, count, {});
        std::copy(fresh.cbegin() + next, fresh.cbegin() + added, items.begin() + row);
        endInsertRows();
        row += count;
        end += count;
        next = added;
    }
    emit dataChanged(parent, parent); // its count
}

} // namespace ParloxEd
