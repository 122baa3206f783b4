#include <zsg/values/Hash.h>
#include <zsg/values/Parameter.h>
#include <zsg/values/TextStream.h>
#include <zsg/values/Variant.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iomanip>
#include <memory>
#include <sstream>

using namespace zsg;

namespace {

// The hashes below are worked out by hand from the hash_combine step and the
// quantisers, independently of the library's own helpers.
std::uint64_t combine(std::uint64_t seed, std::uint64_t h)
{
    return seed ^ (h + 0x9e3779b9u + (seed << 6) + (seed >> 2));
}

template <typename T>
std::unique_ptr<Variant> holder(T value)
{
    return std::make_unique<ValueVariant<T>>(std::move(value));
}

template <typename T>
std::string text(const T& value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

Enumerable choices(const QStringList& names, int current)
{
    Enumerable e;
    for (const QString& name : names)
        e.items.append({int(e.items.size()), name});
    e.current = current;
    return e;
}

} // namespace

TEST(HashTest, Quantisers)
{
    EXPECT_EQ(hash_int(-1), 0xFFFFFFFFFFFFFFFFu);
    EXPECT_EQ(hash_float(1.0f), 0x3F800000u);
    EXPECT_EQ(hash_float(1.0f), hash_float(std::nextafter(1.0f, 2.0f)));
    EXPECT_NE(hash_float(1.0f), hash_float(1.001f));
    EXPECT_EQ(hash_limits(false, 1, 2), 0u);
    EXPECT_EQ(hash_limits(true, 0, 0), 1u);
    EXPECT_EQ(hash_limits(true, 1, 2), 0x400000003F800001u);
    EXPECT_EQ(hash_orbVector2f({1, 2}), combine(0x3F800000, 0x40000000));
    // Doubles keep all but their 16 lowest bits.
    EXPECT_EQ(hash_orbVector({1, 2, 3}), hash_orbVector({1 + 0x1p-40, 2, 3}));
    EXPECT_NE(hash_orbVector({1, 2, 3}), hash_orbVector({1 + 0x1p-30, 2, 3}));
}

TEST(HashTest, VariantHashesAreBitExact)
{
    WeavePattern plain = WeavePattern::makePlain();
    ColorGradient gradient;
    gradient.addColorStop({1, 0, 0, 1}, 0.5f, 0, 0);
    const struct {
        const char* what;
        std::function<std::unique_ptr<Variant>()> make;
        std::uint64_t hash;
    } cases[] = {
        {"null", [] { return std::make_unique<Variant>(); }, 0x9e3779b9u},
        {"float", [] { return holder(1.0f); }, 0xddb77abeu},
        {"float2", [] { return holder(orbVector2f{1, 2}); }, 0x118fcef4b6u},
        {"double3", [] { return holder(orbVector{1, 2, 3}); }, 0x140700296bcc3b91u},
        {"empty integer list", [] { return holder(QList<int>{}); }, combine(3, 0)},
        {"integer list", [] { return holder(QList<int>{-1, 2}); }, 0x296bcc3a09u},
        {"identity matrix", [] { return std::unique_ptr<Variant>(makeVariant(Type::Matrix)); }, 0xc0994e62b97e0957u},
        {"red", [] { return holder(ZColorExt(1, 0, 0)); }, 0xe1009423b33u},
        {"blue, half alpha", [] { return holder(ZColorExtAlpha(0, 0, 1, 0.5f)); }, 0x28222bc25f4bdu},
        {"float array", [] { return holder(FloatArray({1, 2, 3})); }, 0xe1f7b379c65u},
        {"gradient", [&] { return holder(gradient); }, 0x172a272f8a52e8e8u},
        {"default curve", [] { return holder(AnimationCurve()); }, 0x648c1de27649du},
        {"default coating", [] { return holder(CoatingColor()); }, 0xef841870c27741u},
        {"weave", [&] { return holder(plain); }, combine(19, plain.hash())},
        {"string", [] { return holder(QStringLiteral("abc")); }, combine(9, qHash(QStringLiteral("abc"), 0))},
        {"path", [] { return holder(FilePath("p")); }, combine(11, qHash(FilePath("p").toString(), 0))},
        {"string list", [] { return holder(QStringList{"a"}); }, combine(10, combine(0, qHash(QStringLiteral("a"), 0)))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hash_variant(c.make().get()), c.hash) << c.what;
    EXPECT_EQ(hash_variant(nullptr), 0u);
}

TEST(HashTest, HeldAndReferencedValuesHashAlike)
{
    QString s = QStringLiteral("text");
    EXPECT_EQ(hash_variant(holder(s).get()), hash_variant(std::make_unique<PointerVariant<QString>>(&s).get()));

    Enumerable e = choices({"a", "b"}, 1);
    const std::uint64_t h = hash_variant(std::make_unique<PointerVariant<Enumerable>>(&e).get());
    EXPECT_EQ(h, hash_variant(holder(choices({"a", "b"}, 0)).get()));
    EXPECT_NE(h, hash_variant(holder(choices({"a", "c"}, 1)).get()));

    // A gradient's flag is not hashed; the type always is.
    ColorGradient flagged;
    flagged.setFlag(true);
    EXPECT_EQ(hash_variant(holder(flagged).get()), hash_variant(holder(ColorGradient()).get()));
    EXPECT_NE(hash_variant(holder(0.0f).get()), hash_variant(holder(0.0).get()));
}

TEST(TextTest, VariantTexts)
{
    const struct {
        std::function<std::unique_ptr<Variant>()> make;
        const char* text;
    } cases[] = {
        {[] { return holder(true); }, "1"},
        {[] { return holder(-3); }, "-3"},
        {[] { return holder(QList<int>{}); }, ""},
        {[] { return holder(QList<int>{1, 2, 3, 4, 5, 6, 7, 8}); }, "1, 2, 3, 4, 5, 6, 7, 8"},
        {[] { return holder(QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}); }, "9 elements"},
        {[] { return holder(0.5f); }, "0.5"},
        {[] { return holder(0.1f); }, "0.1"},
        {[] { return holder(orbVector2f{1, 2}); }, "<1, 2>"},
        {[] { return holder(orbVectorf{1, 2.5f, -3}); }, "<1, 2.5, -3>"},
        {[] { return holder(orbVector{0.25, 0, 1e20}); }, "<0.25, 0, 1e+20>"},
        {[] { return holder(QStringLiteral("h\u00e9")); }, "\"h\xc3\xa9\""},
        {[] { return holder(QStringList{"a", "b"}); }, "2 elements"},
        {[] { return holder(QStringList{}); }, "0 elements"},
        {[] { return holder(FilePath("dir/file")); }, "\"dir/file\""},
        {[] { return holder(ZColorExt(1, 0, 0.5f)); }, "RGB(1, 0, 0.5)"},
        {[] { return holder(ZColorExt(ZColor(ZColor::HSV, 120, 1, 1))); }, "RGB(0, 1, 0)"},
        {[] { return holder(ZColorExtAlpha(0, 0, 1, 0.5f)); }, "RGBA(0, 0, 1, 0.5)"},
        {[] { return std::unique_ptr<Variant>(makeVariant(Type::Matrix)); }, "Matrix()"},
        {[] { return std::make_unique<Variant>(); }, "Null()"},
        {[] { return holder(FloatArray({1})); }, "FloatArray()"},
        {[] { return holder(Enumerable()); }, "Enumerable()"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(*c.make()), c.text);

    std::ostringstream formatted;
    formatted << std::boolalpha << std::fixed << std::setprecision(2) << *holder(true) << ' ' << *holder(0.5f);
    EXPECT_EQ(formatted.str(), "true 0.50");
    EXPECT_EQ(text(Type::ShaderUv), "ShaderUv");
    EXPECT_EQ(text(Type(99)), "(invalid type)");
}

TEST(TextTest, ParameterTexts)
{
    Parameter size(Parameter::Builder("size", "Size").type(Type::Float));
    const float half = 0.5f;
    size.setp(&half);
    EXPECT_EQ(text(size), "Parameter('size', Float 0.5)");
    EXPECT_EQ(text(Parameter(Parameter::Builder("bump", "Bump").shaderType(Type::ShaderBump))),
              "Parameter('bump', ShaderBump (pure))");
    EXPECT_EQ(text(Parameter(Parameter::Builder(QStringLiteral("\u00e4"), {}))), "Parameter('\xc3\xa4', Null Null())");
}
