// Feeds arbitrary bytes to the IOR loader in both formats, and checks the line matcher
// against std::regex on the first short lines of the input.
#include "valuetypes/IorMatcher.h"
#include "valuetypes/IorReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>

using namespace zsg;

namespace {

// The loader reports on std::cerr; keep the fuzzer's own output readable.
struct NullBuffer : std::streambuf
{
    int overflow(int c) override { return c; }
};

void compareWithRegex(const std::string& line)
{
    static const std::regex patterns[] = {
        std::regex(R"(^\s*([1234])\s*[,;\t]?\s*(\d*.?\d+)\s*[,;\t]?\s*(\d*.?\d+)\s*[,;\t]?\s*(\d+)\s*$)",
                   std::regex::ECMAScript | std::regex::icase),
        std::regex(R"(^\s*(\d*.?\d*)\s*[,;\t]?\s*(\d*.?\d*)\s*$)", std::regex::ECMAScript | std::regex::icase),
        std::regex(R"(^\s*(\d*.?\d*)\s*[,;\t]\s*(\d*.?\d*)\s*[,;\t]\s*(\d*.?\d*)$)",
                   std::regex::ECMAScript | std::regex::icase),
    };
    static IorMatcher matcher;
    for (int p = 0; p < 3; ++p) {
        std::smatch expected;
        std::string_view got[IorMatcher::kMaxGroups];
        const bool matches = std::regex_match(line, expected, patterns[p]);
        if (matcher.match(IorPattern(p), line, got) != matches)
            std::abort();
        for (int g = 0; matches && g < IorMatcher::groupCount(IorPattern(p)); ++g) {
            if (got[g].data() - line.data() != expected.position(g + 1) || got[g].size() != size_t(expected.length(g + 1)))
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static NullBuffer null;
    std::cerr.rdbuf(&null);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (IorFormat format : {IorFormat::Tabulated, IorFormat::Csv}) {
        std::istringstream in(bytes);
        if (readIor(in, format).size() % 3 != 0)
            std::abort();
    }
    // std::regex is slow and recurses per character: a few short lines are enough.
    int checked = 0;
    for (std::size_t begin = 0; begin <= bytes.size() && checked < 8;) {
        const std::size_t end = std::min(bytes.find('\n', begin), bytes.size());
        if (end - begin <= 64) {
            compareWithRegex(bytes.substr(begin, end - begin));
            ++checked;
        }
        begin = end + 1;
    }
    return 0;
}
