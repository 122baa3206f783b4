#pragma once
// The renderer's plain types, identifiers, memory functions and notification
// record: everything the library exchanges with the renderer by value.
// Implemented by a renderer library (zsg::orbmem in memory, or a host's own).

#include <zsg/Export.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>

class orbScene;  // opaque: the renderer's scene

// Memory and text. Everything the renderer hands out in these blocks must come
// back through the matching release function.
ORB_EXPORT void* orb_malloc(std::size_t size);
ORB_EXPORT void orb_free(void* block);
ORB_EXPORT void* orb_malloc_aligned(std::size_t size, std::size_t alignment);
ORB_EXPORT void orb_free_aligned(void* block);
// Copies text into the scene's string storage; the copy lives as long as the scene.
ORB_EXPORT char* orb_string_dup(orbScene* scene, const char* text);

/// An RGB colour as the renderer stores it.
struct orbColor { float r, g, b; };
/// An RGB colour with alpha as the renderer stores it.
struct orbColor_rgba { float r, g, b, a; };
/// A 2D vector of floats.
struct orbVector2f { float x, y; };
/// A 3D vector of floats.
struct orbVectorf { float x, y, z; };
/// A 3D vector of doubles.
struct orbVector { double x, y, z; };
/// A 4x4 matrix of doubles, 16 elements in the renderer's order.
struct orbMatrix { double m[16]; };

namespace orb {

using ColorId = std::uint32_t;
using ColorwayId = std::uint32_t;
using MaterialId = std::uint32_t;
using LightLayerId = std::uint32_t;
using SurfaceId = std::uint32_t;
using ObjectId = std::uint32_t;
using GroupItemId = std::uint32_t;

// "None" for every id type; operations that return an id return it on failure.
inline constexpr std::uint32_t InvalidId = 0xFFFFFFFFu;

/// A view of contiguous elements: pointer and count, never owned.
template <typename T>
struct Span {
    T* data = nullptr;
    std::size_t count = 0;

    constexpr Span() = default;
    constexpr Span(T* d, std::size_t n) : data(d), count(n) {}
    constexpr T* begin() const { return data; }
    constexpr T* end() const { return data + count; }
    constexpr std::size_t size() const { return count; }
    constexpr bool empty() const { return count == 0; }
    constexpr T& operator[](std::size_t i) const { return data[i]; }
};

/// Owning id arrays handed out by the renderer are released here.
struct ORB_EXPORT Unique_array_helper {
    static void free(void* data);
};

/// Standard allocator over orb_malloc / orb_free, for containers whose storage
/// the renderer may see or account for.
template <typename T>
struct allocator {
    using value_type = T;
    allocator() noexcept = default;
    template <typename U>
    allocator(const allocator<U>&) noexcept {}
    T* allocate(std::size_t n)
    {
        if (n > std::numeric_limits<std::size_t>::max() / sizeof(T))
            throw std::bad_array_new_length();
        void* p = orb_malloc(n * sizeof(T));
        if (!p)
            throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { orb_free(p); }
    template <typename U>
    bool operator==(const allocator<U>&) const noexcept { return true; }
};

/// A renderer notification as the host forwards it to ISceneGraph::handleNotification.
struct SceneNotification {
    const void* sender = nullptr;      // the renderer object that raised it
    std::uint64_t serial = 0;          // renderer's running notification number
    std::uint32_t code = 0;            // 5006 colours synchronised, 5007 colorway activated, ...
    ColorwayId colorway = InvalidId;   // code 5007
    const ColorId* colors = nullptr;   // code 5006: first element
    std::uint64_t colorCount = 0;      // code 5006: number of elements
};
static_assert(offsetof(SceneNotification, code) == 16);
static_assert(offsetof(SceneNotification, colorway) == 20);
static_assert(offsetof(SceneNotification, colors) == 24);
static_assert(offsetof(SceneNotification, colorCount) == 32);

} // namespace orb
