#include "Shell.h"

#include "EventText.h"

#include <zsg/scenegraph/Event.h>
#include <zsg/scenegraph/IEventQueue.h>

#include <QCoreApplication>

using namespace zsg;

Shell::Shell(QTextStream& out)
    : m_out(out),
      m_runtime(std::make_unique<orb::MemoryRuntime>()),
      m_sceneMaterials(std::make_unique<orb::MemorySceneMaterialManager>(*m_runtime, &m_undoStack))
{
    addCommand("help", "help [command]", "list the commands, or describe one",
               [this](const QStringList& args) { return help(args); });
    addSceneGraphCommands(*this);
    addValueCommands(*this);
    addCmfCommands(*this);
    addColorCommands(*this);
    addMaterialCommands(*this);
    addColorEditCommands(*this);
    addLightLayerCommands(*this);
    addPaintCommands(*this);
    addBrushCommands(*this);
}

Shell::~Shell()
{
    // Commands may hold undo macros open; they close them while the stack lives.
    m_commands.clear();
    destroySceneGraph();
}

void Shell::addCommand(const QString& name, const QString& usage, const QString& help, Handler handler)
{
    m_commands.insert(name, Command{usage, help, std::move(handler)});
}

void Shell::addCommand(const QString& name, const QString& help, const QList<Subcommand>& subcommands)
{
    QStringList usages;
    for (const Subcommand& sub : subcommands)
        usages << (sub.usage.isEmpty() ? sub.name : sub.name + QLatin1Char(' ') + sub.usage);
    addCommand(name, name + QStringLiteral(" <subcommand> [args...]"), help + QStringLiteral(": ") + usages.join(" | "),
               [this, name, subcommands](const QStringList& args) {
                   if (args.isEmpty())
                       return fail(QStringLiteral("missing subcommand (try 'help %1')").arg(name));
                   for (const Subcommand& sub : subcommands) {
                       if (sub.name == args[0])
                           return sub.handler(args.mid(1));
                   }
                   return fail(QStringLiteral("unknown subcommand '%1' (try 'help %2')").arg(args[0], name));
               });
}

int Shell::run(QTextStream& in)
{
    int failures = 0;
    int lineNumber = 0;
    QString line;
    while (in.readLineInto(&line)) {
        ++lineNumber;
        if (!runLine(line, lineNumber))
            ++failures;
        // Deliver what the command queued for the main thread (main-thread
        // callbacks), so its events print after the command that caused them.
        QCoreApplication::processEvents();
    }
    m_out.flush();
    return failures;
}

bool Shell::runLine(const QString& line, int lineNumber)
{
    // A '#' outside quotes starts a comment.
    QString text = line;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\'))
            ++i;
        else if (text[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (text[i] == QLatin1Char('#') && !quoted)
            text.truncate(i);
    }
    text = text.trimmed();
    if (text.isEmpty())
        return true;

    m_out << "> " << text << '\n';
    m_error.clear();
    bool ok = false;
    if (std::optional<QStringList> words = split(text); !words) {
        m_error = QStringLiteral("unbalanced quotes");
    } else if (auto it = m_commands.constFind(words->first()); it == m_commands.cend()) {
        m_error = QStringLiteral("unknown command '%1' (try 'help')").arg(words->first());
    } else {
        ok = it->handler(words->mid(1));
        if (!ok && m_error.isEmpty())
            m_error = QStringLiteral("command failed");
    }
    if (!ok)
        m_out << "error: line " << lineNumber << ": " << m_error << '\n';
    m_out.flush();
    return ok;
}

void Shell::print(const QString& text)
{
    m_out << text << '\n';
}

bool Shell::fail(const QString& message)
{
    m_error = message;
    return false;
}

std::optional<QStringList> Shell::split(const QString& line)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        QChar c = line[i];
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            word += line[++i];
            inWord = true;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words << word;
    return words;
}

std::optional<std::uint32_t> Shell::toUInt(const QString& word)
{
    bool ok = false;
    qulonglong value = word.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? word.mid(2).toULongLong(&ok, 16)
                                                                                   : word.toULongLong(&ok, 10);
    if (!ok || value > 0xFFFFFFFFull || word.startsWith(QLatin1Char('+'))) {
        fail(QStringLiteral("malformed number '%1'").arg(word));
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

bool Shell::expectArgs(const QStringList& args, int min, int max)
{
    if (args.size() >= min && (max < 0 || args.size() <= max))
        return true;
    return fail(QStringLiteral("wrong number of arguments"));
}

std::optional<std::vector<std::uint32_t>> Shell::toIds(const QStringList& words)
{
    std::vector<std::uint32_t> result;
    for (const QString& word : words) {
        const std::optional<std::uint32_t> id = toUInt(word);
        if (!id)
            return std::nullopt;
        result.push_back(*id);
    }
    return result;
}

std::optional<orbColor_rgba> Shell::toRgba(const QStringList& args, int from)
{
    orbColor_rgba value{0, 0, 0, 1};
    float* channels[] = {&value.r, &value.g, &value.b};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        *channels[i] = args[from + i].toFloat(&ok);
        if (!ok) {
            fail(QStringLiteral("malformed channel '%1'").arg(args[from + i]));
            return std::nullopt;
        }
    }
    return value;
}

std::optional<std::vector<MultiColorPair>> Shell::toPairs(const QStringList& words)
{
    std::vector<MultiColorPair> result;
    for (const QString& word : words) {
        const QStringList parts = word.split(QLatin1Char(':'));
        if (parts.size() != 2) {
            fail(QStringLiteral("expected <multi>:<sub>, got '%1'").arg(word));
            return std::nullopt;
        }
        const std::optional<std::vector<std::uint32_t>> pair = toIds(parts);
        if (!pair)
            return std::nullopt;
        result.push_back({(*pair)[0], (*pair)[1]});
    }
    return result;
}

QString idText(std::uint32_t id)
{
    return id == orb::InvalidId ? QStringLiteral("none") : QString::number(id);
}

QString quoted(const std::string& text)
{
    return QStringLiteral("\"%1\"").arg(QString::fromStdString(text));
}

ISceneGraph* Shell::requireSceneGraph()
{
    if (!m_sceneGraph)
        fail(QStringLiteral("no scene graph (use 'create')"));
    return m_sceneGraph.get();
}

void Shell::createSceneGraph()
{
    destroySceneGraph();
    SceneGraphPars pars;
    pars.rtApi = m_runtime.get();
    pars.sceneMaterialManager = m_sceneMaterials.get();
    pars.taskQueue = &m_taskQueue;
    pars.undoStack = &m_undoStack;
    m_sceneGraph = ISceneGraph::create(pars);
    for (std::uint32_t type = 0; type <= static_cast<std::uint32_t>(EventType::LightLayerSynced); ++type)
        m_sceneGraph->eventQueue()->addListener(this, static_cast<EventType>(type));
}

void Shell::destroySceneGraph()
{
    if (!m_sceneGraph)
        return;
    // The commands on the stack refer to the scene graph's components.
    m_undoStack.clear();
    m_taskQueue.waitForIdle();
    m_sceneGraph.reset();
}

void Shell::handleEvent(Event* event)
{
    m_out << "event " << eventText(*event) << '\n';
}

bool Shell::shouldLinkToExisting()
{
    print(QStringLiteral("link handler asked: %1").arg(m_linkAnswer ? "link to existing" : "keep new"));
    return m_linkAnswer;
}

bool Shell::help(const QStringList& args)
{
    if (!expectArgs(args, 0, 1))
        return false;
    if (args.size() == 1) {
        auto it = m_commands.constFind(args[0]);
        if (it == m_commands.cend())
            return fail(QStringLiteral("unknown command '%1'").arg(args[0]));
        print(it->usage + QStringLiteral("\n  ") + it->help);
        return true;
    }
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it)
        print(QStringLiteral("%1  %2").arg(it->usage, -34).arg(it->help));
    return true;
}
