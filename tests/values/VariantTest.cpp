#include <zsg/values/Hash.h>
#include <zsg/values/Parameter.h>
#include <zsg/values/TextStream.h>
#include <zsg/values/Variant.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iomanip>
#include <limits>
#include <memory>
#include <sstream>

using namespace zsg;

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

template <typename T>
T valueOf(const Variant& v) { T out{}; return v.getp(&out), out; }
template <typename T>
std::unique_ptr<Variant> holder(T value) { return std::make_unique<ValueVariant<T>>(std::move(value)); }
// Whether storing `incoming` over a holder of `initial` reports a change.
template <typename T>
bool changes(T initial, T incoming) { return ValueVariant<T>(initial).setp(&incoming); }
template <typename T>
std::string text(const T& value) { std::ostringstream out; out << value; return out.str(); }

// The hashes below are worked out by hand from the hash_combine step and the
// quantisers, independently of the library's own helpers.
std::uint64_t combine(std::uint64_t seed, std::uint64_t h)
{
    return seed ^ (h + 0x9e3779b9u + (seed << 6) + (seed >> 2));
}

// Red and, active, HSV (75, 1, 1): sector 60-120 gives (1 - 0.25, 1, 0).
ZColorExt twoColors()
{
    ZColorExt value;
    value.setMultiColor(true);
    value.setColors({{ZColor(ZColor::RGB, 1, 0, 0), 5}, {ZColor(ZColor::HSV, 75, 1, 1), 6}});
    value.setActiveIndex(1);
    return value;
}

orbMatrix matrixWith(int index, double value) { orbMatrix m{}; return m.m[index] = value, m; }

Enumerable choices(std::initializer_list<const char*> names, int current = 0)
{
    Enumerable e;
    for (const char* name : names)
        e.items.append({int(e.items.size()), QString::fromUtf8(name)});
    return e.current = current, e;
}

} // namespace

TEST(TypeTest, NamesEndAtTheLastTypeOfEachRange)
{
    const std::pair<int, const char*> cases[] = {
        {0, "Null"}, {20, "Enumerable"}, {4096, "Node"}, {65536, "ShaderBase"}, {65541, "ShaderUv"},
        {21, "(invalid type)"}, {65542, "(invalid type)"}, {-1, "(invalid type)"}, {4095, "(invalid type)"},
    };
    for (const auto& [number, name] : cases) {
        EXPECT_STREQ(typeName(Type(number)), name) << number;
        EXPECT_EQ(text(Type(number)), name) << number;
    }
}

TEST(VariantTest, MakeVariantGivesTheDefaultOfEveryValueType)
{
    for (int t = 1; t <= 20; ++t) {
        std::unique_ptr<Variant> v(makeVariant(Type(t)));
        ASSERT_TRUE(v) << t;
        EXPECT_EQ(v->type(), Type(t));
    }
    for (int t : {0, 21, 4096, 65536, 65541, -1})
        EXPECT_EQ(makeVariant(Type(t)), nullptr) << t;

    EXPECT_FALSE(valueOf<bool>(*std::unique_ptr<Variant>(makeVariant(Type::Boolean))));
    EXPECT_EQ(valueOf<std::int32_t>(*std::unique_ptr<Variant>(makeVariant(Type::Integer))), 0);
    EXPECT_EQ(valueOf<double>(*std::unique_ptr<Variant>(makeVariant(Type::Double))), 0.0);
    EXPECT_EQ(text(*std::unique_ptr<Variant>(makeVariant(Type::ColorAlpha))), "RGBA(0, 0, 0, 1)");
    const std::unique_ptr<Variant> curve(makeVariant(Type::AnimationCurve));
    EXPECT_TRUE(valueOf<AnimationCurve>(*curve) == AnimationCurve());
}

TEST(VariantTest, SetpReportsChangesByTheEqualityOfEachType)
{
    const QList<std::int32_t> shared{1, 2};
    QList<float> nans{1, NaN};
    const FloatArray sharedNan(nans);

    const struct {
        const char* what;
        std::function<bool()> change;
        bool expected;
    } cases[] = {
        {"same float", [] { return changes(1.5f, 1.5f); }, false},
        {"zero over negative zero", [] { return changes(-0.0f, 0.0f); }, false},
        {"NaN over NaN", [] { return changes(NaN, NaN); }, true},
        {"NaN double", [] { return changes(1.0, double(NaN)); }, true},
        {"vector2 y", [] { return changes(orbVector2f{1, 2}, orbVector2f{1, 3}); }, true},
        {"same vector3", [] { return changes(orbVectorf{1, 2, 3}, orbVectorf{1, 2, 3}); }, false},
        {"NaN in double vector", [] { return changes(orbVector{0, 0, NaN}, orbVector{0, 0, NaN}); }, true},
        {"NaN in matrix", [] { return changes(matrixWith(3, NaN), matrixWith(3, 1.0)); }, false},
        {"matrix element", [] { return changes(matrixWith(15, 1.0), matrixWith(15, 2.0)); }, true},
        {"shared integer list", [&] { return changes(shared, shared); }, false},
        {"other colour", [] { return changes(ZColorExt(1, 0, 0), ZColorExt(0, 1, 0)); }, true},
        {"same alpha colour", [] { return changes(ZColorExtAlpha(1, 0, 0, 1), ZColorExtAlpha(1, 0, 0, 1)); }, false},
        {"NaN array, shared", [&] { return changes(sharedNan, sharedNan); }, false},
        {"NaN array, copied", [&] { return changes(sharedNan, FloatArray(QList<float>{1, NaN})); }, true},
        {"coating colour", [] { return changes(CoatingColor(), CoatingColor({0, 0, 0}, {0, 0, 0}, {0, 0, 0})); }, true},
        {"weave pattern", [] { return changes(WeavePattern(), WeavePattern::makePlain()); }, true},
        {"same enumerable items", [] { return changes(choices({"a", "b"}, 0), choices({"a", "b"}, 1)); }, false},
        {"other enumerable items", [] { return changes(choices({"a", "b"}), choices({"a", "c"})); }, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.change(), c.expected) << c.what;
}

TEST(PointerVariantTest, WritesThroughToThePointee)
{
    int field = 4;
    PointerVariant<int> v(&field);
    int same = 4;
    EXPECT_FALSE(v.setp(&same));
    int other = 9;
    EXPECT_TRUE(v.setp(&other));
    EXPECT_EQ(field, 9);
    field = 11;
    EXPECT_EQ(valueOf<int>(v), 11);

    // Equal items: no change either way, but only the pointee takes the current choice.
    Enumerable e = choices({"a", "b"}, 0);
    PointerVariant<Enumerable> ev(&e);
    ValueVariant<Enumerable> held(e);
    const Enumerable picked = choices({"a", "b"}, 1);
    EXPECT_FALSE(ev.setp(&picked));
    EXPECT_EQ(e.current, 1);
    EXPECT_FALSE(held.setp(&picked));
    EXPECT_EQ(valueOf<Enumerable>(held).current, 0);

    orbShader* shader = nullptr;
    PointerVariant<orbShader*> sv(&shader);
    EXPECT_EQ(sv.type(), Type::ShaderBase);
    orbShader* node = reinterpret_cast<orbShader*>(&field);
    EXPECT_TRUE(sv.setp(&node));
    EXPECT_EQ(shader, node);
    EXPECT_EQ(sv.cloneValue(), nullptr);
}

TEST(VariantTest, CloneAndCopyToDetachFromTheSource)
{
    QString text = QStringLiteral("before");
    PointerVariant<QString> pointer(&text);
    std::unique_ptr<Variant> clone(pointer.cloneValue());
    ASSERT_TRUE(clone);
    EXPECT_EQ(clone->type(), Type::String);
    EXPECT_EQ(valueOf<QString>(*clone), QStringLiteral("before"));
    const QString after = QStringLiteral("after");
    EXPECT_TRUE(clone->setp(&after));
    EXPECT_EQ(text, QStringLiteral("before"));

    EXPECT_TRUE(clone->copyTo(&pointer));
    EXPECT_EQ(text, QStringLiteral("after"));
    EXPECT_FALSE(clone->copyTo(&pointer));

    Variant null;
    EXPECT_EQ(null.type(), Type::Null);
    EXPECT_FALSE(null.setp(&text));
    EXPECT_EQ(null.cloneValue(), nullptr);
}

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
    EXPECT_EQ(hash_orbVector({1, 2, 3}), hash_orbVector({1 + 0x1p-52, 2, 3}));
    EXPECT_NE(hash_orbVector({1, 2, 3}), hash_orbVector({1 + 0x1p-30, 2, 3}));
}

// Beyond those the values transcript pins (a 2D vector, the matrix, the coating).
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
        {"false", [] { return holder(false); }, combine(1, 0)},
        {"true", [] { return holder(true); }, combine(1, 1)},
        {"double3", [] { return holder(orbVector{1, 2, 3}); }, 0x140700296bcc3b91u},
        {"empty integer list", [] { return holder(QList<int>{}); }, combine(3, 0)},
        {"integer list", [] { return holder(QList<int>{-1, 2}); }, 0x296bcc3a09u},
        {"two colours", [] { return holder(twoColors()); },
         combine(13, combine(combine(0, combine(combine(combine(3, 0x3F800000), 0), 0)),
                             combine(combine(combine(3, 0x3F400000), 0x3F800000), 0)))},
        {"float array", [] { return holder(FloatArray({1, 2, 3})); }, 0xe1f7b379c65u},
        {"gradient", [&] { return holder(gradient); }, 0x172a272f8a52e8e8u},
        {"default curve", [] { return holder(AnimationCurve()); }, 0x648c1de27649du},
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
        {[] { return holder(QList<int>{}); }, ""},
        {[] { return holder(QList<int>{1, 2, 3, 4, 5, 6, 7, 8}); }, "1, 2, 3, 4, 5, 6, 7, 8"},
        {[] { return holder(QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}); }, "9 elements"},
        {[] { return holder(orbVector{0.25, 0, 1e20}); }, "<0.25, 0, 1e+20>"},
        {[] { return holder(QStringLiteral("h\u00e9")); }, "\"h\xc3\xa9\""},
        {[] { return holder(QStringList{"a", "b"}); }, "2 elements"},
        {[] { return holder(QStringList{}); }, "0 elements"},
        {[] { return holder(FilePath("dir/file")); }, "\"dir/file\""},
        {[] { return holder(twoColors()); }, "RGB(0.75, 1, 0)"},
        {[] { return std::make_unique<Variant>(); }, "Null()"},
        {[] { return holder(Enumerable()); }, "Enumerable()"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(*c.make()), c.text);

    std::ostringstream formatted;
    formatted << std::boolalpha << std::fixed << std::setprecision(2) << *holder(true) << ' ' << *holder(0.5f);
    EXPECT_EQ(formatted.str(), "true 0.50");
}

TEST(TextTest, ParameterTextsOfShadersAndNulls)
{
    EXPECT_EQ(text(Parameter(Parameter::Builder("bump", "Bump").shaderType(Type::ShaderBump))),
              "Parameter('bump', ShaderBump (pure))");
    EXPECT_EQ(text(Parameter(Parameter::Builder(QStringLiteral("\u00e4"), {}))), "Parameter('\xc3\xa4', Null Null())");
}
