#pragma once
// The renderer's plain value records that parameters carry: weave grids and
// animation keys. The renderer reads them in place, so their layout is fixed.

#include <zsg/platform/OrbTypes.h>

#include <cstddef>
#include <cstdint>

namespace orb {

/// A periodic weave grid. Cell (x, y) is cells[y * warps + x]; 0 puts the warp
/// on top, 1 the weft. The cell array is 32-byte aligned (orb_malloc_aligned).
struct WeavePattern {
    std::int32_t warps = 0;
    std::int32_t wefts = 0;
    std::int32_t* cells = nullptr;
};

// How a curve behaves at a key.
enum class KeyType : std::int32_t { Unlocked = 0, Straight = 1, StepLow = 2, StepHigh = 3, Linear = 4 };

/// One curve key: its point (x = time, y = value) and the two Bezier handles.
struct AnimationKey {
    orbVector2f point;
    orbVector2f inHandle;
    orbVector2f outHandle;
    KeyType type;
};
static_assert(sizeof(AnimationKey) == 28);
static_assert(offsetof(AnimationKey, type) == 24);

// "KeyType::Unlocked" ...; "Unrecognized keytype" for a value outside the enumeration.
inline const char* keyTypeName(KeyType type)
{
    switch (type) {
    case KeyType::Unlocked: return "KeyType::Unlocked";
    case KeyType::Straight: return "KeyType::Straight";
    case KeyType::StepLow: return "KeyType::StepLow";
    case KeyType::StepHigh: return "KeyType::StepHigh";
    case KeyType::Linear: return "KeyType::Linear";
    }
    return "Unrecognized keytype";
}

// One-letter code: "UTsSL" indexed by the value, '0' outside the enumeration.
inline char keyTypeLetter(KeyType type)
{
    const auto i = static_cast<std::int32_t>(type);
    return i >= 0 && i <= 4 ? "UTsSL"[i] : '0';
}

// Case-sensitive; every unknown letter reads as Unlocked.
inline KeyType keyTypeFromLetter(char letter)
{
    switch (letter) {
    case 'T': return KeyType::Straight;
    case 's': return KeyType::StepLow;
    case 'S': return KeyType::StepHigh;
    case 'L': return KeyType::Linear;
    default: return KeyType::Unlocked;
    }
}

} // namespace orb
