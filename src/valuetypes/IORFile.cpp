#include <zsg/valuetypes/FloatArray.h>
#include <zsg/valuetypes/IORFile.h>

#include "valuetypes/IorReader.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string_view>

namespace zsg {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The text after the last '.' (the whole path when it has none) names the format.
std::optional<IorFormat> formatOf(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    const std::string_view extension = dot == std::string_view::npos ? path : path.substr(dot + 1);
    if (equalsIgnoringCase(extension, "nk") || equalsIgnoringCase(extension, "ior"))
        return IorFormat::Tabulated;
    if (equalsIgnoringCase(extension, "csv"))
        return IorFormat::Csv;
    return std::nullopt;
}

} // namespace

bool loadIORFile(const std::string& path, FloatArray& out)
{
    const std::optional<IorFormat> format = formatOf(path);
    if (!format)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    QList<float> samples = readIor(in, *format);
    if (samples.isEmpty())
        return false;
    out.values() = std::move(samples);
    return true;
}

} // namespace zsg
