#pragma once

#include <zsg/platform/OrbTypes.h>

namespace zsg {

/// A multi colour and the sub colour chosen for it; a colorway is a list of them.
struct MultiColorPair {
    orb::ColorId multiColor = orb::InvalidId;
    orb::ColorId subColor = orb::InvalidId;

    bool operator==(const MultiColorPair&) const = default;
};

} // namespace zsg
