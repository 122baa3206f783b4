#pragma once

#include <cstdint>

namespace zsg {

/// Outcome of ZCMFSchema::load.
enum class CMFLoadStatus : std::int32_t {
    Ok = 0,
    Failed = 2,
};

} // namespace zsg
