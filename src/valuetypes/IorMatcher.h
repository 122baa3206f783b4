#pragma once
// Line patterns of IOR data files, matched without a regex engine.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zsg {

// The three line shapes, as ECMAScript patterns compiled case-insensitively
// (the unescaped '.' is a wildcard that matches anything but CR and LF):
//   Header  ^\s*([1234])\s*[,;\t]?\s*(\d*.?\d+)\s*[,;\t]?\s*(\d*.?\d+)\s*[,;\t]?\s*(\d+)\s*$
//   Sample  ^\s*(\d*.?\d*)\s*[,;\t]?\s*(\d*.?\d*)\s*$
//   Csv     ^\s*(\d*.?\d*)\s*[,;\t]\s*(\d*.?\d*)\s*[,;\t]\s*(\d*.?\d*)$
enum class IorPattern { Header, Sample, Csv };

// Gives exactly the match and captures of a backtracking ECMAScript engine (greedy
// quantifiers, first match in priority order), in time and memory linear in the
// line length. Keep one matcher for many lines: it reuses its scratch memory.
class IorMatcher
{
public:
    static constexpr int kMaxGroups = 4;
    static int groupCount(IorPattern pattern);

    // True when the whole line matches; captures[0 .. groupCount) then view into it.
    bool match(IorPattern pattern, std::string_view line, std::string_view* captures);

private:
    // Per position, one bit per pattern item whose attempt from there is known to fail.
    std::vector<std::uint32_t> m_failed;
};

} // namespace zsg
