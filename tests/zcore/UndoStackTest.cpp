#include <zsg/platform/ZUndoStack.h>

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>

using namespace zsg;

namespace {

struct Doc { QString text; QStringList log; int alive = 0; int mergeAsks = 0; };
struct Opt { ZCommandId id = 1; bool mergeable = true; bool ok = true; ZUndoCommand* parent = nullptr; };

// Appends its piece to the document; absorbs later AppendCommands when mergeable.
class AppendCommand : public ZUndoCommand
{
public:
    AppendCommand(Doc& doc, const QString& piece, Opt o)
        : ZUndoCommand(o.id, piece, o.parent), m_doc(doc), m_piece(piece), m_opt(o) { ++m_doc.alive; }
    ~AppendCommand() override { --m_doc.alive; }
    bool redo() override { m_doc.text += m_piece; m_doc.log << "+" + m_piece; return m_opt.ok; }
    bool undo() override { m_doc.text.chop(m_piece.size()); m_doc.log << "-" + m_piece; return m_opt.ok; }
    bool mergeWith(const ZUndoCommand* other) override
    {
        ++m_doc.mergeAsks;
        const auto* append = dynamic_cast<const AppendCommand*>(other);
        if (!m_opt.mergeable || !append)
            return false;
        m_piece += append->m_piece;
        setText(m_piece);
        return true;
    }

private:
    Doc& m_doc; QString m_piece; Opt m_opt;
};

std::string state(const ZUndoStack& s)
{
    return QString("count=%1 index=%2 cleanIndex=%3%4%5%6 undo='%7' redo='%8'")
        .arg(s.count()).arg(s.index()).arg(s.cleanIndex())
        .arg(s.isClean() ? " clean" : "", s.canUndo() ? " canUndo" : "", s.canRedo() ? " canRedo" : "",
             s.undoText(), s.redoText())
        .toStdString();
}

struct Harness
{
    Doc doc; // outlives the stack: commands touch it when deleted
    ZUndoStack stack;
    QStringList emitted; // every signal in emission order, as name=value

    Harness()
    {
        auto record = [this](const char* name) { return [this, name](auto v) { emitted << QString("%1=%2").arg(name).arg(v); }; };
        QObject::connect(&stack, &ZUndoStack::indexChanged, record("index"));
        QObject::connect(&stack, &ZUndoStack::canUndoChanged, record("canUndo"));
        QObject::connect(&stack, &ZUndoStack::undoTextChanged, record("undoText"));
        QObject::connect(&stack, &ZUndoStack::canRedoChanged, record("canRedo"));
        QObject::connect(&stack, &ZUndoStack::redoTextChanged, record("redoText"));
        QObject::connect(&stack, &ZUndoStack::cleanChanged, record("clean"));
    }
    bool push(const QString& piece, Opt o = {}) { return stack.push(new AppendCommand(doc, piece, o)); }
    std::string takeSignals() { return std::exchange(emitted, {}).join(' ').toStdString(); }
    void step(const std::string& expectedState, const std::string& expectedSignals)
    {
        EXPECT_EQ(state(stack), expectedState);
        EXPECT_EQ(takeSignals(), expectedSignals);
    }
};

class UndoStackTest : public ::testing::Test, protected Harness {};

TEST_F(UndoStackTest, pushUndoRedoSignalOnlyChangedValues)
{
    step("count=0 index=0 cleanIndex=0 clean undo='' redo=''", "");
    EXPECT_TRUE(push("a"));
    step("count=1 index=1 cleanIndex=0 canUndo undo='a' redo=''", "index=1 canUndo=1 undoText=a clean=0");
    EXPECT_TRUE(push("b", {.id = 2}));
    step("count=2 index=2 cleanIndex=0 canUndo undo='b' redo=''", "index=2 undoText=b");
    EXPECT_TRUE(stack.undo());
    step("count=2 index=1 cleanIndex=0 canUndo canRedo undo='a' redo='b'", "index=1 undoText=a canRedo=1 redoText=b");
    EXPECT_TRUE(stack.undo());
    step("count=2 index=0 cleanIndex=0 clean canRedo undo='' redo='a'", "index=0 canUndo=0 undoText= redoText=a clean=1");
    EXPECT_EQ(doc.text, "");
    EXPECT_TRUE(stack.redo());
    step("count=2 index=1 cleanIndex=0 canUndo canRedo undo='a' redo='b'", "index=1 canUndo=1 undoText=a redoText=b clean=0");
    EXPECT_TRUE(stack.setClean());
    step("count=2 index=1 cleanIndex=1 clean canUndo canRedo undo='a' redo='b'", "clean=1");
    // The discarded redo tail lay above the clean state, which stays reachable.
    EXPECT_TRUE(push("c", {.id = 3}));
    step("count=2 index=2 cleanIndex=1 canUndo undo='c' redo=''", "index=2 undoText=c canRedo=0 redoText= clean=0");
    EXPECT_EQ(doc.text, "ac");
    EXPECT_EQ(doc.alive, 2);
    EXPECT_EQ(stack.text(0), "a");
    EXPECT_EQ(stack.text(2), "");
}

TEST(UndoStack, refusedCallsChangeNothing)
{
    using Fn = std::function<bool(Harness&)>;
    const Fn undo = [](Harness& h) { return h.stack.undo(); };
    const Fn redo = [](Harness& h) { return h.stack.redo(); };
    const Fn inMacro = [](Harness& h) { return h.stack.beginMacro("m"), h.push("m", {.id = 3}); };
    const struct { const char* name; Fn prepare; Fn call; } cases[] = {
        {"push null", {}, [](Harness& h) { return h.stack.push(nullptr); }},
        {"undo at bottom", undo, undo},
        {"redo at top", redo, redo},
        {"undo in macro", inMacro, undo},
        {"redo in macro", inMacro, redo},
        {"setClean in macro", inMacro, [](Harness& h) { return h.stack.setClean(); }},
        {"endMacro unopened", {}, [](Harness& h) { return h.stack.endMacro("x"); }},
        {"undo limit when not empty", {}, [](Harness& h) { return h.stack.setUndoLimit(1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h; // from index 1 both undo and redo could run
        h.push("a");
        h.push("b", {.id = 2});
        h.stack.undo();
        if (c.prepare) {
            ASSERT_TRUE(c.prepare(h));
        }
        h.takeSignals();
        const std::string before = state(h.stack);
        const QString text = h.doc.text;
        EXPECT_FALSE(c.call(h));
        h.step(before, "");
        EXPECT_EQ(h.doc.text, text);
    }
}

TEST(UndoStack, mergeRules)
{
    using Fn = std::function<void(Harness&)>;
    const char* merged = "count=1 index=1 cleanIndex=0 canUndo undo='ab' redo=''";
    const char* apart = "count=2 index=2 cleanIndex=0 canUndo undo='b' redo=''";
    const Fn pushA = [](Harness& h) { h.push("a"); };
    const Fn pushAxUndo = [](Harness& h) { h.push("a"), h.push("x", {.id = 2}), h.stack.undo(); };
    const struct { const char* name; Fn setup; Opt last; const char* state; int asks; const char* emitted; } cases[] = {
        {"equal ids merge", pushA, {}, merged, 1, "undoText=ab"},
        {"different ids", pushA, {.id = 2}, apart, 0, "index=2 undoText=b"},
        {"negative ids never", [](Harness& h) { h.push("a", {.id = -1}); }, {.id = -1}, apart, 0, "index=2 undoText=b"},
        {"mergeWith refuses", [](Harness& h) { h.push("a", {.mergeable = false}); }, {}, apart, 1, "index=2 undoText=b"},
        {"never into the clean command", [](Harness& h) { h.push("a"), h.stack.setClean(); }, {},
         "count=2 index=2 cleanIndex=1 canUndo undo='b' redo=''", 0, "index=2 undoText=b clean=0"},
        {"after undo, into the command below", pushAxUndo, {}, merged, 1, "undoText=ab canRedo=0 redoText="},
        {"after undo below the clean state", [](Harness& h) { h.push("a"), h.push("x", {.id = 2}), h.stack.setClean(), h.stack.undo(); },
         {}, "count=1 index=1 cleanIndex=-1 canUndo undo='ab' redo=''", 1, "undoText=ab canRedo=0 redoText="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        c.setup(h);
        h.takeSignals();
        h.push("b", c.last);
        h.step(c.state, c.emitted);
        EXPECT_EQ(h.doc.mergeAsks, c.asks);
        EXPECT_EQ(h.doc.alive, h.stack.count()); // merged and discarded commands are deleted
        EXPECT_EQ(h.doc.text, "ab");
        while (h.stack.undo()) {}
        EXPECT_EQ(h.doc.text, "");
    }

    // Inside a macro the ids are checked too: only equal ids merge.
    Harness macro;
    macro.stack.beginMacro("m");
    macro.push("a", {.id = 1});
    macro.push("b", {.id = 2});
    EXPECT_EQ(macro.doc.mergeAsks, 0);
    macro.push("c", {.id = 2});
    macro.stack.endMacro();
    EXPECT_EQ(macro.doc.mergeAsks, 1);
    EXPECT_EQ(macro.doc.alive, 2);
}

TEST_F(UndoStackTest, macroIsOneStepAndSignalsOnlyWhenClosed)
{
    push("a");
    takeSignals();
    stack.beginMacro("outer");
    step("count=1 index=1 cleanIndex=0 undo='' redo=''", "");
    push("b"); // not merged with "a", which lies outside the macro
    push("c"); // merged with "b"
    stack.beginMacro("inner");
    push("d", {.id = 2});
    EXPECT_TRUE(stack.endMacro());
    step("count=1 index=1 cleanIndex=0 undo='' redo=''", "");
    EXPECT_TRUE(stack.endMacro("renamed"));
    step("count=2 index=2 cleanIndex=0 canUndo undo='renamed' redo=''", "index=2 undoText=renamed");
    EXPECT_EQ(doc.text, "abcd");
    EXPECT_EQ(doc.alive, 3);

    EXPECT_TRUE(stack.undo());
    EXPECT_EQ(doc.log.join(' '), "+a +b +c +d -d -bc");
    step("count=2 index=1 cleanIndex=0 canUndo canRedo undo='a' redo='renamed'", "index=1 undoText=a canRedo=1 redoText=renamed");
    // An empty macro leaves no step and keeps the redo tail.
    stack.beginMacro("empty");
    EXPECT_TRUE(stack.endMacro("still empty"));
    step("count=2 index=1 cleanIndex=0 canUndo canRedo undo='a' redo='renamed'", "");
    stack.beginMacro("kept");
    push("e", {.id = 3});
    EXPECT_TRUE(stack.endMacro());
    step("count=2 index=2 cleanIndex=0 canUndo undo='kept' redo=''", "index=2 undoText=kept canRedo=0 redoText=");
    EXPECT_EQ(doc.alive, 2);
}

TEST_F(UndoStackTest, undoLimitDropsOldestSteps)
{
    EXPECT_TRUE(stack.setUndoLimit(2));
    push("a", {.id = 1});
    push("b", {.id = 2});
    takeSignals();
    push("c", {.id = 3});
    // The clean state (nothing done) went with "a".
    step("count=2 index=2 cleanIndex=-1 canUndo undo='c' redo=''", "undoText=c");
    EXPECT_EQ(doc.alive, 2);
    stack.beginMacro("m");
    push("d", {.id = 4});
    push("e", {.id = 5});
    stack.endMacro();
    step("count=2 index=2 cleanIndex=-1 canUndo undo='m' redo=''", "undoText=m");
    EXPECT_EQ(stack.text(0), "c");
    while (stack.undo()) {}
    step("count=2 index=0 cleanIndex=-1 canRedo undo='' redo='c'",
         "index=1 undoText=c canRedo=1 redoText=m index=0 canUndo=0 undoText= redoText=c");
    EXPECT_EQ(doc.text, "ab");

    // A clean state at the top of the dropped steps is the new bottom: index 0.
    Harness kept;
    ASSERT_TRUE(kept.stack.setUndoLimit(2));
    kept.push("x", {.id = 1});
    kept.stack.setClean();
    kept.push("y", {.id = 2});
    kept.push("z", {.id = 3});
    EXPECT_EQ(kept.stack.cleanIndex(), 0);
    while (kept.stack.undo()) {}
    EXPECT_TRUE(kept.stack.isClean());
    EXPECT_EQ(kept.doc.text, "x");
}

TEST_F(UndoStackTest, clearDeletesWithoutUndoing)
{
    push("a", {.id = 1});
    push("b", {.id = 2});
    stack.setClean();
    stack.undo();
    stack.beginMacro("open");
    push("c", {.id = 3});
    takeSignals();
    stack.clear();
    step("count=0 index=0 cleanIndex=0 clean undo='' redo=''", "index=0 canUndo=0 undoText= canRedo=0 redoText= clean=1");
    EXPECT_EQ(doc.text, "ac");
    EXPECT_EQ(doc.alive, 0);
    EXPECT_FALSE(stack.endMacro()); // the open macro went too
}

TEST_F(UndoStackTest, failingCommandStillMovesTheIndex)
{
    EXPECT_FALSE(push("a", {.ok = false}));
    EXPECT_FALSE(stack.undo());
    EXPECT_FALSE(stack.redo()); // refused at the top, unless undo moved down
    EXPECT_EQ(doc.log.join(' '), "+a -a +a");
    EXPECT_EQ(stack.index(), 1);
}

TEST(UndoCommand, compositeRunsAllChildrenAndFindsTheirIds)
{
    Doc doc;
    ZUndoCommand macro(10, "macro");
    new AppendCommand(doc, "a", {.id = 1, .parent = &macro});
    const auto* b = new AppendCommand(doc, "b", {.id = 2, .ok = false, .parent = &macro});
    new AppendCommand(doc, "c", {.id = -1, .parent = &macro});
    EXPECT_FALSE(macro.redo());
    EXPECT_FALSE(macro.undo());
    EXPECT_EQ(doc.log.join(' '), "+a +b +c -c -b -a");
    for (const ZCommandId id : {10, 1, 2, -1})
        EXPECT_TRUE(macro.hasIdRecursive(id)) << id;
    EXPECT_FALSE(macro.hasIdRecursive(3));
    EXPECT_FALSE(b->hasIdRecursive(1));
    EXPECT_FALSE(macro.mergeWith(b));
}

} // namespace
