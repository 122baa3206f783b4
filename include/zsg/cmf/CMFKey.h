#pragma once

#include <zsg/Export.h>

#include <cstdint>
#include <map>
#include <string>

namespace zsg {

/// The material-information values a material can carry.
enum class CMFKey : std::int32_t {
    Name = 0,
    Color = 1,
    Material = 2,
    Finish = 3,
    Vendor = 4,
    Notes = 5,
    Thumbnail = 6,
};

// The material metadata key of each CMFKey ("CMF::TEXT::NAME", ...). Look up
// with at(): a value outside the enumeration throws std::out_of_range.
ZSG_EXPORT extern const std::map<CMFKey, std::string> cmfKeyString;

} // namespace zsg
