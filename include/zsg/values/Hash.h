#pragma once
// 64-bit hashes of values, coarse on floating point: floats that differ only
// in their 12 lowest bits (doubles: 16 bits) hash alike, so a value that went
// through a lossy round trip keeps its hash. Words are folded with the
// hash_combine step seed ^ (h + 0x9e3779b9 + (seed << 6) + (seed >> 2)).

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <cstdint>

namespace zsg {

class Variant;

// The integer sign-extended.
ZSG_EXPORT std::uint64_t hash_int(int value);
// The IEEE bit pattern with the 12 lowest bits cleared. NaNs and zeros hash by
// their bits: -0 and 0 differ, and so do NaNs with different payloads.
ZSG_EXPORT std::uint64_t hash_float(float value);
// 0 without limits; otherwise the two quantised floats side by side, bit 0 set.
ZSG_EXPORT std::uint64_t hash_limits(bool hasLimits, float minimum, float maximum);
ZSG_EXPORT std::uint64_t hash_orbVector2f(const orbVector2f& vector);
ZSG_EXPORT std::uint64_t hash_orbVectorf(const orbVectorf& vector);
// Doubles lose their 16 lowest bits.
ZSG_EXPORT std::uint64_t hash_orbVector(const orbVector& vector);
// The type combined with a hash of the value; alike whether the value is held
// or referenced. 0 for null; Null and the holder-less types hash the type alone.
ZSG_EXPORT std::uint64_t hash_variant(const Variant* variant);

} // namespace zsg
