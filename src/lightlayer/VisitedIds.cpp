#include "lightlayer/VisitedIds.h"

#include <utility>

namespace zsg {

namespace {
constexpr int InitialBits = 10;
} // namespace

VisitedIds::VisitedIds()
{
    clear();
}

void VisitedIds::clear()
{
    m_bits = InitialBits;
    while ((std::size_t{1} << m_bits) < m_size)
        ++m_bits;
    m_size = 0;
    m_buckets.assign(std::size_t{1} << m_bits, Node{0, Empty});
    m_chained.clear();
}

void VisitedIds::grow()
{
    m_spare.swap(m_buckets);
    const std::vector<Node> chained = std::exchange(m_chained, {});
    ++m_bits;
    m_buckets.assign(std::size_t{1} << m_bits, Node{0, Empty});
    for (const Node& node : m_spare)
        if (node.next != Empty)
            add(m_buckets[bucketOf(node.id)], node.id);
    for (const Node& node : chained)
        add(m_buckets[bucketOf(node.id)], node.id);
}

} // namespace zsg
