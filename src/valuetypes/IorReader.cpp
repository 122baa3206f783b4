#include "valuetypes/IorReader.h"

#include "valuetypes/IorMatcher.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <locale.h>
#include <string>
#include <string_view>
#include <vector>

namespace zsg {

namespace {

// Splits a stream into lines, reading it a chunk at a time.
class LineReader
{
public:
    enum Result { Line, Unterminated, TooLong, End };

    explicit LineReader(std::istream& in) : m_in(in), m_buf(64 * 1024) {}

    // The next line, without its '\n', valid until the next call. A line of `limit` bytes
    // or more gives TooLong. A line that outgrows the buffer while `hopeless` says it can
    // never match is dropped as it streams by, so that it is never held whole.
    Result next(std::string_view& line, std::size_t limit, bool (*hopeless)(std::string_view) = nullptr)
    {
        std::size_t scanned = m_begin; // no '\n' in [m_begin, scanned)
        bool skipping = false;
        for (;;) {
            char* data = m_buf.data();
            const void* lf = std::memchr(data + scanned, '\n', m_end - scanned);
            const std::size_t stop = lf ? static_cast<const char*>(lf) - data : m_end;
            if (stop - m_begin >= limit)
                return TooLong;
            if (lf) {
                line = {data + m_begin, stop - m_begin};
                m_begin = stop + 1;
                if (!skipping)
                    return Line;
                skipping = false;
                scanned = m_begin;
                continue;
            }
            if (skipping)
                m_begin = m_end;
            std::memmove(data, data + m_begin, m_end - m_begin);
            m_end -= m_begin;
            m_begin = 0;
            if (m_end == m_buf.size()) {
                if (hopeless && hopeless({data, m_end})) {
                    skipping = true;
                    m_end = 0;
                } else {
                    m_buf.resize(2 * m_buf.size());
                }
            }
            scanned = m_end;
            if (!fill()) {
                if (skipping || m_end == 0)
                    return End;
                line = {m_buf.data(), m_end};
                m_begin = m_end;
                return Unterminated;
            }
        }
    }

private:
    bool fill()
    {
        m_in.read(m_buf.data() + m_end, static_cast<std::streamsize>(m_buf.size() - m_end));
        const auto got = static_cast<std::size_t>(m_in.gcount());
        m_end += got;
        return got > 0;
    }

    std::istream& m_in;
    std::vector<char> m_buf;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

// strtod in the "C" locale: a Qt application runs in the user's locale, whose decimal
// separator need not be '.'. An empty capture reads as 0.
double toDouble(std::string_view text)
{
    if (text.empty())
        return 0.0;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char small[64];
    if (text.size() < sizeof small) {
        std::memcpy(small, text.data(), text.size());
        small[text.size()] = '\0';
        return strtod_l(small, nullptr, cLocale);
    }
    return strtod_l(std::string(text).c_str(), nullptr, cLocale);
}

// Beyond five characters that are neither digits nor blanks (the header's two wildcards
// and three separators) no line pattern can match. A trailing run of CRs and NULs is
// not counted: it may yet be stripped.
bool cannotMatch(std::string_view partial)
{
    std::size_t end = partial.size();
    while (end > 0 && (partial[end - 1] == '\r' || partial[end - 1] == '\0'))
        --end;
    int others = 0;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = partial[i];
        const bool blank = c == ' ' || (c >= '\t' && c <= '\r');
        if (!blank && !(c >= '0' && c <= '9') && ++others > 5)
            return true;
    }
    return false;
}

// The interval count plus one, exactly, however many digits the count has.
std::string plusOne(std::string_view digits)
{
    const std::size_t lead = digits.find_first_not_of('0');
    std::string n(lead == std::string_view::npos ? std::string_view("0") : digits.substr(lead));
    for (auto it = n.rbegin(); it != n.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return n;
        }
        *it = '0';
    }
    return '1' + n;
}

struct Unit
{
    double factor;
    bool reciprocal;
};

// By unit code 1 to 4: electron-volts, micrometres, wavenumbers in cm^-1, nanometres.
constexpr Unit kUnits[] = {{0.000806573, true}, {1000, false}, {0.0000001, true}, {1, false}};

void append(QList<float>& samples, double wavelength, double n, double k)
{
    samples.append(static_cast<float>(wavelength));
    samples.append(static_cast<float>(n));
    samples.append(static_cast<float>(k));
}

QList<float> readTabulated(LineReader& lines)
{
    IorMatcher matcher;
    std::string_view captures[IorMatcher::kMaxGroups];
    QList<float> samples;
    bool haveHeader = false;
    Unit unit{};
    double start = 0;
    double end = 0;
    double intervals = 0;
    std::string expected;
    unsigned long long count = 0;

    std::string_view line;
    // A last line without '\n' is not read.
    while (lines.next(line, std::string_view::npos, cannotMatch) == LineReader::Line) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\0'))
            line.remove_suffix(1);
        if (!haveHeader) {
            if (!matcher.match(IorPattern::Header, line, captures))
                continue;
            haveHeader = true;
            unit = kUnits[captures[0][0] - '1'];
            start = toDouble(captures[1]);
            end = toDouble(captures[2]);
            intervals = toDouble(captures[3]);
            expected = plusOne(captures[3]);
        } else if (matcher.match(IorPattern::Sample, line, captures)) {
            const double i = static_cast<double>(count);
            double x = end;
            if (i <= intervals) {
                // With no interval (a single expected sample) the step is 0/0: use start.
                x = intervals == 0 ? start : start + (end - start) * i / intervals;
            }
            const double wavelength = unit.reciprocal ? 1 / (x * unit.factor) : x * unit.factor;
            append(samples, wavelength, toDouble(captures[0]), toDouble(captures[1]));
            ++count;
        }
    }

    if (!haveHeader)
        std::cerr << "Did not find a first line in file?\n";
    else if (std::to_string(count) != expected)
        std::cerr << "Found " << count << " samples but expected " << expected << ".\n";
    return samples;
}

QList<float> readCsv(LineReader& lines)
{
    IorMatcher matcher;
    std::string_view captures[IorMatcher::kMaxGroups];
    QList<float> samples;

    // Lines go through a 100-character buffer: the first longer than 99 characters ends
    // the reading, and a line is read up to its first NUL, as a C string.
    std::string_view line;
    for (;;) {
        const LineReader::Result result = lines.next(line, 100);
        if (result != LineReader::Line && result != LineReader::Unterminated)
            break;
        line = line.substr(0, line.find('\0'));
        if (!matcher.match(IorPattern::Csv, line, captures))
            continue;
        const double n = toDouble(captures[1]);
        const double k = toDouble(captures[2]);
        if (n < 0 || k < 0) {
            std::cerr << "Real and imaginary parts of ior must be non-negative. Skipping sample\n";
            continue;
        }
        append(samples, toDouble(captures[0]), n, k);
    }
    return samples;
}

} // namespace

QList<float> readIor(std::istream& in, IorFormat format)
{
    LineReader lines(in);
    return format == IorFormat::Csv ? readCsv(lines) : readTabulated(lines);
}

} // namespace zsg
