#include <zsg/color/ColorDB.h>
#include <zsg/color/ZColorLinker.h>

#include "RecordFields.h"

#include <zsg/platform/ZMainThreadCallback.h>
#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace zsg {

namespace {

// An id array handed out by the renderer, released with it.
template <typename T>
class OwnedArray
{
public:
    OwnedArray() = default;
    explicit OwnedArray(orb::Array<T> array) : m_array(array) {}
    ~OwnedArray() { release(); }
    OwnedArray(const OwnedArray&) = delete;
    OwnedArray& operator=(const OwnedArray&) = delete;

    void reset(orb::Array<T> array)
    {
        release();
        m_array = array;
    }
    orb::Span<const T> span() const { return {m_array.data, static_cast<std::size_t>(m_array.count)}; }

private:
    void release()
    {
        if (m_array.data)
            orb::Unique_array_helper::free(m_array.data);
        m_array = {};
    }
    orb::Array<T> m_array;
};

orbColor_extended::ColorType typeOf(const ZColorExt& color)
{
    return color.isMultiColor() ? orbColor_extended::Multi : orbColor_extended::Plain;
}

std::vector<orb::ColorId> toVector(orb::Span<const orb::ColorId> ids)
{
    return {ids.begin(), ids.end()};
}

ZColorExt::ZColorWithId entryOf(const ZColorExtEdit& view, orb::ColorId id)
{
    ZColor color(view.color());
    color.setName(view.displayName());
    return {color, id};
}

} // namespace

struct ColorDB::Private {
    IEventQueue* eventQueue;
    orbRT_api* rtApi;
    // Declared so that destruction releases the arrays first, then the
    // settings view, the colorway views and the colour views.
    std::unordered_map<orb::ColorId, std::unique_ptr<ZColorExtEdit>> colorViews;
    std::unordered_map<orb::ColorwayId, std::unique_ptr<ZColorwayEdit>> colorwayViews;
    std::unique_ptr<ZColorSettingsEdit> settings;
    OwnedArray<orb::ColorwayId> colorwayIds;
    OwnedArray<orb::ColorId> colorIds;
    OwnedArray<orb::ColorId> namedIds;
    OwnedArray<orb::ColorId> multiIds;
    std::uint32_t colorStamp = 0;
    std::uint32_t multiStamp = 0;
    std::uint32_t colorwayStamp = 0;
    orb::ColorId tempColor = orb::InvalidId;
    // What deferred ColorwaySyncedEvent callbacks post through. They hold it
    // weakly, so a callback that runs after the database is gone posts nothing.
    std::shared_ptr<IEventQueue*> queueHandle;

    orbScene* scene() const { return rtApi ? rtApi->scene() : nullptr; }

    // The renderer's colour and colorway revisions.
    static std::pair<std::uint32_t, std::uint32_t> revisions(orbScene* scene)
    {
        std::uint32_t colorRevision = 0;
        std::uint32_t colorwayRevision = 0;
        orb_get_colordb_revision(scene, &colorRevision, &colorwayRevision);
        return {colorRevision, colorwayRevision};
    }

    template <typename E>
    void post(std::uint32_t id)
    {
        if (eventQueue)
            eventQueue->postEvent(new E(id));
    }

    ZColorExtEdit* cachedColor(orb::ColorId id) const
    {
        auto it = colorViews.find(id);
        return it == colorViews.end() ? nullptr : it->second.get();
    }
    ZColorwayEdit* cachedColorway(orb::ColorwayId id) const
    {
        auto it = colorwayViews.find(id);
        return it == colorwayViews.end() ? nullptr : it->second.get();
    }

    orb::ColorId copyColor(ColorDB& db, orb::ColorId id, bool asMultiColor);
};

ColorDB::ColorDB(IEventQueue* eventQueue, orbRT_api* rtApi) : d(std::make_unique<Private>())
{
    d->eventQueue = eventQueue;
    d->rtApi = rtApi;
    d->queueHandle = std::make_shared<IEventQueue*>(eventQueue);
}

ColorDB::~ColorDB() = default;

// --- Lookups ---

orb::ColorId ColorDB::colorFromName(ScopedRTApiLock&, const std::string& name) const
{
    orbScene* scene = d->scene();
    if (name.empty() || !scene)
        return orb::InvalidId;
    // Colours that nothing references linger in the renderer; they must not be found.
    OwnedArray<orb::ColorId> found(orb_color_from_name(scene, name.c_str()));
    for (orb::ColorId id : found.span()) {
        if (orb_color_reference_count(scene, id) != 0)
            return id;
    }
    return orb::InvalidId;
}

orb::ColorId ColorDB::multiColorFromName(ScopedRTApiLock&, const std::string& name) const
{
    orbScene* scene = d->scene();
    if (name.empty() || !scene)
        return orb::InvalidId;
    OwnedArray<orb::ColorId> found(orb_multi_color_from_name(scene, name.c_str()));
    return found.span().empty() ? orb::InvalidId : found.span()[0];
}

orb::ColorwayId ColorDB::colorwayFromName(ScopedRTApiLock&, const std::string& name) const
{
    orbScene* scene = d->scene();
    if (name.empty() || !scene)
        return orb::InvalidId;
    OwnedArray<orb::ColorwayId> found(orb_colorway_from_name(scene, name.c_str()));
    return found.span().empty() ? orb::InvalidId : found.span()[0];
}

std::optional<std::string> ColorDB::findUniqueColorName(const std::string& name, orb::Span<const orb::ColorId> ignore,
                                                        orbColor_extended::ColorType type) const
{
    orbScene* scene = d->scene();
    if (!scene)
        return std::nullopt;
    char* unique = nullptr;
    const bool found = orb_color_find_unique_name(scene, name.c_str(), ignore, type, &unique);
    std::optional<std::string> result;
    if (found && unique)
        result = unique;
    orb_free(unique);
    return result;
}

// --- Id lists ---

orb::Span<const orb::ColorId> ColorDB::colors()
{
    orbScene* scene = d->scene();
    if (!scene)
        return {};
    const std::uint32_t revision = Private::revisions(scene).first;
    if (d->colorStamp != revision) {
        d->namedIds.reset(orb_get_colors_named(scene));
        d->colorIds.reset(orb_get_colors(scene, orbColor_extended::Plain));
        d->colorStamp = revision;
    }
    return d->colorIds.span();
}

std::vector<orb::ColorId> ColorDB::namedColors()
{
    orbScene* scene = d->scene();
    if (!scene)
        return {};
    OwnedArray<orb::ColorId> named(orb_get_colors_named(scene));
    return toVector(named.span());
}

orb::Span<const orb::ColorId> ColorDB::multiColors()
{
    orbScene* scene = d->scene();
    if (!scene)
        return {};
    const std::uint32_t revision = Private::revisions(scene).first;
    if (d->multiStamp != revision) {
        d->multiIds.reset(orb_get_colors(scene, orbColor_extended::Multi));
        d->multiStamp = revision;
    }
    return d->multiIds.span();
}

orb::Span<const orb::ColorwayId> ColorDB::colorways()
{
    orbScene* scene = d->scene();
    if (!scene)
        return {};
    const std::uint32_t revision = Private::revisions(scene).second;
    if (d->colorwayStamp != revision) {
        d->colorwayIds.reset(orb_get_colorways(scene));
        d->colorwayStamp = revision;
    }
    return d->colorwayIds.span();
}

// --- Creation and views ---

orb::ColorId ColorDB::createColor(const std::string& name, orbColor_extended::ColorType type)
{
    orbScene* scene = d->scene();
    orbScene_api* api = scene ? orb_get_scene_api(scene) : nullptr;
    if (!api)
        return orb::InvalidId;
    api->begin_color(orb::InvalidId);
    if (!name.empty())
        api->set_attribute("display_name", 10, name.c_str());
    orb::Record* record = api->end_color();
    if (!record)
        return orb::InvalidId;
    if (type == orbColor_extended::Multi) {
        static constexpr const char* names[] = {"flags"};
        orb::FieldEntry* flags[1];
        fields::locate(record, names, flags);
        fields::writeFlag(flags[0], IColorExtEdit::MultiColorFlag, true);
    }
    const orb::ColorId id = record->id;
    if (!name.empty())
        orb_color_set_unique_name(scene, id);
    return id;
}

orb::ColorwayId ColorDB::createColorway()
{
    orbScene* scene = d->scene();
    orbScene_api* api = scene ? orb_get_scene_api(scene) : nullptr;
    if (!api)
        return orb::InvalidId;
    api->begin_colorway(orb::InvalidId);
    orb::Record* record = api->end_colorway();
    if (!record)
        return orb::InvalidId;
    const orb::ColorwayId id = record->id;
    postColorwayUpdateSyncEvent(id);
    return id;
}

ZColorExtEdit* ColorDB::getColorParameters(orb::ColorId id)
{
    if (ZColorExtEdit* view = d->cachedColor(id))
        return view;
    orb::Record* record = id != orb::InvalidId && d->rtApi ? d->rtApi->colorRecord(id) : nullptr;
    if (!record)
        return nullptr;
    auto& slot = d->colorViews[id];
    slot = std::make_unique<ZColorExtEdit>(d->rtApi, record);
    return slot.get();
}

ZColorwayEdit* ColorDB::getColorwayParameters(orb::ColorwayId id)
{
    if (ZColorwayEdit* view = d->cachedColorway(id))
        return view;
    orb::Record* record = id != orb::InvalidId && d->rtApi ? d->rtApi->colorwayRecord(id) : nullptr;
    if (!record)
        return nullptr;
    auto& slot = d->colorwayViews[id];
    slot = std::make_unique<ZColorwayEdit>(d->rtApi, record);
    ZColorwayEdit* view = slot.get();
    checkForUnusedMultiColors(id);
    return view;
}

ZColorSettingsEdit* ColorDB::getColorSettingsParameters()
{
    if (!d->settings && d->rtApi) {
        if (orb::Record* record = d->rtApi->colorSettingsRecord())
            d->settings = std::make_unique<ZColorSettingsEdit>(d->rtApi, record);
    }
    return d->settings.get();
}

void ColorDB::checkForUnusedMultiColors(orb::ColorwayId id)
{
    ZColorwayEdit* view = d->cachedColorway(id);
    if (!view)
        return;
    for (orb::ColorId multi : toVector(view->multiColors())) {
        if (totalSceneReferenceCount(multi) == 0)
            view->removeMultiColors({&multi, 1});
    }
}

// --- Pushing colours ---

void ColorDB::pushColor(orb::ColorId id)
{
    ZColorExtEdit* view = d->cachedColor(id);
    if (!view || !view->commit(false))
        return;
    std::vector<orb::ColorId> subColors;
    if (view->hasFlag(IColorExtEdit::MultiColorFlag))
        subColors = toVector(view->subColors());
    postColorUpdateSyncEvent(id);
    for (orb::ColorId sub : subColors)
        postColorUpdateSyncEvent(sub);
}

void ColorDB::pushColor(ZColorExt& color)
{
    // Work on a private copy so that the caller's value changes in one step.
    ZColorExt pushed = color.detachedClone();
    pushColorImpl(pushed);
    color.copyDataFrom(pushed);
}

void ColorDB::pushColorImpl(ZColorExt& color)
{
    ZColorExtEdit* view = nullptr;
    bool created = false;
    if (color.getId() == orb::InvalidId) {
        const orb::ColorId id = createColor(color.getColorName(), typeOf(color));
        if (id == orb::InvalidId)
            return;
        orb_color_set_unique_name(d->scene(), id);
        color.setId(id);
        view = getColorParameters(id);
        if (!view)
            return;
        view->setColor(color.rgba());
        // The renderer may have changed the name to make it unique.
        color.setColorName(view->displayName());
        created = true;
    } else {
        view = getColorParameters(color.getId());
        if (!view)
            return;
        view->setColor(color.rgba());
        view->setDisplayName(color.getColorName());
    }
    const orb::ColorId id = color.getId();

    if (!color.isMultiColor()) {
        view->clearFlag(IColorExtEdit::MultiColorFlag);
        view->setSubColors({});
        view->setActiveSub(orb::InvalidId);
    } else {
        view->setFlag(IColorExtEdit::MultiColorFlag);
        std::vector<orb::ColorId> subColors;
        for (int i = 0; i < color.nColors(); ++i) {
            if (color.getSubColorId(i) == orb::InvalidId) {
                const orb::ColorId sub = createColor(color.getName(i), orbColor_extended::Plain);
                if (sub != orb::InvalidId) {
                    orb_color_set_unique_name(d->scene(), sub);
                    color.setSubColorId(i, sub);
                    d->post<ColorEvent>(sub);
                }
            }
            subColors.push_back(color.getSubColorId(i));
        }
        view->setSubColors({subColors.data(), subColors.size()});
        view->setActiveSub(color.getSubColorId(color.activeIndex()));
        for (int i = 0; i < color.nColors(); ++i)
            pushSubColorToDb(color, i);
    }
    color.setRevision(view->changeCount());
    if (created)
        d->post<ColorEvent>(id);
    pushColor(id);
}

void ColorDB::pushSubColorToDb(const ZColorExt& color, int index)
{
    const orb::ColorId sub = color.getSubColorId(index);
    if (ZColorExtEdit* view = getColorParameters(sub)) {
        view->setColor(color.subRgba(index));
        view->setDisplayName(color.getName(index));
    }
    pushColor(sub);
}

void ColorDB::pushTempColor(ZColorExt& color)
{
    if (d->tempColor == orb::InvalidId) {
        {
            ScopedRTApiLock lock(d->rtApi);
            d->tempColor = createColor({}, typeOf(color));
        }
        if (ZColorExtEdit* view = getColorParameters(d->tempColor))
            view->setFlag(IColorExtEdit::TemporaryFlag);
    }
    if (d->tempColor == orb::InvalidId)
        return;
    color.setId(d->tempColor);
    pushColor(color);
}

void ColorDB::setActiveSubColor(const MultiColorPair& pair)
{
    if (pair.multiColor == orb::InvalidId || pair.subColor == orb::InvalidId)
        return;
    ZColorExt color = colorFromId(pair.multiColor);
    const orb::ColorId active = color.getSubColorId(color.activeIndex());
    if (!color.isMultiColor() || active == orb::InvalidId || active == pair.subColor)
        return;
    const int index = color.getIndexOfSubColor(pair.subColor);
    if (index < 0)
        return;
    color.setActiveIndex(index);
    pushColor(color);
}

ZColorExt ColorDB::colorFromId(orb::ColorId id)
{
    ZColorExtEdit* view = getColorParameters(id);
    if (!view)
        return {};
    ZColorExt color;
    color.setMultiColor(view->hasFlag(IColorExtEdit::MultiColorFlag));
    color.setId(id);
    color.setRevision(view->changeCount());
    QList<ZColorExt::ZColorWithId> entries;
    int active = 0;
    if (!color.isMultiColor()) {
        entries.append(entryOf(*view, id));
    } else {
        const std::vector<orb::ColorId> subColors = toVector(view->subColors());
        // Sub colours without a view get no entry, so the active index
        // counts only the entries built.
        for (orb::ColorId sub : subColors) {
            ZColorExtEdit* subView = getColorParameters(sub);
            if (!subView)
                continue;
            if (sub == view->activeSub())
                active = static_cast<int>(entries.size());
            entries.append(entryOf(*subView, sub));
        }
    }
    color.setColors(entries);
    color.setActiveIndex(active);
    color.setColorName(view->displayName());
    return color;
}

orb::ColorId ColorDB::idFromColor(ZColorExt color)
{
    if (color.getId() == orb::InvalidId)
        pushColor(color);
    return color.getId();
}

// --- Copies ---

orb::ColorId ColorDB::Private::copyColor(ColorDB& db, orb::ColorId id, bool asMultiColor)
{
    orb::ColorId copyId = orb::InvalidId;
    {
        ScopedRTApiLock lock(rtApi);
        ZColorExtEdit* view = db.getColorParameters(id);
        if (!view)
            return orb::InvalidId;
        const bool multi = asMultiColor || view->hasFlag(IColorExtEdit::MultiColorFlag);
        copyId = db.createColor({}, multi ? orbColor_extended::Multi : orbColor_extended::Plain);
        if (copyId == orb::InvalidId)
            return orb::InvalidId;
        if (std::unique_ptr<ZColorExtEdit> copy = view->copy(copyId)) {
            if (asMultiColor) {
                copy->setFlag(IColorExtEdit::MultiColorFlag);
                copy->setSubColors({&id, 1});
                copy->setActiveSub(id);
            }
            copy->commit(true);
        }
    }
    rtApi->sceneChanged(1);
    orb_color_set_unique_name(scene(), copyId);
    post<ColorEvent>(copyId);
    post<ColorUpdatedEvent>(id);
    return copyId;
}

orb::ColorId ColorDB::clone(orb::ColorId id)
{
    return d->copyColor(*this, id, false);
}

orb::ColorId ColorDB::multiColorFromColor(orb::ColorId id)
{
    return d->copyColor(*this, id, true);
}

orb::ColorId ColorDB::cloneRecursively(orb::ColorId id)
{
    const orb::ColorId copyId = clone(id);
    ZColorExtEdit* view = getColorParameters(copyId);
    if (view && view->hasFlag(IColorExtEdit::MultiColorFlag)) {
        for (orb::ColorId sub : toVector(view->subColors()))
            view->replaceSubColor(sub, clone(sub));
        view->commit(false);
        d->rtApi->sceneChanged(1);
    }
    return copyId;
}

// --- Reference counts ---

std::uint32_t ColorDB::totalSceneReferenceCount(orb::ColorId id) const
{
    orbScene* scene = d->scene();
    return scene ? orb_color_reference_count(scene, id) : 0;
}

bool ColorDB::anyMultiColorsInScene()
{
    for (orb::ColorId id : multiColors()) {
        if (totalSceneReferenceCount(id) != 0)
            return true;
    }
    return false;
}

std::vector<orb::MaterialId> ColorDB::getMaterialsUsingColor(orb::ColorId id, std::uint32_t flags,
                                                             bool activeOnly) const
{
    orbScene* scene = d->scene();
    if (!scene)
        return {};
    OwnedArray<orb::MaterialId> materials(orb_get_materials_using_color(scene, id, flags, activeOnly));
    return {materials.span().begin(), materials.span().end()};
}

std::unique_ptr<ScopedRTApiLock> ColorDB::createRtApiLock() const
{
    return std::make_unique<ScopedRTApiLock>(d->rtApi);
}

// --- Colorways ---

void ColorDB::setActiveColorway(orb::ColorwayId id)
{
    if (ZColorSettingsEdit* settings = getColorSettingsParameters()) {
        settings->setActiveColorwayId(id);
        settings->commit(false);
    }
}

orb::ColorwayId ColorDB::activeColorwayId()
{
    ZColorSettingsEdit* settings = getColorSettingsParameters();
    return settings ? settings->activeColorwayId() : orb::InvalidId;
}

std::string ColorDB::activeColorwayName()
{
    return colorwayName(activeColorwayId());
}

std::string ColorDB::colorwayName(orb::ColorwayId id)
{
    ZColorwayEdit* view = id != orb::InvalidId ? getColorwayParameters(id) : nullptr;
    return view ? view->displayName() : std::string();
}

std::unique_ptr<IColorLinker> ColorDB::getColorLinker(IColorController* controller, IColorLinkHandler* handler) const
{
    return std::make_unique<ZColorLinker>(controller, handler);
}

void ColorDB::pushColorway(orb::ColorwayId id)
{
    ZColorwayEdit* view = d->cachedColorway(id);
    if (!view || !view->commit(false))
        return;
    if (view->isActive())
        setActiveColorway(id);
    else if (activeColorwayId() == id)
        setActiveColorway(orb::InvalidId);
    postColorwayUpdateSyncEvent(id);
}

void ColorDB::applyColorway(orb::ColorwayId id)
{
    ZColorwayEdit* view = getColorwayParameters(id);
    if (!view)
        return;
    const std::vector<orb::ColorId> multis = toVector(view->multiColors());
    const std::vector<orb::ColorId> subs = toVector(view->activeSubs());
    if (multis.empty() || multis.size() != subs.size())
        return;

    setActiveColorway(id);
    const orb::Span<const orb::ColorwayId> all = colorways();
    for (orb::ColorwayId other : std::vector<orb::ColorwayId>(all.begin(), all.end())) {
        if (other == id)
            continue;
        if (ZColorwayEdit* otherView = getColorwayParameters(other))
            otherView->setActive(false);
        pushColorway(other);
    }
    view->setActive(true);
    pushColorway(id);

    for (std::size_t i = 0; i < multis.size(); ++i) {
        ZColorExtEdit* multi = getColorParameters(multis[i]);
        if (multi && multi->hasSubColor(subs[i])) {
            multi->setActiveSub(subs[i]);
            pushColor(multis[i]);
        }
    }
}

void ColorDB::handleColorwayActivated(const orb::ColorwayId& id)
{
    ZColorwayEdit* view = d->cachedColorway(id);
    if (!view)
        return;
    // The renderer changed these records itself: read them anew.
    for (orb::ColorId multi : toVector(view->multiColors())) {
        auto old = d->colorViews.find(multi);
        const std::uint32_t revision = old != d->colorViews.end() ? old->second->changeCount() : 0;
        if (old != d->colorViews.end())
            d->colorViews.erase(old);
        if (ZColorExtEdit* fresh = getColorParameters(multi))
            fresh->continueChangeCount(revision);
        pushColor(multi);
        postColorUpdateSyncEvent(multi);
    }
    d->colorwayViews.erase(id);
    getColorwayParameters(id);
    pushColorway(id);
    postColorwayUpdateSyncEvent(id);
}

// --- Snapshots ---

void ColorDB::setColorEdit(ZColorExtEdit* edit)
{
    if (!edit)
        return;
    const orb::ColorId id = edit->id();
    std::unique_ptr<ZColorExtEdit> fresh = edit->copy(id);
    if (!fresh)
        return;
    ZColorExtEdit* view = fresh.get();
    std::unique_ptr<ZColorExtEdit>& slot = d->colorViews[id];
    if (slot)
        view->continueChangeCount(slot->changeCount());
    slot = std::move(fresh);
    view->commit(true);
    postColorUpdateSyncEvent(id);
}

void ColorDB::setColorwayEdit(ZColorwayEdit* edit)
{
    if (!edit)
        return;
    const orb::ColorwayId id = edit->id();
    std::unique_ptr<ZColorwayEdit> fresh = edit->copy();
    if (!fresh)
        return;
    ZColorwayEdit* view = fresh.get();
    d->colorwayViews[id] = std::move(fresh);
    view->commit(true);
    postColorwayUpdateSyncEvent(id);
}

// --- Events ---

void ColorDB::postColorUpdateSyncEvent(orb::ColorId id)
{
    d->post<ColorUpdatedEvent>(id);
}

void ColorDB::postColorwayUpdateSyncEvent(orb::ColorwayId id)
{
    if (!d->eventQueue)
        return;
    d->eventQueue->postEvent(new ColorwayUpdatedEvent(id));
    // Self-owning; it dies unrun with the queue, its context.
    new ZMainThreadCallback(
        d->rtApi,
        [handle = std::weak_ptr<IEventQueue*>(d->queueHandle), id] {
            if (std::shared_ptr<IEventQueue*> queue = handle.lock(); queue && *queue)
                (*queue)->postEvent(new ColorwaySyncedEvent(id));
        },
        d->eventQueue);
}

} // namespace zsg
