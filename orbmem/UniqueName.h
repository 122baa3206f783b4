#pragma once
// The renderer's one naming rule, shared by colours and light layers.

#include <cstdint>
#include <string>
#include <string_view>

namespace orbmem {

// `name` when `taken(name)` is false; otherwise "<base> N" with the lowest N
// from 1 up that is not taken, where <base> is `name` without a trailing
// " <digits>" ("Red" and "Red 4" both count from "Red 1").
template <typename Taken>
std::string uniqueName(std::string_view name, const Taken& taken)
{
    if (!taken(name))
        return std::string(name);
    std::string_view base = name;
    const auto lastOther = name.find_last_not_of("0123456789");
    if (lastOther != std::string_view::npos && lastOther > 0 && lastOther + 1 < name.size() && name[lastOther] == ' ')
        base = name.substr(0, lastOther);
    for (std::uint64_t n = 1;; ++n) {
        std::string candidate = std::string(base) + ' ' + std::to_string(n);
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace orbmem
