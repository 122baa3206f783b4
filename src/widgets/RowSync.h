#pragma once
// Brings a model's cached rows in line with the library's current id list and
// announces the change with row signals instead of a reset, so that views keep
// their selection and scroll position. Rows are structs with an `id` member.

#include <QAbstractItemModel>

#include <algorithm>
#include <span>
#include <vector>

namespace zsg {

template <typename Model>
class RowSync
{
public:
    RowSync(Model* model, const QModelIndex& parent) : m_model(model), m_parent(parent) {}

    // One change in one place (an insertion, a removal, one row moved) is
    // announced as exactly that; several as removing and inserting the span
    // between the first and the last difference. Rows outside that span, and a
    // moved row, keep their data; rows inserted are makeRow(id). True when
    // anything changed.
    template <typename Row, typename Id, typename MakeRow>
    bool apply(std::vector<Row>& rows, std::span<const Id> ids, MakeRow makeRow)
    {
        const auto same = [](const Row& row, Id id) { return row.id == id; };
        const int n = int(rows.size());
        const int m = int(ids.size());
        int p = 0;
        while (p < n && p < m && rows[p].id == ids[p])
            ++p;
        int s = 0;
        while (s < n - p && s < m - p && rows[n - 1 - s].id == ids[m - 1 - s])
            ++s;
        const int oldCount = n - p - s;
        const int newCount = m - p - s;
        if (oldCount == 0 && newCount == 0)
            return false;

        if (oldCount == newCount && oldCount > 1) {
            const auto oldMid = rows.begin() + p;
            const auto newMid = ids.begin() + p;
            const int last = p + oldCount - 1;
            // One row moved down: the first old row is now the last new one.
            if (rows[p].id == ids[last] && std::equal(oldMid + 1, oldMid + oldCount, newMid, same)) {
                m_model->beginMoveRows(m_parent, p, p, m_parent, last + 1);
                std::rotate(oldMid, oldMid + 1, oldMid + oldCount);
                m_model->endMoveRows();
                return true;
            }
            // One row moved up: the last old row is now the first new one.
            if (rows[last].id == ids[p] && std::equal(oldMid, oldMid + oldCount - 1, newMid + 1, same)) {
                m_model->beginMoveRows(m_parent, last, last, m_parent, p);
                std::rotate(oldMid, oldMid + oldCount - 1, oldMid + oldCount);
                m_model->endMoveRows();
                return true;
            }
        }
        if (oldCount > 0) {
            m_model->beginRemoveRows(m_parent, p, p + oldCount - 1);
            rows.erase(rows.begin() + p, rows.begin() + p + oldCount);
            m_model->endRemoveRows();
        }
        if (newCount > 0) {
            m_model->beginInsertRows(m_parent, p, p + newCount - 1);
            std::vector<Row> added;
            added.reserve(newCount);
            for (int i = p; i < p + newCount; ++i)
                added.push_back(makeRow(ids[i]));
            rows.insert(rows.begin() + p, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
            m_model->endInsertRows();
        }
        return true;
    }

    // Replaces each row's data by fresh(row) and announces the rows that changed
    // as one dataChanged over the span from the first to the last of them.
    template <typename Row, typename Fresh>
    void update(std::vector<Row>& rows, Fresh fresh)
    {
        int first = -1;
        int last = -1;
        for (int i = 0; i < int(rows.size()); ++i) {
            Row next = fresh(rows[i]);
            if (next == rows[i])
                continue;
            rows[i] = std::move(next);
            first = first < 0 ? i : first;
            last = i;
        }
        if (first >= 0)
            emit m_model->dataChanged(m_model->index(first, 0, m_parent), m_model->index(last, 0, m_parent));
    }

private:
    Model* m_model;
    QModelIndex m_parent;
};

} // namespace zsg
