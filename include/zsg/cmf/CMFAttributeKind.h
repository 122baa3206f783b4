#pragma once

#include <cstdint>

namespace zsg {

/// What sort of value a material-information attribute holds. Only text and
/// image have a meaning here; 2 to 7 belong to the host and are kept as they
/// are, and a schema file drops attributes of any kind above 7.
enum class CMFAttributeKind : std::int32_t {
    Text = 0,
    Image = 1,
};

} // namespace zsg
