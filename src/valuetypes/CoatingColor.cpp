#include <zsg/valuetypes/CoatingColor.h>

namespace zsg {

namespace {

orbColor narrowed(const double* c)
{
    return {float(c[0]), float(c[1]), float(c[2])};
}

bool equal(const orbColor& a, const orbColor& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

} // namespace

CoatingColor::CoatingColor()
    : CoatingColor({86.38f, 63.44f, 42.45f}, {19.63f, 19.63f, 19.63f}, {1.46f, 0.77f, -0.92f})
{
}

CoatingColor::CoatingColor(const orbColor& first, const orbColor& second, const orbColor& third)
    : colors{first, second, third}
{
}

CoatingColor::CoatingColor(const double* first, const double* second, const double* third)
    : CoatingColor(narrowed(first), narrowed(second), narrowed(third))
{
}

bool CoatingColor::operator==(const CoatingColor& other) const
{
    return equal(colors[0], other.colors[0]) && equal(colors[1], other.colors[1]) && equal(colors[2], other.colors[2]);
}

} // namespace zsg
