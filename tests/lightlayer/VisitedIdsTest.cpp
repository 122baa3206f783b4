// The walks' visited set against std::set: dense, strided and random ids,
// each inserted twice, growing well past the initial buckets, then cleared
// and filled again.

#include "lightlayer/VisitedIds.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

using Ids = std::vector<orb::GroupItemId>;

// The ids, then the same ids again backwards.
Ids twice(Ids ids)
{
    ids.insert(ids.end(), ids.rbegin(), ids.rend());
    return ids;
}

// count ids from `first`, `stride` apart.
Ids strided(std::uint32_t first, std::uint32_t stride, int count)
{
    Ids ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(first + std::uint32_t(i) * stride);
    return ids;
}

Ids random(int count, std::uint32_t below)
{
    std::mt19937 generator(7);
    std::uniform_int_distribution<std::uint32_t> pick(0, below - 1);
    Ids ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(pick(generator));
    return ids;
}

TEST(VisitedIdsTest, AnswersLikeASetAndNeverPassesOneIdPerBucket)
{
    const std::pair<const char*, Ids> cases[] = {
        {"dense from 0", twice(strided(0, 1, 5000))},
        {"dense far from 0", twice(strided(3000000000u, 1, 5000))},
        {"apart by the bucket count", twice(strided(5, 1024, 5000))},
        {"only high bits differ", twice(strided(0, 1u << 20, 4000))},
        {"random, with repeats", twice(random(6000, 4000))},
        {"random over all ids", twice(random(6000, 0xFFFFFFFF))},
        {"the ends of the range", {0xFFFFFFFF, 0, 0xFFFFFFFE, 0xFFFFFFFF, 0}},
    };
    for (const auto& [name, ids] : cases) {
        zsg::VisitedIds visited;
        for (int round = 0; round < 2; ++round) {
            std::set<orb::GroupItemId> model;
            visited.clear();
            for (orb::GroupItemId id : ids) {
                ASSERT_EQ(visited.insert(id), model.insert(id).second) << name << ", id " << id;
                ASSERT_LE(visited.size(), visited.bucketCount()) << name;
            }
            EXPECT_EQ(visited.size(), model.size()) << name;
        }
    }
}

} // namespace
