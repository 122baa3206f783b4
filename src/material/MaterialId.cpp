#include <zsg/material/MaterialId.h>

namespace zsg {

MaterialId::MaterialId(orb::MaterialId id) : m_id(id) {}
MaterialId::operator orb::MaterialId() const { return m_id; }

} // namespace zsg
