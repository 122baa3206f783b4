#pragma once
// The item ids a walk has visited: a chained hash set over flat arrays that
// doubles its buckets once it holds more ids than buckets, so its load factor
// never passes 1.0. std::unordered_set allocates a node per id, which alone
// costs a walk over a large scene as much as the walk itself.

#include <zsg/platform/OrbLightLayer.h>

#include <cstdint>
#include <vector>

namespace zsg {

class VisitedIds {
public:
    VisitedIds();

    // True when `id` was not in the set; it is from now on.
    bool insert(orb::GroupItemId id)
    {
        Node& first = m_buckets[bucketOf(id)];
        for (const Node* node = &first; node->next != Empty; node = &m_chained[node->next]) {
            if (node->id == id)
                return false;
            if (node->next == End)
                break;
        }
        add(first, id);
        if (++m_size > m_buckets.size())
            grow();
        return true;
    }

    std::size_t size() const { return m_size; }
    std::size_t bucketCount() const { return m_buckets.size(); }

private:
    // A chain's first node sits in its bucket, the others in m_chained; dense
    // ids rarely share a bucket, so a visit mostly touches one array only.
    struct Node {
        orb::GroupItemId id;
        std::uint32_t next;  // index in m_chained, or End; Empty: no node
    };
    static constexpr std::uint32_t Empty = 0xFFFFFFFF;
    static constexpr std::uint32_t End = 0xFFFFFFFE;

    // Ids below the bucket count keep their own bucket, so a walk over dense
    // ids touches the buckets in order; the bits above are mixed in, so ids
    // that differ only there spread over the buckets.
    std::size_t bucketOf(orb::GroupItemId id) const
    {
        const std::uint32_t high = (id >> m_bits) * 0x9E3779B1u;
        return (id ^ (high >> (32 - m_bits))) & (m_buckets.size() - 1);
    }

    void add(Node& first, orb::GroupItemId id)
    {
        if (first.next == Empty) {
            first = {id, End};
        } else {
            m_chained.push_back({id, first.next});
            first.next = static_cast<std::uint32_t>(m_chained.size() - 1);
        }
    }

    void grow();

    int m_bits = 10;  // log2 of the bucket count
    std::size_t m_size = 0;
    std::vector<Node> m_buckets;
    std::vector<Node> m_chained;
};

} // namespace zsg
