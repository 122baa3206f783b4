#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbValueTypes.h>

#include <initializer_list>
#include <vector>

namespace zsg {

/// A curve as the renderer evaluates it: keys in the order given, neither sorted
/// nor checked. The key storage comes from the renderer's allocator, so the
/// renderer can take the list over unchanged.
class ZSG_EXPORT AnimationCurve
{
public:
    using Keys = std::vector<orb::AnimationKey, orb::allocator<orb::AnimationKey>>;

    // The straight line from (0, 0) to (1, 1): two Unlocked keys with their
    // handles at one and two thirds.
    AnimationCurve();
    // Leaves `keys` empty.
    AnimationCurve(Keys&& keys);
    AnimationCurve(std::initializer_list<orb::AnimationKey> keys);
    // Three points per key in curve order (in-handle, point, out-handle) and one
    // type per key. A negative count throws std::length_error.
    AnimationCurve(const orbVector2f* points, const orb::KeyType* types, int count);

    const Keys& keys() const { return m_keys; }

    // Same number of keys, equal types and coordinates (float ==, so a NaN
    // coordinate is never equal).
    bool operator==(const AnimationCurve& other) const;

private:
    Keys m_keys;
};

} // namespace zsg
