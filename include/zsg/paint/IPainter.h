#pragma once

#include <zsg/Export.h>
#include <zsg/platform/OrbPainter.h>

#include <cstdint>
#include <vector>

namespace zsg {

class IPainterBrush;
class IPainterSurface;

/// The library's mirror of the renderer's painter: one IPainterSurface per
/// renderer surface, adopted when the painter is built, by reload and by
/// createSurface, and kept for the painter's whole life. Main thread only.
class ZSG_EXPORT IPainter {
public:
    virtual ~IPainter() = default;

    // Adopts the renderer's surfaces not adopted yet; known ones stay as they are.
    virtual void reload() = 0;
    virtual std::vector<IPainterSurface*> surfaces() const = 0;
    // Null for an unknown id.
    virtual IPainterSurface* surface(orb::SurfaceId id) const = 0;
    virtual orb::SurfaceId createSurface(int resolution) = 0;
    // The new surface also receives copies of the source's layers, unless the
    // source is InvalidId or unknown.
    virtual orb::SurfaceId createSurface(int resolution, orb::SurfaceId source) = 0;
    // Reserved for brush previews; leaves the buffer untouched.
    virtual void preview(IPainterBrush* brush, std::uint32_t width, std::uint32_t height,
                         std::uint8_t* buffer) = 0;
    virtual orbPainter* nativePainter() const = 0;
    virtual bool changeResolution(orb::SurfaceId id, std::uint32_t resolution) = 0;
};

} // namespace zsg
