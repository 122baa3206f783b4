#include <zsg/values/Variant.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

using namespace zsg;

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

template <typename T>
T valueOf(const Variant& v)
{
    T out{};
    v.getp(&out);
    return out;
}

// Whether storing `incoming` over a holder of `initial` reports a change.
template <typename T>
bool changes(T initial, T incoming)
{
    ValueVariant<T> v(initial);
    return v.setp(&incoming);
}

orbMatrix matrixWith(int index, double value)
{
    orbMatrix m{};
    m.m[index] = value;
    return m;
}

Enumerable choices(std::initializer_list<const char*> names, int current = 0)
{
    Enumerable e;
    int value = 0;
    for (const char* name : names)
        e.items.append({value++, QString::fromUtf8(name)});
    e.current = current;
    return e;
}

} // namespace

TEST(TypeTest, NamesCoverEveryTypeAndNothingElse)
{
    const std::pair<int, const char*> cases[] = {
        {0, "Null"},        {1, "Boolean"},           {12, "Matrix"},
        {20, "Enumerable"}, {4096, "Node"},           {65536, "ShaderBase"},
        {65541, "ShaderUv"}, {21, "(invalid type)"}, {65542, "(invalid type)"},
        {-1, "(invalid type)"}, {4095, "(invalid type)"},
    };
    for (const auto& [number, name] : cases)
        EXPECT_STREQ(typeName(Type(number)), name) << number;
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

    std::unique_ptr<Variant> matrix(makeVariant(Type::Matrix));
    const orbMatrix m = valueOf<orbMatrix>(*matrix);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(m.m[i], i % 5 == 0 ? 1.0 : 0.0) << i;

    std::unique_ptr<Variant> alpha(makeVariant(Type::ColorAlpha));
    ZColorExtAlpha color(1, 1, 1, 0);
    alpha->getp(&color);
    const orbColor_rgba rgba = color.rgba();
    EXPECT_EQ((std::array{rgba.r, rgba.g, rgba.b, rgba.a}), (std::array{0.0f, 0.0f, 0.0f, 1.0f}));

    std::unique_ptr<Variant> curve(makeVariant(Type::AnimationCurve));
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
        {"same integer", [] { return changes(7, 7); }, false},
        {"other bool", [] { return changes(false, true); }, true},
        {"vector2 y", [] { return changes(orbVector2f{1, 2}, orbVector2f{1, 3}); }, true},
        {"same vector3", [] { return changes(orbVectorf{1, 2, 3}, orbVectorf{1, 2, 3}); }, false},
        {"NaN in double vector", [] { return changes(orbVector{0, 0, NaN}, orbVector{0, 0, NaN}); }, true},
        {"NaN in matrix", [] { return changes(matrixWith(3, NaN), matrixWith(3, 1.0)); }, false},
        {"matrix element", [] { return changes(matrixWith(15, 1.0), matrixWith(15, 2.0)); }, true},
        {"same text", [] { return changes(QStringLiteral("a"), QStringLiteral("a")); }, false},
        {"other text", [] { return changes(QStringLiteral("a"), QStringLiteral("ab")); }, true},
        {"shared integer list", [&] { return changes(shared, shared); }, false},
        {"equal integer lists", [] { return changes(QList<int>{1, 2}, QList<int>{1, 2}); }, false},
        {"other string list", [] { return changes(QStringList{"a"}, QStringList{"b"}); }, true},
        {"same path", [] { return changes(FilePath("a/b"), FilePath("a/b")); }, false},
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

TEST(VariantTest, ValueHolderKeepsItsValueWhenNothingChanged)
{
    ValueVariant<Enumerable> held(choices({"a", "b"}, 0));
    const Enumerable other = choices({"a", "b"}, 1);
    EXPECT_FALSE(held.setp(&other));
    EXPECT_EQ(valueOf<Enumerable>(held).current, 0);

    ValueVariant<float> f(1.5f);
    const float nan = NaN;
    EXPECT_TRUE(f.setp(&nan));
    EXPECT_TRUE(f.setp(&nan));
    EXPECT_TRUE(std::isnan(valueOf<float>(f)));
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

    // Written even when equal, so the current choice reaches the pointee.
    Enumerable e = choices({"a", "b"}, 0);
    PointerVariant<Enumerable> ev(&e);
    const Enumerable picked = choices({"a", "b"}, 1);
    EXPECT_FALSE(ev.setp(&picked));
    EXPECT_EQ(e.current, 1);

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

TEST(VariantTest, GetpSharesLargeValuesInsteadOfCopyingThem)
{
    const FloatArray array(QList<float>(1000, 1.0f));
    ColorGradient gradient;
    gradient.resizeStops(100);
    const WeavePattern pattern(64, 64, nullptr);

    const ValueVariant<FloatArray> a(array);
    const ValueVariant<ColorGradient> g(gradient);
    const ValueVariant<WeavePattern> w(pattern);
    EXPECT_EQ(valueOf<FloatArray>(a).values().constData(), array.values().constData());
    EXPECT_EQ(valueOf<ColorGradient>(g).stops().constData(), gradient.stops().constData());
    EXPECT_EQ(valueOf<WeavePattern>(w).orbWeavePattern().cells, pattern.orbWeavePattern().cells);
}
