#include <zsg/platform/ZColor.h>

#include <utility>

namespace zsg {

ZColor::ZColor(Model model, float c0, float c1, float c2, float c3, float alpha, std::string name)
    : m_model(model), m_c{c0, c1, c2, c3}, m_alpha(alpha), m_name(std::move(name))
{
}

ZColor::ZColor(const orbColor_rgba& rgba)
    : m_model(RGB), m_c{rgba.r, rgba.g, rgba.b, 0}, m_alpha(rgba.a)
{
}

float ZColor::component(int index) const
{
    return index >= 0 && index < 4 ? m_c[index] : 0.0f;
}

void ZColor::setName(std::string name)
{
    m_name = std::move(name);
}

} // namespace zsg
