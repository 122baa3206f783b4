#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbTypes.h>

#include <cstdint>
#include <string>

namespace zsg {

/// A colour given in one of several colour models, with an alpha and a name.
/// The conversions to display RGB live in <zsg/color/ColorModels.h>.
class ZCORE_EXPORT ZColor
{
public:
    // Any other number is kept as given; it is not a colour and converts to black.
    enum Model : std::uint32_t { XYZ = 0, RGB = 1, HSV = 2, CMYK = 3, Lab = 4 };

    // Opaque black in RGB, without a name.
    ZColor() = default;
    ZColor(Model model, float c0, float c1, float c2, float c3 = 0, float alpha = 1, std::string name = {});
    // RGB model with the channels of `rgba`, no name.
    explicit ZColor(const orbColor_rgba& rgba);

    Model model() const { return m_model; }
    // Component 0 to 3; any other index gives 0.
    float component(int index) const;
    float alpha() const { return m_alpha; }
    // UTF-8.
    const std::string& name() const { return m_name; }
    void setName(std::string name);

    // Model, the four components, alpha and name must all match. Components
    // compare with float ==, so a NaN component never equals anything.
    bool operator==(const ZColor& other) const = default;

private:
    Model m_model = RGB;
    float m_c[4] = {0, 0, 0, 0};
    float m_alpha = 1;
    std::string m_name;
};

} // namespace zsg
