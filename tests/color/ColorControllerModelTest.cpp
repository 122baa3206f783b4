// Random editing sessions against the controller: each sub colour list edit
// must leave the list and the active sub colour that a small reference model
// predicts; after thousands of operations, undoing everything must give back
// every record that existed before, byte for byte in content, and the
// materials' colours; redoing everything must give back the state after the
// session.

#include <color/RecordFields.h>

#include <zsg/color/ColorController.h>
#include <zsg/color/ColorDB.h>
#include <zsg/platform/ZUndoStack.h>
#include <zsg/scenegraph/ZEventQueue.h>

#include <orbmem/MemoryRuntime.h>
#include <orbmem/MemorySceneMaterialManager.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>

using namespace zsg;

namespace {

constexpr orb::ColorId None = orb::InvalidId;

// A record's content as text. Strings and lists are compared by content, so
// copies of a record read the same.
std::string dump(const orb::Record* record)
{
    std::ostringstream out;
    for (int i = 0; i < record->fieldCount; ++i) {
        const orb::FieldEntry& field = record->fields[i];
        const std::string name(field.name, strnlen(field.name, sizeof field.name));
        out << name << '=';
        if (name == "display_name" || name == "original_name") {
            out << '"' << fields::readString(&field) << '"';
        } else if (name == "color") {
            const auto rgba = fields::load<orbColor_rgba>(&field);
            out << rgba.r << ',' << rgba.g << ',' << rgba.b << ',' << rgba.a;
        } else if (name == "sub_colors" || name == "multi_colors" || name == "active_sub_indices") {
            for (std::uint32_t id : fields::list(&field))
                out << id << ',';
        } else {
            out << fields::load<std::uint32_t>(&field);
        }
        out << ' ';
    }
    return out.str();
}

// A multi colour's sub colours and active sub colour, and what the list edits
// should make of them.
struct Subs {
    std::vector<orb::ColorId> list;
    orb::ColorId active;
};

bool contains(const std::vector<orb::ColorId>& ids, orb::ColorId id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Removing nothing or everything is refused; a removed active mark passes to
// the first sub colour that stays.
Subs removed(const Subs& s, const std::vector<orb::ColorId>& ids)
{
    Subs r{{}, s.active};
    std::copy_if(s.list.begin(), s.list.end(), std::back_inserter(r.list), [&](orb::ColorId id) { return !contains(ids, id); });
    if (r.list.size() == s.list.size() || r.list.empty())
        return s;
    if (!contains(r.list, r.active))
        r.active = r.list.front();
    return r;
}

// Only listed ids move; they go to `position` of what stays, or to the end.
Subs moved(const Subs& s, const std::vector<orb::ColorId>& ids, int position, orb::ColorId activeAfter)
{
    std::vector<orb::ColorId> moving;
    for (orb::ColorId id : ids)
        if (contains(s.list, id) && !contains(moving, id))
            moving.push_back(id);
    Subs r = removed(s, moving);
    if (r.list.size() == s.list.size())
        return s;
    const bool inside = position >= 0 && position < static_cast<int>(r.list.size());
    r.list.insert(inside ? r.list.begin() + position : r.list.end(), moving.begin(), moving.end());
    if (activeAfter != None)
        r.active = activeAfter;
    return r;
}

// The multi colour never lists itself; an active sub colour still listed stays.
Subs replaced(const Subs& s, orb::ColorId multi, const std::vector<orb::ColorId>& ids)
{
    Subs r{{}, s.active};
    std::copy_if(ids.begin(), ids.end(), std::back_inserter(r.list), [&](orb::ColorId id) { return id != multi; });
    if (r.list == s.list)
        return s;
    if (!contains(r.list, r.active))
        r.active = r.list.empty() ? None : r.list.front();
    return r;
}

struct State {
    std::map<std::uint32_t, std::string> colors;
    std::map<std::uint32_t, std::string> colorways;
    std::string settings;
    std::map<orb::MaterialId, std::vector<orb::ColorId>> materials;
    bool operator==(const State&) const = default;
};

class Session {
public:
    explicit Session(unsigned seed) : random(seed)
    {
        for (int i = 0; i < 10; ++i)
            plain.push_back(runtime.createColor(i % 4 == 3 ? std::string() : "C" + std::to_string(i),
                                                {i * 0.1f, 0.5f, 1 - i * 0.1f, 1}));
        multis.push_back(runtime.createMultiColor("M0", {plain[0], plain[1], plain[2]}));
        multis.push_back(runtime.createMultiColor("M1", {plain[3], plain[4]}, plain[4]));
        multis.push_back(runtime.createMultiColor("", {plain[5], plain[6], plain[1]}));
        materials.push_back(runtime.createMaterial("A", {multis[0], plain[7], multis[0]}));
        materials.push_back(runtime.createMaterial("B", {multis[1], multis[2], plain[8]}));
        materials.push_back(runtime.createMaterial("C", {plain[9], plain[0]}));
        colorways.push_back(runtime.createColorway("W0", {multis[0], multis[1]}, {plain[1], plain[3]}));
        colorways.push_back(runtime.createColorway("W1", {multis[0], multis[2]}, {plain[2], plain[6]}));
        runtime.activateColorway(colorways[0]);
        highestColor = colorways.back();
        sceneMaterials.setMaterialActive(materials[2], false);

        // Views normalise what they read (colorways drop multi colours that
        // nothing uses); reading and committing them first makes that part of
        // the starting state rather than of the first edit.
        for (orb::ColorId id : allIds())
            if (db.getColorParameters(id))
                db.pushColor(id);
        for (orb::ColorwayId id : colorways)
            if (db.getColorwayParameters(id))
                db.pushColorway(id);
    }

    // Ids up to the highest issued, plus two never issued and the invalid id.
    std::vector<std::uint32_t> allIds() const
    {
        std::vector<std::uint32_t> ids;
        for (std::uint32_t id = 0; id <= highestId() + 2; ++id)
            ids.push_back(id);
        ids.push_back(None);
        return ids;
    }

    // The renderer issues ids in ascending order from one counter.
    std::uint32_t highestId() const { return std::max(highestColor, materials.back()); }

    State state()
    {
        State s;
        for (std::uint32_t id = 0; id <= highestId(); ++id) {
            if (orb::Record* record = runtime.colorRecord(id)) {
                s.colors[id] = dump(record);
                runtime.releaseColor(record);
            }
            if (orb::Record* record = runtime.colorwayRecord(id)) {
                s.colorways[id] = dump(record);
                runtime.releaseColorway(record);
            }
        }
        orb::Record* settings = runtime.colorSettingsRecord();
        s.settings = dump(settings);
        runtime.releaseColorSettings(settings);
        for (orb::MaterialId id : materials)
            s.materials[id] = runtime.materialColors(id);
        return s;
    }

    void run(int steps)
    {
        for (int step = 0; step < steps; ++step)
            runOne();
    }

    // Undo or redo everything; returns the number of steps taken. A step may
    // report failure (a colorway naming a multi colour that does not exist)
    // and still count.
    int replayAll(bool undo)
    {
        int steps = 0;
        for (; undo ? stack.canUndo() : stack.canRedo(); ++steps)
            undo ? stack.undo() : stack.redo();
        return steps;
    }

    orb::MemoryRuntime runtime;
    ZUndoStack stack;
    ZEventQueue queue;
    ColorDB db{&queue, &runtime};
    orb::MemorySceneMaterialManager sceneMaterials{runtime, &stack};
    ColorController controller{&db, &sceneMaterials, &stack};
    std::vector<orb::ColorId> plain, multis;
    std::vector<orb::ColorwayId> colorways;
    std::vector<orb::MaterialId> materials;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool coin() { return pick(2) == 0; }

    // Mostly ids that exist, sometimes any id at all.
    orb::ColorId anyColor()
    {
        if (pick(8) == 0) {
            const auto ids = allIds();
            return ids[pick(static_cast<int>(ids.size()))];
        }
        const auto plainIds = db.colors();
        const auto multiIds = db.multiColors();
        const std::size_t total = plainIds.size() + multiIds.size();
        if (total == 0)
            return None;
        const std::size_t i = static_cast<std::size_t>(pick(static_cast<int>(total)));
        return i < plainIds.size() ? plainIds[i] : multiIds[i - plainIds.size()];
    }
    // One of `ids`, or now and then (1 in `odds`) any colour.
    std::uint32_t oneOf(orb::Span<const std::uint32_t> ids, int odds)
    {
        return ids.empty() || pick(odds) == 0 ? anyColor() : ids[static_cast<std::size_t>(pick(static_cast<int>(ids.size())))];
    }
    orb::ColorId multiColor() { return oneOf(db.multiColors(), 6); }
    orb::ColorwayId colorway() { return oneOf(db.colorways(), 8); }
    // Some of the multi colour's sub colours, mixed with other colours.
    std::vector<orb::ColorId> someColors(orb::ColorId multi)
    {
        std::vector<orb::ColorId> ids;
        if (const ZColorExtEdit* view = db.getColorParameters(multi))
            for (orb::ColorId sub : view->subColors())
                if (coin())
                    ids.push_back(sub);
        for (int n = pick(3); n > 0; --n)
            ids.push_back(anyColor());
        return ids;
    }
    std::vector<MultiColorPair> somePairs()
    {
        std::vector<MultiColorPair> pairs;
        for (int n = pick(4); n > 0; --n) {
            const orb::ColorId multi = multiColor();
            const ZColorExtEdit* view = db.getColorParameters(multi);
            const bool useSub = view && !view->subColors().empty() && pick(4) != 0;
            pairs.push_back({multi, useSub ? view->subColors()[static_cast<std::size_t>(
                                                 pick(static_cast<int>(view->subColors().size())))]
                                           : anyColor()});
        }
        return pairs;
    }
    ZColor someColor()
    {
        const char* names[] = {"", "C1", "Teal", "M0"};
        return ZColor(ZColor::RGB, pick(11) / 10.0f, pick(11) / 10.0f, pick(11) / 10.0f, 0, 1, names[pick(4)]);
    }
    std::string someName()
    {
        const char* names[] = {"", "C2", "Red", "W0", "Multi-Color"};
        return names[pick(5)];
    }
    int somePosition() { return pick(6) - 1; }

    std::optional<Subs> subsOf(orb::ColorId id)
    {
        const ZColorExtEdit* view = db.getColorParameters(id);
        if (!view || !view->hasFlag(IColorExtEdit::MultiColorFlag))
            return std::nullopt;
        return Subs{{view->subColors().begin(), view->subColors().end()}, view->activeSub()};
    }
    void expectSubs(orb::ColorId multi, const Subs& expected)
    {
        const std::optional<Subs> now = subsOf(multi);
        ASSERT_TRUE(now);
        EXPECT_EQ(now->list, expected.list) << "multi colour " << multi;
        EXPECT_EQ(now->active, expected.active) << "multi colour " << multi;
    }

    void runOne()
    {
        const int countBefore = stack.count();
        const int indexBefore = stack.index();
        const int op = pick(23);
        // A "Set Color" step absorbs the next one whatever its colour, as a
        // host's drag relies on: keep kind-1 edits on the open step's colour.
        auto colorFor = [&](orb::ColorId candidate) { return openMerge != None ? openMerge : candidate; };
        std::vector<orb::ColorId> ids;
        std::vector<MultiColorPair> pairs;
        switch (op) {
        case 0: {  // a colour-picker drag, closed on release
            const orb::ColorId id = colorFor(anyColor());
            for (int n = pick(5); n > 0; --n)
                controller.setColor(id, someColor(), ContinueMerge);
            controller.setColor(id, someColor(), FinishMerge);
            openMerge = None;
            return;
        }
        case 1: controller.setDisplayName(anyColor(), someName()); break;
        case 2: controller.setFlags(anyColor(), 8 << pick(3), coin()); break;
        case 3: {
            const orb::ColorId multi = multiColor();
            ids = someColors(multi);
            const std::optional<Subs> before = subsOf(multi);
            controller.removeSubColors(multi, {ids.data(), ids.size()});
            if (before)
                expectSubs(multi, removed(*before, ids));
            break;
        }
        case 4: {
            const orb::ColorId multi = multiColor();
            ids = someColors(multi);
            controller.addSubColors(multi, {ids.data(), ids.size()}, somePosition(), coin() ? None : anyColor());
            break;
        }
        case 5: {
            const orb::ColorId multi = multiColor();
            ids = someColors(multi);
            const int position = somePosition();
            const orb::ColorId activeAfter = coin() ? None : anyColor();
            const std::optional<Subs> before = subsOf(multi);
            controller.moveSubColors(multi, {ids.data(), ids.size()}, position, activeAfter);
            if (before)
                expectSubs(multi, moved(*before, ids, position, activeAfter));
            break;
        }
        case 6: {
            const orb::ColorId multi = multiColor();
            ids = someColors(multi);
            const std::optional<Subs> before = subsOf(multi);
            controller.setSubColors(multi, {ids.data(), ids.size()});
            if (before)
                expectSubs(multi, replaced(*before, multi, ids));
            break;
        }
        case 7: {
            const orb::ColorId multi = multiColor();
            const orb::ColorId sub = anyColor();
            const std::optional<Subs> before = subsOf(multi);
            controller.setActiveSubColor(multi, sub);
            if (before)
                expectSubs(multi, {before->list, sub});
            break;
        }
        case 8: {
            const orb::ColorId multi = colorFor(multiColor());
            ids = someColors(multi);
            controller.changeSubColor(multi, ids.empty() ? anyColor() : ids.front(), anyColor());
            if (stack.count() != countBefore)
                openMerge = multi;
            return;
        }
        case 9: controller.unlinkSubColor(multiColor(), static_cast<unsigned>(pick(4))); break;
        case 10: controller.addSubColor(multiColor(), someColor(), somePosition()); break;
        case 11: {
            std::vector<ZColor> colors;
            for (int n = pick(3); n > 0; --n)
                colors.push_back(someColor());
            controller.addSubKColors(multiColor(), {colors.data(), colors.size()});
            break;
        }
        case 12: controller.addOrSwitchSubColor(multiColor(), anyColor(), coin()); break;
        case 13: controller.toggleMultiColor(coin() ? multiColor() : anyColor()); break;
        case 14: controller.linkColor(anyColor(), anyColor()); break;
        case 15: pairs = somePairs(); controller.createColorway(someName(), {pairs.data(), pairs.size()}); break;
        case 16: controller.applyColorway(colorway()); break;
        case 17: controller.setColorwayDisplayName(colorway(), someName()); break;
        case 18: pairs = somePairs(); controller.setColors(colorway(), {pairs.data(), pairs.size()}); break;
        case 19:
            pairs = somePairs();
            controller.addColors(colorway(), {pairs.data(), pairs.size()}, somePosition(), coin());
            break;
        case 20: ids = someColors(multiColor()); controller.removeMultiColors(colorway(), {ids.data(), ids.size()}); break;
        case 21: controller.setDeleted(colorway(), coin()); break;
        default: {  // queries change nothing
            ZColorExt value = db.colorFromId(anyColor());
            controller.checkForConflict(value);
            controller.activeReferenceCount(anyColor());
            controller.anyMultiColorInUse();
            break;
        }
        }
        if (stack.count() != countBefore || stack.index() != indexBefore)
            openMerge = None;
        // New colours and colorways widen the range of ids that state() reads.
        for (auto list : {db.colors(), db.multiColors(), db.colorways()})
            if (!list.empty())
                highestColor = std::max(highestColor, list[list.size() - 1]);
    }

    std::mt19937 random;
    orb::ColorId openMerge = None;
    std::uint32_t highestColor = 0;  // of colours and colorways
};

void expectRestored(const State& before, const State& now)
{
    for (const auto& [id, content] : before.colors)
        EXPECT_EQ(now.colors.at(id), content) << "colour " << id;
    for (const auto& [id, content] : before.colorways)
        EXPECT_EQ(now.colorways.at(id), content) << "colorway " << id;
    EXPECT_EQ(now.settings, before.settings);
    EXPECT_EQ(now.materials, before.materials);
}

class ColorControllerModelTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(ColorControllerModelTest, UndoAllRestoresAndRedoAllReplays)
{
    const orb::MemoryStats start = orb::memoryStats();
    {
        Session session(GetParam());
        const State initial = session.state();
        session.run(3000);
        const State edited = session.state();
        ASSERT_GT(session.stack.count(), 1000);

        const int undone = session.replayAll(true);
        EXPECT_EQ(undone, session.stack.count());
        const State restored = session.state();
        expectRestored(initial, restored);
        // Colorways made during the session stay in the renderer, marked deleted.
        for (const auto& [id, content] : restored.colorways)
            if (!initial.colorways.count(id)) {
                EXPECT_NE(content.find("flags=1 "), std::string::npos) << content;
            }

        EXPECT_EQ(session.replayAll(false), undone);
        EXPECT_TRUE(session.state() == edited);
    }
    EXPECT_EQ(orb::memoryStats(), start);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ColorControllerModelTest, ::testing::Values(1u, 2u, 3u, 42u));

} // namespace
