#include "lightlayer/VisitedIds.h"

#include <utility>

namespace zsg {

VisitedIds::VisitedIds() : m_buckets(std::size_t{1} << m_bits, Node{.id = {}, .next = Empty}) {}

void VisitedIds::grow()
{
    const std::vector<Node> buckets = std::exchange(m_buckets, {});
    const std::vector<Node> chained = std::exchange(m_chained, {});
    ++m_bits;
    m_buckets.assign(std::size_t{1} << m_bits, Node{.id = {}, .next = Empty});
    for (const Node& node : buckets)
        if (node.next != Empty)
            add(m_buckets[bucketOf(node.id)], node.id);
    for (const Node& node : chained)
        add(m_buckets[bucketOf(node.id)], node.id);
}

} // namespace zsg
