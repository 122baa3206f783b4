#include <zsg/platform/ZUndoStack.h>

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>

using namespace zsg;

namespace {

struct Doc
{
    QString text;
    QStringList log;
    int alive = 0;
    int mergeAsks = 0;
};

struct Opt
{
    ZCommandId id = 1;
    bool mergeable = true;
    bool ok = true;
    ZUndoCommand* parent = nullptr;
};

// Appends its piece to the document; absorbs later AppendCommands when mergeable.
class AppendCommand : public ZUndoCommand
{
public:
    AppendCommand(Doc& doc, const QString& piece, Opt o)
        : ZUndoCommand(o.id, piece, o.parent), m_doc(doc), m_piece(piece), m_opt(o)
    {
        ++m_doc.alive;
    }
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
    Doc& m_doc;
    QString m_piece;
    Opt m_opt;
};

std::string state(const ZUndoStack& s)
{
    return QString("count=%1 index=%2 cleanIndex=%3%4%5%6 undo='%7' redo='%8'")
        .arg(s.count()).arg(s.index()).arg(s.cleanIndex())
        .arg(s.isClean() ? " clean" : "", s.canUndo() ? " canUndo" : "", s.canRedo() ? " canRedo" : "",
             s.undoText(), s.redoText())
        .toStdString();
}

// Every signal in emission order, as name=value.
struct Recorder
{
    QStringList seen;
    explicit Recorder(ZUndoStack& s)
    {
        auto record = [this](const char* name) {
            return [this, name](auto value) { seen << QString("%1=%2").arg(name).arg(value); };
        };
        QObject::connect(&s, &ZUndoStack::indexChanged, record("index"));
        QObject::connect(&s, &ZUndoStack::canUndoChanged, record("canUndo"));
        QObject::connect(&s, &ZUndoStack::undoTextChanged, record("undoText"));
        QObject::connect(&s, &ZUndoStack::canRedoChanged, record("canRedo"));
        QObject::connect(&s, &ZUndoStack::redoTextChanged, record("redoText"));
        QObject::connect(&s, &ZUndoStack::cleanChanged, record("clean"));
    }
    std::string take() { return std::exchange(seen, {}).join(' ').toStdString(); }
};

class UndoStackTest : public ::testing::Test
{
protected:
    Doc doc; // outlives the stack: commands touch it when deleted
    ZUndoStack stack;
    Recorder rec{stack};

    bool push(const QString& piece, Opt o = {}) { return stack.push(new AppendCommand(doc, piece, o)); }
    void step(const std::string& expectedState, const std::string& expectedSignals)
    {
        EXPECT_EQ(state(stack), expectedState);
        EXPECT_EQ(rec.take(), expectedSignals);
    }
};

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
    step("count=2 index=1 cleanIndex=0 canUndo canRedo undo='a' redo='b'",
         "index=1 canUndo=1 undoText=a redoText=b clean=0");
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
    using Fn = std::function<bool(ZUndoStack&, Doc&)>;
    auto cmd = [](Doc& doc, const char* piece, ZCommandId id) { return new AppendCommand(doc, piece, {.id = id}); };
    const struct { const char* name; Fn setup; Fn call; } cases[] = {
        {"push null", [](auto&, auto&) { return true; }, [](ZUndoStack& s, auto&) { return s.push(nullptr); }},
        {"undo at bottom", [&](ZUndoStack& s, Doc& d) { return s.push(cmd(d, "a", 1)) && s.undo(); },
         [](ZUndoStack& s, auto&) { return s.undo(); }},
        {"redo at top", [&](ZUndoStack& s, Doc& d) { return s.push(cmd(d, "a", 1)); },
         [](ZUndoStack& s, auto&) { return s.redo(); }},
        {"endMacro unopened", [&](ZUndoStack& s, Doc& d) { return s.push(cmd(d, "a", 1)); },
         [](ZUndoStack& s, auto&) { return s.endMacro("x"); }},
        {"undo in macro", [&](ZUndoStack& s, Doc& d) { return s.push(cmd(d, "a", 1)) && (s.beginMacro("m"), true); },
         [](ZUndoStack& s, auto&) { return s.undo(); }},
        {"redo in macro", [&](ZUndoStack& s, Doc& d) { return s.push(cmd(d, "a", 1)) && s.undo() && (s.beginMacro("m"), true); },
         [](ZUndoStack& s, auto&) { return s.redo(); }},
        {"setClean in macro", [&](ZUndoStack& s, Doc& d) { return s.push(cmd(d, "a", 1)) && (s.beginMacro("m"), true); },
         [](ZUndoStack& s, auto&) { return s.setClean(); }},
        {"undo limit when not empty", [&](ZUndoStack& s, Doc& d) { return s.push(cmd(d, "a", 1)); },
         [](ZUndoStack& s, auto&) { return s.setUndoLimit(1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Doc doc;
        ZUndoStack stack;
        ASSERT_TRUE(c.setup(stack, doc));
        Recorder rec(stack);
        const std::string before = state(stack);
        const QString text = doc.text;
        EXPECT_FALSE(c.call(stack, doc));
        EXPECT_EQ(state(stack), before);
        EXPECT_EQ(rec.take(), "");
        EXPECT_EQ(doc.text, text);
    }
}

TEST(UndoStack, mergeRules)
{
    using Fn = std::function<void(ZUndoStack&, Doc&)>;
    auto push = [](ZUndoStack& s, Doc& d, const char* piece, Opt o = {}) { s.push(new AppendCommand(d, piece, o)); };
    const char* merged = "count=1 index=1 cleanIndex=0 canUndo undo='ab' redo=''";
    const char* apart = "count=2 index=2 cleanIndex=0 canUndo undo='b' redo=''";
    const struct { const char* name; Fn setup; Opt last; const char* state; int asks; const char* emitted; } cases[] = {
        {"equal ids merge", [&](auto& s, auto& d) { push(s, d, "a"); }, {}, merged, 1, "undoText=ab"},
        {"different ids", [&](auto& s, auto& d) { push(s, d, "a"); }, {.id = 2}, apart, 0, "index=2 undoText=b"},
        {"negative ids never", [&](auto& s, auto& d) { push(s, d, "a", {.id = -1}); }, {.id = -1}, apart, 0,
         "index=2 undoText=b"},
        {"mergeWith refuses", [&](auto& s, auto& d) { push(s, d, "a", {.mergeable = false}); }, {}, apart, 1,
         "index=2 undoText=b"},
        {"never into the clean command", [&](auto& s, auto& d) { push(s, d, "a"), s.setClean(); }, {},
         "count=2 index=2 cleanIndex=1 canUndo undo='b' redo=''", 0, "index=2 undoText=b clean=0"},
        {"after undo, into the command below", [&](auto& s, auto& d) { push(s, d, "a"), push(s, d, "x", {.id = 2}), s.undo(); },
         {}, merged, 1, "undoText=ab canRedo=0 redoText="},
        {"after undo below the clean state", [&](auto& s, auto& d) {
             push(s, d, "a"), push(s, d, "x", {.id = 2}), s.setClean(), s.undo(); },
         {}, "count=1 index=1 cleanIndex=-1 canUndo undo='ab' redo=''", 1, "undoText=ab canRedo=0 redoText="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Doc doc;
        ZUndoStack stack;
        c.setup(stack, doc);
        Recorder rec(stack);
        push(stack, doc, "b", c.last);
        EXPECT_EQ(state(stack), c.state);
        EXPECT_EQ(doc.mergeAsks, c.asks);
        EXPECT_EQ(rec.take(), c.emitted);
        EXPECT_EQ(doc.alive, stack.count()); // merged and discarded commands are deleted
        EXPECT_EQ(doc.text, "ab");
        while (stack.undo()) {}
        EXPECT_EQ(doc.text, "");
    }
}

TEST_F(UndoStackTest, macroIsOneStepAndSignalsOnlyWhenClosed)
{
    push("a");
    rec.take();
    stack.beginMacro("outer");
    step("count=1 index=1 cleanIndex=0 undo='' redo=''", "");
    push("b"); // not merged with "a", which lies outside the macro
    push("c"); // merged with "b"
    stack.beginMacro("inner");
    push("d", {.id = 2});
    EXPECT_TRUE(stack.endMacro());
    EXPECT_FALSE(stack.canUndo());
    EXPECT_EQ(rec.take(), "");
    EXPECT_TRUE(stack.endMacro("renamed"));
    step("count=2 index=2 cleanIndex=0 canUndo undo='renamed' redo=''", "index=2 undoText=renamed");
    EXPECT_EQ(doc.text, "abcd");
    EXPECT_EQ(doc.alive, 3);

    EXPECT_TRUE(stack.undo());
    EXPECT_EQ(doc.log.join(' '), "+a +b +c +d -d -bc");
    step("count=2 index=1 cleanIndex=0 canUndo canRedo undo='a' redo='renamed'",
         "index=1 undoText=a canRedo=1 redoText=renamed");
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
    rec.take();
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
}

TEST_F(UndoStackTest, clearDeletesWithoutUndoing)
{
    push("a", {.id = 1});
    push("b", {.id = 2});
    stack.setClean();
    stack.undo();
    stack.beginMacro("open");
    push("c", {.id = 3});
    rec.take();
    stack.clear();
    step("count=0 index=0 cleanIndex=0 clean undo='' redo=''", "index=0 canUndo=0 undoText= canRedo=0 redoText= clean=1");
    EXPECT_EQ(doc.text, "ac");
    EXPECT_EQ(doc.alive, 0);
    EXPECT_FALSE(stack.endMacro()); // the open macro went too
}

TEST_F(UndoStackTest, failingCommandStillMovesTheIndex)
{
    EXPECT_FALSE(push("a", {.ok = false}));
    EXPECT_EQ(stack.index(), 1);
    EXPECT_FALSE(stack.undo());
    EXPECT_EQ(stack.index(), 0);
    EXPECT_FALSE(stack.redo());
    EXPECT_EQ(stack.index(), 1);
    EXPECT_EQ(doc.text, "a");
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
    EXPECT_EQ(macro.text(), "macro");
    EXPECT_FALSE(macro.mergeWith(b));
}

} // namespace
