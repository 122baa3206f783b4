#include "valuetypes/IorMatcher.h"

#include <array>
#include <span>
#include <utility>

namespace zsg {

namespace {

// Character classes of the "C" locale, as bits so that one table serves all of them.
enum Class : std::uint8_t {
    Space = 1, // \s: space, \t, \n, \v, \f, \r
    Digit = 2, // \d
    Unit = 4,  // [1234]
    Sep = 8,   // [,;\t]
    Any = 16,  // the wildcard: anything but a line terminator
};

constexpr std::array<std::uint8_t, 256> makeClassTable()
{
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        std::uint8_t bits = (c == '\n' || c == '\r') ? 0 : Any;
        if (c == ' ' || (c >= '\t' && c <= '\r'))
            bits |= Space;
        if (c >= '0' && c <= '9')
            bits |= Digit;
        if (c >= '1' && c <= '4')
            bits |= Unit;
        if (c == ',' || c == ';' || c == '\t')
            bits |= Sep;
        table[c] = bits;
    }
    return table;
}

constexpr auto kClasses = makeClassTable();

// A pattern is a sequence of one-character items, each taken once, optionally (?)
// or greedily repeated (*); \d+ is written as \d\d*, which tries the same counts in
// the same order.
enum class Count : std::uint8_t { One, Optional, Many };

struct Item
{
    std::uint8_t cls;
    Count count;
};

constexpr Item S{Space, Count::Many};
constexpr Item D{Digit, Count::One};
constexpr Item Ds{Digit, Count::Many};
constexpr Item Wild{Any, Count::Optional};

constexpr Item kHeader[] = {
    S, {Unit, Count::One}, S, {Sep, Count::Optional}, S,
    Ds, Wild, D, Ds, S, {Sep, Count::Optional}, S,
    Ds, Wild, D, Ds, S, {Sep, Count::Optional}, S,
    D, Ds, S};
constexpr Item kSample[] = {S, Ds, Wild, Ds, S, {Sep, Count::Optional}, S, Ds, Wild, Ds, S};
constexpr Item kCsv[] = {
    S, Ds, Wild, Ds, S, {Sep, Count::One}, S,
    Ds, Wild, Ds, S, {Sep, Count::One}, S,
    Ds, Wild, Ds};

struct Pattern
{
    std::span<const Item> items;
    int groupCount;
    // Each group as the half-open range of items it spans.
    std::pair<std::uint8_t, std::uint8_t> groups[IorMatcher::kMaxGroups];
};

const Pattern kPatterns[] = {
    {kHeader, 4, {{1, 2}, {5, 9}, {12, 16}, {19, 21}}},
    {kSample, 2, {{1, 4}, {7, 10}}},
    {kCsv, 3, {{1, 4}, {7, 10}, {13, 16}}},
};

constexpr std::size_t kMaxItems = std::size(kHeader);
static_assert(kMaxItems <= 32, "one failure bit per item");

} // namespace

int IorMatcher::groupCount(IorPattern pattern)
{
    return kPatterns[static_cast<int>(pattern)].groupCount;
}

// A backtracking search over the items that tries, like the ECMAScript engine, the
// longest count of each item first. It remembers every (item, position) attempt that
// failed, so none is made twice; a failed repeat also rules out the attempts from
// inside the run it scanned, since those can only reach ends already tried. That keeps
// hostile lines (a megabyte of blanks ending in a letter) linear.
bool IorMatcher::match(IorPattern which, std::string_view line, std::string_view* captures)
{
    const Pattern& pattern = kPatterns[static_cast<int>(which)];
    const std::span<const Item> items = pattern.items;
    const std::size_t k = items.size();
    const std::size_t n = line.size();
    const auto* s = reinterpret_cast<const unsigned char*>(line.data());
    m_failed.assign(n + 1, 0);

    // The attempt at each item: where it started, and the ends still to try, from `end`
    // down to `lo`; `top` is the furthest end its scan reached.
    struct Frame
    {
        std::size_t start, lo, end, top;
    };
    std::array<Frame, kMaxItems> frames;

    std::size_t i = 0; // item to attempt
    std::size_t p = 0; // at this position
    for (;;) {
        if (i == k) {
            if (p == n)
                break;
        } else if (!(m_failed[p] >> i & 1)) {
            const Item item = items[i];
            std::size_t top = p;
            if (item.count == Count::Many) {
                while (top < n && (kClasses[s[top]] & item.cls) && !(m_failed[top + 1] >> i & 1))
                    ++top;
            } else if (p < n && (kClasses[s[p]] & item.cls)) {
                top = p + 1;
            }
            const std::size_t lo = item.count == Count::One ? p + 1 : p;
            if (top >= lo) {
                frames[i] = {p, lo, top, top};
                ++i;
                p = top;
                continue;
            }
            m_failed[p] |= 1u << i;
        }
        // Backtrack to the latest attempt with a shorter end left.
        for (;;) {
            if (i == 0)
                return false;
            Frame& f = frames[--i];
            if (f.end > f.lo) {
                p = --f.end;
                ++i;
                break;
            }
            const std::size_t last = items[i].count == Count::Many ? f.top : f.start;
            for (std::size_t q = f.start; q <= last; ++q)
                m_failed[q] |= 1u << i;
        }
    }

    for (int g = 0; g < pattern.groupCount; ++g) {
        const auto [first, past] = pattern.groups[g];
        const std::size_t begin = frames[first].start;
        const std::size_t end = past == k ? n : frames[past].start;
        captures[g] = line.substr(begin, end - begin);
    }
    return true;
}

} // namespace zsg
