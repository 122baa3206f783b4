#pragma once
// Depth-first walk over a scene hierarchy in child-list order, without
// recursion, so that deep hierarchies cannot exhaust the stack. The caller's
// visit function decides what a visit records and which groups are entered.

#include <zsg/platform/OrbLightLayer.h>

#include <unordered_set>
#include <vector>

namespace zsg {

class HierarchyWalk {
public:
    // Calls visit(item) for every child of `group` in list order, and so on
    // for the children of each group that visit returns (null: not entered).
    // A group already on the current path is not entered again: a renderer
    // may hand over a hierarchy that leads back to itself. Items may be null;
    // visit must skip them.
    template <typename Visit>
    void children(const orbGroup* group, Visit&& visit)
    {
        if (!group)
            return;
        // A finished walk leaves both empty.
        m_path.push_back({group, group->children});
        m_onPath.insert(group);
        while (!m_path.empty()) {
            Frame& top = m_path.back();
            if (!top.next) {
                m_onPath.erase(top.group);
                m_path.pop_back();
                continue;
            }
            const orbGroup_item* item = top.next->item;
            top.next = top.next->next;
            const orbGroup* entered = visit(item);
            if (entered && m_onPath.insert(entered).second)
                m_path.push_back({entered, entered->children});
        }
    }

private:
    struct Frame {
        const orbGroup* group;
        const orbGroup_child* next;  // the next child to visit
    };
    std::vector<Frame> m_path;
    std::unordered_set<const orbGroup*> m_onPath;
};

} // namespace zsg
