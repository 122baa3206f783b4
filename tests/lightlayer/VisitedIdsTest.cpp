// The walks' visited set against std::set: dense, strided and random ids,
// each inserted twice, growing well past the initial buckets.

#include "lightlayer/VisitedIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

namespace {

using Ids = std::vector<orb::GroupItemId>;

// count ids, the i-th being id(i), then the same ids again backwards.
Ids twice(int count, std::function<std::uint32_t(std::uint32_t)> id)
{
    Ids ids;
    for (std::uint32_t i = 0; i < std::uint32_t(count); ++i)
        ids.push_back(id(i));
    for (std::size_t i = ids.size(); i-- > 0;)
        ids.push_back(ids[i]);
    return ids;
}

TEST(VisitedIdsTest, AnswersLikeASetAndNeverPassesOneIdPerBucket)
{
    const std::pair<const char*, Ids> cases[] = {
        {"dense from 0", twice(5000, [](std::uint32_t i) { return i; })},
        {"dense far from 0", twice(5000, [](std::uint32_t i) { return 3000000000u + i; })},
        {"apart by the bucket count", twice(5000, [](std::uint32_t i) { return 5 + i * 1024; })},
        {"only high bits differ", twice(4000, [](std::uint32_t i) { return i << 20; })},
        {"random, with repeats", twice(6000, [g = std::mt19937(7)](std::uint32_t) mutable { return g() % 4000; })},
        {"random over all ids", twice(6000, [g = std::mt19937(7)](std::uint32_t) mutable { return g(); })},
        {"the ends of the range", {0xFFFFFFFF, 0, 0xFFFFFFFE, 0xFFFFFFFF, 0}},
    };
    for (const auto& [name, ids] : cases) {
        zsg::VisitedIds visited;
        std::set<orb::GroupItemId> model;
        for (orb::GroupItemId id : ids) {
            ASSERT_EQ(visited.insert(id), model.insert(id).second) << name << ", id " << id;
            ASSERT_LE(visited.size(), visited.bucketCount()) << name;
        }
        EXPECT_EQ(visited.size(), model.size()) << name;
    }
}

TEST(VisitedIdsTest, GrowsOnlyPastOneIdPerBucket)
{
    zsg::VisitedIds visited;
    const std::size_t initial = visited.bucketCount();
    for (std::uint32_t id = 0; id < initial; ++id)
        visited.insert(id);
    EXPECT_EQ(visited.bucketCount(), initial);
    visited.insert(std::uint32_t(initial));
    EXPECT_EQ(visited.bucketCount(), 2 * initial);
}

} // namespace
