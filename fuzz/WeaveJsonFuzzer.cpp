// Feeds arbitrary text to WeavePattern::setFromJson. It must either succeed or
// fail (false or a JSON exception) leaving the pattern and its shared copies
// untouched, and give every cell array back.

#include <zsg/valuetypes/WeavePattern.h>

#include <orbmem/MemoryRuntime.h>

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using zsg::WeavePattern;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::int64_t blocksBefore = orb::memoryStats().alignedAllocations;
    {
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
        const WeavePattern reference = WeavePattern::makeTwill(4, 3);
        WeavePattern pattern = WeavePattern::makeTwill(4, 3);
        const WeavePattern alias = pattern; // shares the body, so the change must not reach it

        bool read = false;
        try {
            read = pattern.setFromJson(text);
        } catch (const nlohmann::json::exception&) {
        }

        if (!alias.equals(reference))
            std::abort();
        if (!read && (!pattern.equals(reference) || pattern.orbWeavePattern().cells != alias.orbWeavePattern().cells))
            std::abort();
        if (read) {
            const orb::WeavePattern& grid = pattern.orbWeavePattern();
            for (std::int64_t i = 0; i < std::int64_t(grid.warps) * grid.wefts; ++i) {
                if (grid.cells[i] != 0 && grid.cells[i] != 1)
                    std::abort();
            }
            // What was read writes back and reads again to an equal pattern,
            // unless a number overflowed to infinity (written as null).
            const QString json = pattern.toJson();
            if (!json.contains(QLatin1String("null"))) {
                WeavePattern again;
                if (!again.setFromJson(json) || !again.equals(pattern))
                    std::abort();
            }
        }
    }
    if (orb::memoryStats().alignedAllocations != blocksBefore)
        std::abort();
    return 0;
}
