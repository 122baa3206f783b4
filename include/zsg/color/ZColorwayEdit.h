#pragma once

#include <zsg/Export.h>

#include <zsg/color/IColorwayEdit.h>
#include <zsg/color/MultiColorPair.h>

#include <memory>

class orbRT_api;
namespace orb { struct Record; }

namespace zsg {

/// The editable view of one colorway record. On construction it makes the
/// record consistent: both lists of one length, each multi colour listed once.
/// Writes mark the view dirty; the renderer sees the record on commit.
class ZSG_EXPORT ZColorwayEdit : public IColorwayEdit
{
public:
    // Takes ownership of a colorway record (kind 4) and releases it through
    // `rtApi` when destroyed. A record of another kind is not taken: the view
    // stays empty and the caller keeps the record.
    ZColorwayEdit(orbRT_api* rtApi, orb::Record* record);
    ~ZColorwayEdit() override;

    ZColorwayEdit(const ZColorwayEdit&) = delete;
    ZColorwayEdit& operator=(const ZColorwayEdit&) = delete;

    orb::ColorwayId id() const override;
    std::string displayName() const override;
    orb::Span<const orb::ColorId> multiColors() const override;
    orb::Span<const orb::ColorId> activeSubs() const override;
    orb::ColorId activeSubOf(orb::ColorId multiColor) const override;
    bool isDeleted() const override;
    bool isActive() const override;
    bool hasMultiColor(orb::ColorId id) const override;
    bool isDirty() const override;

    void setDisplayName(const std::string& name);
    void setDeleted(bool deleted);
    void setActive(bool active);
    // Both lists become the pairs (marks the view dirty even when equal).
    void setMultiColors(orb::Span<const MultiColorPair> pairs);
    // Pairs whose multi colour is listed move; a position outside the list appends.
    void insertMultiColors(orb::Span<const MultiColorPair> pairs, int position);
    // Drops the pairs of these multi colours.
    void removeMultiColors(orb::Span<const orb::ColorId> ids);

    void clearDirty();
    bool commit(bool force);
    // A view over a renderer copy of the record, same id; null without a record.
    std::unique_ptr<ZColorwayEdit> copy() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zsg
