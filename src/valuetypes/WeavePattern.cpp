#include <zsg/valuetypes/WeavePattern.h>

#include "values/HashWords.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>
#include <iostream>
#include <new>
#include <utility>
#include <vector>

namespace zsg {

namespace {

using json = nlohmann::json;
using YarnType = WeavePattern::YarnType;
using YarnKind = WeavePattern::YarnKind;

constexpr YarnType Yarns[] = {YarnType::Warp, YarnType::Weft};

// The cell array of one renderer record, owned. The renderer reads the cells
// with aligned vector loads, hence the 32-byte alignment.
class Grid
{
public:
    // All cells 0. Both sizes must be at least 1.
    Grid(int warps, int wefts)
        : m_rec{warps, wefts, nullptr}
    {
        m_rec.cells = static_cast<std::int32_t*>(orb_malloc_aligned(count() * sizeof(std::int32_t), 32));
        if (!m_rec.cells)
            throw std::bad_alloc();
        std::fill_n(m_rec.cells, count(), 0);
    }
    Grid(const Grid& other)
        : Grid(other.m_rec.warps, other.m_rec.wefts)
    {
        std::copy_n(other.m_rec.cells, count(), m_rec.cells);
    }
    Grid(Grid&& other) noexcept
        : m_rec(std::exchange(other.m_rec, {}))
    {
    }
    Grid& operator=(Grid&& other) noexcept
    {
        std::swap(m_rec, other.m_rec);
        return *this;
    }
    ~Grid() { orb_free_aligned(m_rec.cells); }

    std::size_t count() const { return std::size_t(m_rec.warps) * std::size_t(m_rec.wefts); }
    // Mutable cells only through a non-const grid, i.e. after the pattern
    // made its body private.
    const std::int32_t* begin() const { return m_rec.cells; }
    const std::int32_t* end() const { return m_rec.cells + count(); }
    std::int32_t* begin() { return m_rec.cells; }
    std::int32_t* end() { return m_rec.cells + count(); }
    const std::int32_t& at(int x, int y) const { return m_rec.cells[index(x, y)]; }
    std::int32_t& at(int x, int y) { return m_rec.cells[index(x, y)]; }
    const orb::WeavePattern& record() const { return m_rec; }

    std::size_t index(int x, int y) const
    {
        return std::size_t(wrap(y, m_rec.wefts)) * m_rec.warps + wrap(x, m_rec.warps);
    }
    static int wrap(int c, int n)
    {
        const int r = c % n;
        return r < 0 ? r + n : r;
    }

private:
    orb::WeavePattern m_rec;
};

struct Yarn
{
    float width;
    float tension;
    float modulus;
    YarnKind kind;
};
using Yarns2 = std::array<Yarn, 2>;

// Cells may hold any integer, so a value read from one need not name a yarn.
bool isYarn(YarnType yarn)
{
    return yarn == YarnType::Warp || yarn == YarnType::Weft;
}

const Yarn* yarnOf(const Yarns2& yarns, YarnType yarn)
{
    return isYarn(yarn) ? &yarns[std::size_t(yarn)] : nullptr;
}

bool nearlyEqual(float a, float b)
{
    return std::abs(a - b) * 100000.0f <= std::min(std::abs(a), std::abs(b));
}

// A JSON number read as an integer: fractions truncate as the JSON library's
// own conversion does, but out-of-range values saturate instead of overflowing.
// Other types take the library's conversion: booleans read as 0 or 1, the
// rest raise its type error.
int toInt(const json& value)
{
    if (!value.is_number())
        return value.get<int>();
    const double d = value.get<double>();
    return d <= INT_MIN ? INT_MIN : d >= INT_MAX ? INT_MAX : int(d);
}

// The array under `key`, converted element by element; empty when absent.
template <typename T, typename Convert>
std::vector<T> readArray(const json& root, const char* key, Convert convert)
{
    std::vector<T> out;
    if (const auto it = root.find(key); it != root.end()) {
        for (const json& element : it->get_ref<const json::array_t&>())
            out.push_back(convert(element));
    }
    return out;
}

} // namespace

// Changes that replace the whole grid install a new body rather than detach,
// so the cells of a shared pattern are not copied only to be thrown away.
class WeavePattern::Data : public QSharedData
{
public:
    Data()
        : grid(2, 2)
    {
    }
    Data(Grid&& g, const Yarns2& y)
        : grid(std::move(g)), yarns(y)
    {
    }

    Grid grid;
    Yarns2 yarns{{{0.4f, 1.0f, 1.0f, YarnKind::Round}, {0.9f, 1.0f, 1.0f, YarnKind::Round}}};
};

WeavePattern::WeavePattern()
    : d(new Data)
{
}

WeavePattern::WeavePattern(int warps, int wefts, const int* cells)
    : d(new Data)
{
    if (warps < 1 || wefts < 1)
        return;
    Grid grid(warps, wefts);
    if (cells)
        std::transform(cells, cells + grid.count(), grid.begin(), [](int c) { return c != 0 ? 1 : 0; });
    d->grid = std::move(grid);
}

WeavePattern::WeavePattern(const WeavePattern& other) = default;
WeavePattern::WeavePattern(WeavePattern&& other) noexcept = default;
WeavePattern& WeavePattern::operator=(const WeavePattern& other) = default;
WeavePattern& WeavePattern::operator=(WeavePattern&& other) noexcept = default;
WeavePattern::~WeavePattern() = default;

int WeavePattern::numWarp() const
{
    return d->grid.record().warps;
}

int WeavePattern::numWeft() const
{
    return d->grid.record().wefts;
}

WeavePattern::YarnType WeavePattern::get(int x, int y) const
{
    return YarnType(d->grid.at(x, y));
}

void WeavePattern::set(int x, int y, YarnType value)
{
    d->grid.at(x, y) = std::int32_t(value);
}

void WeavePattern::flip(int x, int y)
{
    d->grid.at(x, y) ^= 1;
}

void WeavePattern::invert()
{
    for (std::int32_t& c : d->grid)
        c ^= 1;
}

void WeavePattern::clear(YarnType value)
{
    std::fill(d->grid.begin(), d->grid.end(), std::int32_t(value));
}

void WeavePattern::setSize(int warps, int wefts)
{
    if (warps < 1 || wefts < 1)
        return;
    const Data& old = *d.constData();
    Grid grid(warps, wefts);
    for (int y = 0; y < wefts; ++y) {
        for (int x = 0; x < warps; ++x)
            grid.at(x, y) = old.grid.at(x, y);
    }
    d.reset(new Data(std::move(grid), old.yarns));
}

float WeavePattern::width(YarnType yarn) const
{
    const Yarn* y = yarnOf(d.constData()->yarns, yarn);
    return y ? y->width : 0.0f;
}

float WeavePattern::tension(YarnType yarn) const
{
    const Yarn* y = yarnOf(d.constData()->yarns, yarn);
    return y ? y->tension : 0.0f;
}

WeavePattern::YarnKind WeavePattern::kind(YarnType yarn) const
{
    const Yarn* y = yarnOf(d.constData()->yarns, yarn);
    return y ? y->kind : YarnKind::Ribbon;
}

void WeavePattern::setWidth(YarnType yarn, float width)
{
    if (isYarn(yarn))
        d->yarns[std::size_t(yarn)].width = width;
}

void WeavePattern::setTension(YarnType yarn, float tension)
{
    if (isYarn(yarn))
        d->yarns[std::size_t(yarn)].tension = tension;
}

void WeavePattern::setKind(YarnType yarn, YarnKind kind)
{
    if (isYarn(yarn))
        d->yarns[std::size_t(yarn)].kind = kind;
}

bool WeavePattern::equals(const WeavePattern& other) const
{
    const Data* a = d.constData();
    const Data* b = other.d.constData();
    if (a == b)
        return true;
    if (a->grid.record().warps != b->grid.record().warps || a->grid.record().wefts != b->grid.record().wefts)
        return false;
    for (YarnType yarn : Yarns) {
        const Yarn& ya = a->yarns[std::size_t(yarn)];
        const Yarn& yb = b->yarns[std::size_t(yarn)];
        if (ya.kind != yb.kind || !nearlyEqual(ya.width, yb.width) || !nearlyEqual(ya.tension, yb.tension)
            || !nearlyEqual(ya.modulus, yb.modulus))
            return false;
    }
    return std::equal(a->grid.begin(), a->grid.end(), b->grid.begin());
}

std::uint64_t WeavePattern::hash() const
{
    using hashwords::combine;
    using hashwords::floatWord;
    using hashwords::intWord;
    const Data& b = *d.constData();
    const Yarn& warp = b.yarns[0];
    const Yarn& weft = b.yarns[1];
    std::uint64_t h = floatWord(warp.tension);
    for (float f : {weft.tension, warp.width, weft.width})
        h = combine(h, floatWord(f));
    const orb::WeavePattern& rec = b.grid.record();
    for (std::int32_t i : {std::int32_t(warp.kind), std::int32_t(weft.kind), rec.warps, rec.wefts})
        h = combine(h, intWord(i));
    return hashwords::fold(h, b.grid.begin(), b.grid.end(), intWord);
}

const orb::WeavePattern& WeavePattern::orbWeavePattern() const
{
    return d->grid.record();
}

void WeavePattern::setFromOrbPattern(const orb::WeavePattern& pattern)
{
    if (pattern.warps < 1 || pattern.wefts < 1 || !pattern.cells)
        return;
    Grid grid(pattern.warps, pattern.wefts);
    std::copy_n(pattern.cells, grid.count(), grid.begin());
    d.reset(new Data(std::move(grid), d.constData()->yarns));
}

QString WeavePattern::toJson() const
{
    const Data& b = *d.constData();
    json root;
    root["pattern_warps"] = b.grid.record().warps;
    root["pattern_wefts"] = b.grid.record().wefts;
    root["pattern_mask"] = json::array_t(b.grid.begin(), b.grid.end());
    const Yarn& warp = b.yarns[0];
    const Yarn& weft = b.yarns[1];
    root["tension"] = {double(warp.tension), double(weft.tension)};
    root["width"] = {double(warp.width), double(weft.width)};
    root["kind"] = {std::int32_t(warp.kind), std::int32_t(weft.kind)};
    root["modulus"] = {double(warp.modulus), double(weft.modulus)};
    return QString::fromStdString(root.dump());
}

bool WeavePattern::setFromJson(const QString& text)
{
    if (text.isEmpty())
        return false;
    const json root = json::parse(text.toStdString());
    // value() raises the library's type error when the root is not an object.
    const int warps = std::max(1, toInt(root.value("pattern_warps", json(0))));
    const int wefts = std::max(1, toInt(root.value("pattern_wefts", json(0))));
    const std::vector<int> mask = readArray<int>(root, "pattern_mask", toInt);
    if (mask.size() != std::size_t(warps) * std::size_t(wefts))
        return false;

    // Everything is read before anything is installed, so a type error in a
    // later key leaves the pattern as it was.
    Grid grid(warps, wefts);
    std::transform(mask.begin(), mask.end(), grid.begin(), [](int c) { return c != 0 ? 1 : 0; });

    const auto toFloat = [](const json& v) { return v.get<float>(); };
    const std::vector<float> tension = readArray<float>(root, "tension", toFloat);
    const std::vector<float> width = readArray<float>(root, "width", toFloat);
    const std::vector<float> modulus = readArray<float>(root, "modulus", toFloat);
    const std::vector<int> kind = readArray<int>(root, "kind", toInt);

    Yarns2 yarns = d.constData()->yarns;
    if (tension.size() == 2 && width.size() == 2 && modulus.size() == 2 && kind.size() == 2) {
        for (std::size_t i = 0; i < 2; ++i)
            yarns[i] = {width[i], tension[i], modulus[i], YarnKind(kind[i])};
    }
    d.reset(new Data(std::move(grid), yarns));
    return true;
}

void WeavePattern::printPreset()
{
    d.detach();
    const Data& b = *d.constData();
    std::ostream& out = std::cout;
    out << "const int pattern[] = {";
    for (std::int32_t c : b.grid)
        out << c << ", ";
    out << "};\n\n";
    out << "std::unique_ptr<WeavePattern> weave = std::make_unique<WeavePattern>(" << b.grid.record().warps << ","
        << b.grid.record().wefts << ", pattern);";
    out.precision(4);
    for (YarnType yarn : Yarns) {
        const char* name = yarn == YarnType::Warp ? "YarnType::Warp" : "YarnType::Weft";
        const Yarn& y = b.yarns[std::size_t(yarn)];
        out << "weave.setWidth(" << name << ", " << y.width << ");\n";
        out << "weave.setTension(" << name << ", " << y.tension << ");\n";
        out << "weave.setKind(" << name << ", " << (y.kind == YarnKind::Round ? "YarnKind::Round" : "YarnKind::Ribbon")
            << ");\n";
    }
    out << "return weave;";
}

namespace {

// The presets share one yarn description except satin and herringbone.
void setYarns(WeavePattern& p, float warpWidth, float weftWidth, float warpTension, float weftTension,
              YarnKind weftKind)
{
    p.setWidth(YarnType::Warp, warpWidth);
    p.setWidth(YarnType::Weft, weftWidth);
    p.setTension(YarnType::Warp, warpTension);
    p.setTension(YarnType::Weft, weftTension);
    p.setKind(YarnType::Warp, YarnKind::Round);
    p.setKind(YarnType::Weft, weftKind);
}

} // namespace

WeavePattern WeavePattern::makePlain()
{
    WeavePattern p(2, 2, nullptr);
    p.set(1, 0, YarnType::Weft);
    p.set(0, 1, YarnType::Weft);
    setYarns(p, 0.7f, 0.7f, 0.5f, 0.5f, YarnKind::Round);
    return p;
}

WeavePattern WeavePattern::makeTwill(int size, int run)
{
    const int n = std::max(size, 1);
    WeavePattern p(n, n, nullptr);
    // A run longer than the row covers the whole row.
    const int cells = std::min(run, n);
    for (int y = 0; y < n; ++y) {
        for (int i = 0; i < cells; ++i)
            p.set(y + i, y, YarnType::Weft);
    }
    setYarns(p, 0.7f, 0.7f, 0.5f, 0.5f, YarnKind::Round);
    return p;
}

WeavePattern WeavePattern::makeSatin(int size, int step)
{
    const int n = std::max(size, 1);
    WeavePattern p(n, n, nullptr);
    p.clear(YarnType::Weft);
    for (int y = 0; y < n; ++y)
        p.set(int(std::int64_t(y) * step % n), y, YarnType::Warp);
    setYarns(p, 0.35f, 1.0f, 2.0f, 0.5f, YarnKind::Ribbon);
    return p;
}

WeavePattern WeavePattern::makeBasket(int half)
{
    const int n = std::max(half, 1);
    WeavePattern p(2 * n, 2 * n, nullptr);
    for (int y = 0; y < 2 * n; ++y) {
        for (int x = 0; x < 2 * n; ++x) {
            if ((x < n) != (y < n))
                p.set(x, y, YarnType::Weft);
        }
    }
    setYarns(p, 0.7f, 0.7f, 0.5f, 0.5f, YarnKind::Round);
    return p;
}

WeavePattern WeavePattern::makeHerringbone()
{
    // Rows 4 to 7 repeat rows 0 to 3.
    static const int cells[12 * 8] = {
        1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0,
        0, 1, 1, 0, 0, 1, 0, 1, 1, 0, 0, 1,
        0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1,
        1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0,
        1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0,
        0, 1, 1, 0, 0, 1, 0, 1, 1, 0, 0, 1,
        0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1,
        1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1, 0,
    };
    WeavePattern p(12, 8, cells);
    setYarns(p, 0.803f, 0.78f, 1.0f, 1.0f, YarnKind::Round);
    return p;
}

} // namespace zsg
