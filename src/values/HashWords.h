#pragma once
// The quantisers and the combine step behind every value hash, in one place,
// inline so that the folds over large arrays stay tight loops. Shared with the
// value classes that hash themselves.

#include <bit>
#include <cstdint>

namespace zsg::hashwords {

constexpr std::uint64_t combine(std::uint64_t seed, std::uint64_t h)
{
    return seed ^ (h + 0x9e3779b9u + (seed << 6) + (seed >> 2));
}

constexpr std::uint64_t intWord(std::int32_t value)
{
    return std::uint64_t(std::int64_t(value));
}

// Bit patterns as they are, NaN payloads and the sign of zero included.
constexpr std::uint64_t floatWord(float value)
{
    return std::bit_cast<std::uint32_t>(value) & 0xFFFFF000u;
}

constexpr std::uint64_t doubleWord(double value)
{
    return std::bit_cast<std::uint64_t>(value) & 0xFFFFFFFFFFFF0000u;
}

// Folds the words of [first, last) into `seed`, in order.
template <typename It, typename Word>
constexpr std::uint64_t fold(std::uint64_t seed, It first, It last, Word word)
{
    for (; first != last; ++first)
        seed = combine(seed, word(*first));
    return seed;
}

} // namespace zsg::hashwords
