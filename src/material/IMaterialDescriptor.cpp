#include <zsg/material/IMaterialDescriptor.h>

namespace zsg {

// Out of line, so that the library emits (and exports) the type information once.
IMaterialDescriptor::~IMaterialDescriptor() = default;

} // namespace zsg
