#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbValueTypes.h>

#include <QSharedDataPointer>
#include <QString>

#include <cstdint>

namespace zsg {

/// A periodic weave grid with the description of its two yarns. Implicitly
/// shared: copies share one body and the cells are copied only when a shared
/// pattern is about to change. The reference count is atomic, so copies may live
/// on different threads; one object must not be used by two threads at once.
class ZSG_EXPORT WeavePattern
{
public:
    // Also the cell values: which yarn lies on top at a crossing.
    enum class YarnType : std::int32_t { Warp = 0, Weft = 1 };
    enum class YarnKind : std::int32_t { Ribbon = 0, Round = 1 };

    // 2 x 2, all Warp; warp width 0.4, weft width 0.9, tension and modulus 1, both Round.
    WeavePattern();
    // The default pattern resized to warps x wefts; a size below 1 keeps 2 x 2.
    // Non-null cells (warps * wefts of them, row by row) are read as Weft where
    // non-zero and Warp where zero.
    WeavePattern(int warps, int wefts, const int* cells);
    WeavePattern(const WeavePattern& other);
    // Leaves `other` empty: it may then only be destroyed or assigned to.
    WeavePattern(WeavePattern&& other) noexcept;
    WeavePattern& operator=(const WeavePattern& other);
    WeavePattern& operator=(WeavePattern&& other) noexcept;
    ~WeavePattern();

    int numWarp() const;
    int numWeft() const;

    // Coordinates wrap in both directions: -1 is the last column or row.
    YarnType get(int x, int y) const;
    // Stores any integer value unchanged.
    void set(int x, int y, YarnType value);
    void flip(int x, int y);
    void invert();
    void clear(YarnType value);
    // Repeats the current grid over the new size; ignored if either size is below 1.
    void setSize(int warps, int wefts);

    // A value other than Warp or Weft (a cell may hold any integer) names no
    // yarn: its properties read as 0 and Ribbon, and setting them does nothing.
    float width(YarnType yarn) const;
    float tension(YarnType yarn) const;
    YarnKind kind(YarnType yarn) const;
    void setWidth(YarnType yarn, float width);
    void setTension(YarnType yarn, float tension);
    void setKind(YarnType yarn, YarnKind kind);

    // Sizes, yarn properties (floats to a relative 1e-5, modulus included) and cells.
    bool equals(const WeavePattern& other) const;
    bool operator==(const WeavePattern& other) const { return equals(other); }
    // Coarse on floats; the modulus does not enter it.
    std::uint64_t hash() const;

    // What the renderer reads; valid until this pattern changes.
    const orb::WeavePattern& orbWeavePattern() const;
    // Copies the record's grid; the yarn properties stay. A record with a size
    // below 1 or without cells is ignored.
    void setFromOrbPattern(const orb::WeavePattern& pattern);

    // Compact JSON with the keys "kind", "modulus", "pattern_mask",
    // "pattern_warps", "pattern_wefts", "tension" and "width".
    QString toJson() const;
    // False, changing nothing, for an empty text or a mask that does not hold
    // warps * wefts entries. Malformed JSON and values of the wrong JSON type
    // raise nlohmann::json exceptions; the pattern is then unchanged. Integers
    // are truncated like the JSON library does but saturate at the 32-bit
    // range, so an absurd size can only fail the mask check.
    bool setFromJson(const QString& json);

    // Writes the pattern as preset source to std::cout and leaves the stream's
    // precision at 4. Makes the body private, like any modifying call.
    void printPreset();

    // Sizes below 1 are raised to 1.
    static WeavePattern makePlain();
    static WeavePattern makeTwill(int size, int run);
    static WeavePattern makeSatin(int size, int step);
    static WeavePattern makeBasket(int half);
    static WeavePattern makeHerringbone();

private:
    class Data;
    QSharedDataPointer<Data> d;
};

} // namespace zsg
