#pragma once
// Depth-first walk over a scene hierarchy in child-list order, without
// recursion, so that deep hierarchies cannot exhaust the stack. The caller's
// visit function decides what a visit records and which groups are entered.

#include <zsg/platform/OrbLightLayer.h>

#include <vector>

namespace zsg {

class HierarchyWalk {
public:
    // Calls visit(item) for every child of `group` in list order, and so on
    // for the children of each group that visit returns (null: not entered).
    // Items may be null; visit must skip them.
    template <typename Visit>
    void children(const orbGroup* group, Visit&& visit)
    {
        if (!group)
            return;
        m_pending.assign(1, group->children);
        while (!m_pending.empty()) {
            const orbGroup_child*& next = m_pending.back();
            if (!next) {
                m_pending.pop_back();
                continue;
            }
            const orbGroup_item* item = next->item;
            next = next->next;
            if (const orbGroup* entered = visit(item))
                m_pending.push_back(entered->children);
        }
    }

    // The id of an object or group item; InvalidId for anything else.
    static orb::GroupItemId idOf(const orbGroup_item* item)
    {
        if (item && item->kind == orbGroup_item::Object && item->object)
            return item->object->group_item_id;
        if (item && item->kind == orbGroup_item::Group && item->group)
            return item->group->group_item_id;
        return orb::InvalidId;
    }

private:
    std::vector<const orbGroup_child*> m_pending;
};

} // namespace zsg
