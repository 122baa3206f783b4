#include <zsg/material/IMaterialHandler.h>

namespace zsg {

// Out of line, so that the library emits (and exports) the type information once.
IMaterialHandler::~IMaterialHandler() = default;

} // namespace zsg
