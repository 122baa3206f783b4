#include <zsg/valuetypes/AnimationCurve.h>

#include <algorithm>

namespace zsg {

namespace {

bool equal(const orbVector2f& a, const orbVector2f& b)
{
    return a.x == b.x && a.y == b.y;
}

bool equal(const orb::AnimationKey& a, const orb::AnimationKey& b)
{
    return equal(a.point, b.point) && equal(a.inHandle, b.inHandle) && equal(a.outHandle, b.outHandle)
        && a.type == b.type;
}

} // namespace

AnimationCurve::AnimationCurve()
    : m_keys{{{0.0f, 0.0f}, {0.0f, 0.0f}, {1.0f / 3.0f, 1.0f / 3.0f}, orb::KeyType::Unlocked},
             {{1.0f, 1.0f}, {2.0f / 3.0f, 2.0f / 3.0f}, {1.0f, 1.0f}, orb::KeyType::Unlocked}}
{
}

AnimationCurve::AnimationCurve(Keys&& keys)
    : m_keys(std::move(keys))
{
}

AnimationCurve::AnimationCurve(std::initializer_list<orb::AnimationKey> keys)
    : m_keys(keys)
{
}

AnimationCurve::AnimationCurve(const orbVector2f* points, const orb::KeyType* types, int count)
{
    // A negative count becomes a huge one here, which reserve refuses.
    m_keys.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        m_keys.push_back({points[3 * i + 1], points[3 * i], points[3 * i + 2], types[i]});
}

bool AnimationCurve::operator==(const AnimationCurve& other) const
{
    return std::equal(m_keys.begin(), m_keys.end(), other.m_keys.begin(), other.m_keys.end(),
                      [](const orb::AnimationKey& a, const orb::AnimationKey& b) { return equal(a, b); });
}

} // namespace zsg
