#pragma once

#include <zsg/Export.h>

#include <zsg/color/IColorExtEdit.h>

#include <memory>

class orbRT_api;
namespace orb { struct Record; }

namespace zsg {

/// The editable view of one colour record. Writes go straight into the record's
/// fields, and only when they change something; each change marks the view
/// dirty and raises its change counter. The renderer sees the record on commit.
class ZSG_EXPORT ZColorExtEdit : public IColorExtEdit
{
public:
    // Takes ownership of a colour record (kind 3) and releases it through
    // `rtApi` when destroyed. A record of another kind is not taken: the view
    // stays empty and the caller keeps the record.
    ZColorExtEdit(orbRT_api* rtApi, orb::Record* record);
    ~ZColorExtEdit() override;

    ZColorExtEdit(const ZColorExtEdit&) = delete;
    ZColorExtEdit& operator=(const ZColorExtEdit&) = delete;

    orb::ColorId id() const override;
    std::string displayName() const override;
    std::string originalName() const override;
    orbColor_rgba color() const override;
    bool hasFlag(std::uint32_t mask) const override;
    orb::Span<const orb::ColorId> subColors() const override;
    orb::ColorId activeSub() const override;
    bool isDirty() const override;
    bool hasSubColor(orb::ColorId id) const override;
    std::uint32_t changeCount() const override;

    void setDisplayName(const std::string& name);
    void setOriginalName(const std::string& name);
    // Compared bit for bit.
    void setColor(const orbColor_rgba& color);
    // Sets the mask only when none of its bits is set; clears it only when any is.
    void setFlag(std::uint32_t mask);
    void clearFlag(std::uint32_t mask);

    // The active sub colour stays when still listed, else becomes the first
    // (0xFFFFFFFF for an empty list).
    void setSubColors(orb::Span<const orb::ColorId> ids);
    // Ids already listed move: they are taken out first (refused, like
    // removeSubColors, when that would empty the list). A position outside the
    // list appends. The active sub colour is not touched.
    void insertSubColors(orb::Span<const orb::ColorId> ids, int position);
    // False, changing nothing, when it would remove nothing or every sub
    // colour. A removed active sub colour passes to the first remaining one.
    bool removeSubColors(orb::Span<const orb::ColorId> ids);
    // Multi colours only; the active mark follows the replaced id.
    void replaceSubColor(orb::ColorId oldId, orb::ColorId newId);
    void setActiveSub(orb::ColorId id);
    // Position in the sub colour list, or 0xFFFFFFFF (always for a plain colour).
    std::uint32_t indexOfSubColor(orb::ColorId id) const;

    // markDirty counts as a change without a value change.
    void markDirty();
    void clearDirty();
    // Adds the change count of the view this one replaces in a cache, so that
    // a colour's revision never decreases when its view is replaced.
    void continueChangeCount(std::uint32_t replacedCount);
    // Hands the record to the renderer when dirty (or forced) and clears the
    // dirty flag; false when nothing was committed or there is no record.
    bool commit(bool force);
    // A dirty view over a renderer copy of the record carrying `id`; null
    // without a record or when the renderer makes no copy.
    std::unique_ptr<ZColorExtEdit> copy(orb::ColorId id) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
