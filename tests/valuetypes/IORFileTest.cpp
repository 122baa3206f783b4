#include <zsg/valuetypes/FloatArray.h>
#include <zsg/valuetypes/IORFile.h>

#include "valuetypes/IorMatcher.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iostream>
#include <random>
#include <regex>
#include <sstream>
#include <string>

using namespace zsg;
using namespace std::string_literals;

namespace {

struct Loaded { bool ok; QList<float> values; std::string diagnostics; /* std::cerr */ };

const QList<float> kUntouched{-1};

Loaded load(const std::string& path)
{
    std::ostringstream err;
    std::streambuf* saved = std::cerr.rdbuf(err.rdbuf());
    FloatArray out{kUntouched};
    const bool ok = loadIORFile(path, out);
    std::cerr.rdbuf(saved);
    return {ok, out.values(), err.str()};
}

class IorFileTest : public ::testing::Test
{
protected:
    Loaded loadText(const std::string& name, const std::string& bytes)
    {
        const std::string path = QDir(m_dir.path()).filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return load(path);
    }

    QTemporaryDir m_dir;
};

// No values: the load fails and leaves the array alone.
struct Case { const char* name; std::string text; QList<float> values; std::string diagnostics; };

void check(const Case& c, const Loaded& got)
{
    SCOPED_TRACE(c.name);
    EXPECT_EQ(got.ok, !c.values.isEmpty());
    EXPECT_EQ(got.values, c.values.isEmpty() ? kUntouched : c.values);
    EXPECT_EQ(got.diagnostics, c.diagnostics);
}

const float kEv = float(1 / 0.000806573);

} // namespace

TEST_F(IorFileTest, TabulatedRules)
{
    const std::string samples4 = "1.5 0.0\n1.6 0.1\n1.7 0.2\n1.8 0.3\n";
    const Case cases[] = {
        {"decimals", "4 400.0 700.0 3\n" + samples4, {400, 1.5, 0, 500, 1.6, 0.1, 600, 1.7, 0.2, 700, 1.8, 0.3}, ""},
        {"too few", "4 400.0 700.0 3\n1.5 0.0\n1.6 0.1\n1.7 0.2\n", {400, 1.5, 0, 500, 1.6, 0.1, 600, 1.7, 0.2},
         "Found 3 samples but expected 4.\n"},
        {"micrometres", "2 0.4 0.7 1\n1.5 0.0\n1.6 0.0\n", {400, 1.5, 0, 700, 1.6, 0}, ""},
        {"wavenumbers", "3 10000.0 20000.0 1\n1.5 0.0\n1.6 0.0\n", {1000, 1.5, 0, 500, 1.6, 0}, ""},
        {"separators", "junk first\n4,400.0;700.0\t1\n1.5,0.1\n1.6;0.2\n", {400, 1.5, 0.1, 700, 1.6, 0.2}, ""},
        // The wildcard takes a blank: 400 70 is the start and 0 the end; "2 3" is n = 2, k = 0.
        {"integers split", "4 400 700 1\n2 3\n", {400, 2, 0}, "Found 1 samples but expected 2.\n"},
        {"blank line and unterminated tail", "4 400.0 700.0 1\n1.5 0.1\n \t\n1.9 0.9",
         {400, 1.5, 0.1, 700, 0, 0}, ""},
        {"CR and NUL stripped", "4 400.0 700.0 1\r\n1.5 0.1\r\0\r\n1.6 0.2\r\r\n"s,
         {400, 1.5, 0.1, 700, 1.6, 0.2}, ""},
        {"negative k skipped", "4 400.0 700.0 1\n1.5 -0.1\n1.6 0.2\n", {400, 1.6, 0.2}, "Found 1 samples but expected 2.\n"},
        {"no interval: the first sample at start", "4 500.0 600.0 0\n1.5 0\n1.6 0\n", {500, 1.5, 0, 600, 1.6, 0},
         "Found 2 samples but expected 1.\n"},
        {"count beyond 64 bits", "4 400.0 700.0 0099999999999999999999\n1.5 0\n", {400, 1.5, 0},
         "Found 1 samples but expected 100000000000000000000.\n"},
        {"header only", "4 400.0 700.0 1\n", {}, "Found 0 samples but expected 2.\n"},
        {"no header", "1.5 0.1\n1.6 0.2\n", {}, "Did not find a first line in file?\n"},
    };
    for (const Case& c : cases)
        check(c, loadText("data.nk", c.text));
}

TEST_F(IorFileTest, CsvRules)
{
    const Case cases[] = {
        {"separators", "500,1.2,0.3\n500;1.2;0.3\n500\t1.2\t0.3\n", {500, 1.2, 0.3, 500, 1.2, 0.3, 500, 1.2, 0.3}, ""},
        {"header word, integers, unterminated tail", "wl,n,k\n0.5 , 1,0\n700,2,1", {0.5, 1, 0, 700, 2, 1}, ""},
        {"CRLF never matches", "500,1.2,0.3\r\n", {}, ""},
        {"NUL ends the line", "500,1.2,0.3\0junk\n"s, {500, 1.2, 0.3}, ""},
        {"99 characters and no more", std::string(88, ' ') + "500,1.2,0.3\n" + std::string(93, ' ') + "600,1,0\n700,1,0\n",
         {500, 1.2, 0.3}, ""},
    };
    for (const Case& c : cases)
        check(c, loadText("data.csv", c.text));
}

TEST_F(IorFileTest, ExtensionPicksFormat)
{
    const std::string table = "4 400.0 700.0 0\n1.5 0.1\n";
    EXPECT_TRUE(loadText("DATA.NK", table).ok);
    EXPECT_TRUE(loadText("x.csv.Ior", table).ok);
    EXPECT_FALSE(loadText("data.txt", table).ok);
    EXPECT_FALSE(loadText("nk", table).ok); // no dot: the whole path is the extension
    EXPECT_TRUE(loadText("DATA.CSV", "500,1,0\n").ok);
}

TEST_F(IorFileTest, HostileInputKeepsTheRules)
{
    // Lines that outgrow the read buffer: digits are kept and read, garbage is dropped.
    const Loaded big = loadText("big.nk", "4 400.0 700.0 1\n" + std::string(300000, 'x') + "\n" +
                                              std::string(300000, ' ') + "1.5 0.1\n" + std::string(1 << 20, '7') + "\n");
    ASSERT_TRUE(big.ok);
    EXPECT_EQ(big.values.mid(0, 3), (QList<float>{400, 1.5f, 0.1f}));
    EXPECT_EQ(big.values.mid(3), (QList<float>{700, INFINITY, 0}));

    // A number exactly as long as the reader's small buffer goes through the long path.
    const Loaded edge = loadText("edge.nk", "4 400.0 700.0 1\n1." + std::string(62, '0') + " 0.1\n1.5 0.1\n");
    ASSERT_TRUE(edge.ok);
    EXPECT_EQ(edge.values.mid(0, 3), (QList<float>{400, 1, 0.1f}));

    std::mt19937 random(7);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = char(random() % 3 ? 0 : random());
    EXPECT_FALSE(loadText("garbage.nk", garbage).ok);
    EXPECT_FALSE(loadText("garbage.csv", garbage).ok);

    // Each wants a quadratic or worse number of steps from a plain backtracking search.
    IorMatcher matcher;
    std::string_view captures[IorMatcher::kMaxGroups];
    for (const std::string& line : {std::string(1 << 19, ' ') + "xxx", "1" + std::string(1 << 19, ' ') + "2 3 4 xxx",
                                    std::string(1 << 19, '5') + ",5 5,xxx"}) {
        for (int p = 0; p < 3; ++p)
            EXPECT_FALSE(matcher.match(IorPattern(p), line, captures)) << p;
    }
}

TEST(IorMatcherTest, SameAsStdRegexOnGeneratedLines)
{
    const std::regex patterns[] = {
        std::regex(R"(^\s*([1234])\s*[,;\t]?\s*(\d*.?\d+)\s*[,;\t]?\s*(\d*.?\d+)\s*[,;\t]?\s*(\d+)\s*$)",
                   std::regex::ECMAScript | std::regex::icase),
        std::regex(R"(^\s*(\d*.?\d*)\s*[,;\t]?\s*(\d*.?\d*)\s*$)", std::regex::ECMAScript | std::regex::icase),
        std::regex(R"(^\s*(\d*.?\d*)\s*[,;\t]\s*(\d*.?\d*)\s*[,;\t]\s*(\d*.?\d*)$)",
                   std::regex::ECMAScript | std::regex::icase),
    };
    // Single characters, and tokens that make matching lines likely.
    const std::string chars = "0123456789012345.  \t,;-+eExA\r\v\f\n\x80\0"s;
    const char* tokens[] = {"1", "23", "400", "4", "0", ".", " ", "   ", "\t", ",", ";", "-", "e", "\r", "x", "7.5", "12.25"};
    std::mt19937 random(20240601);
    IorMatcher matcher;
    int matched[3] = {};
    for (int n = 0; n < 24000; ++n) {
        std::string line;
        for (int length = random() % 14; length > 0; --length) {
            if (n % 2)
                line += chars[random() % chars.size()];
            else
                line += tokens[random() % std::size(tokens)];
        }
        for (int p = 0; p < 3; ++p) {
            std::smatch expected;
            std::string_view got[IorMatcher::kMaxGroups];
            const bool matches = std::regex_match(line, expected, patterns[p]);
            ASSERT_EQ(matcher.match(IorPattern(p), line, got), matches) << p << " [" << line << "]";
            matched[p] += matches;
            for (int g = 0; matches && g < IorMatcher::groupCount(IorPattern(p)); ++g) {
                ASSERT_EQ(got[g].data() - line.data(), expected.position(g + 1)) << p << " [" << line << "] " << g;
                ASSERT_EQ(got[g].size(), size_t(expected.length(g + 1))) << p << " [" << line << "] " << g;
            }
        }
    }
    for (int count : matched)
        EXPECT_GT(count, 500); // every pattern was exercised on matches, not only on failures
}

TEST(IorRealFilesTest, SopraTables)
{
    const QDir dir(QStringLiteral(ZSG_TESTDATA_DIR "/ior/sopra"));
    if (!dir.exists())
        GTEST_SKIP() << "no real IOR data at " << dir.path().toStdString();
    const struct { const char* file; qsizetype samples; QList<float> first, last; std::string diagnostics; } tables[] = {
        // The header is spread over four lines; the first data line "1.600554" reads as one.
        {"7059.nk", 121, {2064.63501, 0, 0}, {247.962677, 0, 0}, "Found 121 samples but expected 5.\n"},
        {"Againp0.nk", 311, {225, 1.523143, 2.823144}, {1000, 3.136559, 0.075384}, ""},
        {"Al2o3.nk", 27, {250, 1.7331, 0}, {900, 1.6509, 0}, ""},
        {"JC_Gold.nk", 0, {}, {}, "Did not find a first line in file?\n"}, // a tab-separated table
        // The DOS end-of-file byte would be a sample, but no line feed ends it.
        {"Sicr-t02.nk", 129, {826.542236, 3.678, 0.0046}, {263.79007, 1.825, 4.175}, ""},
        // "4.959408E-02" cannot be a start: the first data line is taken as the header.
        {"Sicrir.nk", 91, {23803856, 3.42028, 0.0002952}, {1.09890109e+11, 3.6, 0.0004},
         "Found 91 samples but expected 6.\n"},
        // "1,1,6,100" is start "1,6", end 10 and no interval.
        {"Znscub.nk", 101, {kEv, 2.2795, 0}, {123.981339, 2.24, 1.65}, "Found 101 samples but expected 1.\n"},
        {"Zrsi2.nk", 14, {688.785217, 3.91, 3.36}, {413.271118, 0, 0}, "Found 14 samples but expected 13.\n"},
        // Lines with a negative k have two wildcard characters too many.
        {"sin_bf5.NK", 18, {799.879578, 1.869757, 0.0014366}, {379.455688, 2.37041, 0.379282},
         "Found 18 samples but expected 50.\n"},
    };
    for (const auto& t : tables) {
        SCOPED_TRACE(t.file);
        const Loaded got = load(dir.filePath(QString::fromLatin1(t.file)).toStdString());
        EXPECT_EQ(got.diagnostics, t.diagnostics);
        ASSERT_EQ(got.values.size(), t.samples == 0 ? 1 : 3 * t.samples);
        if (t.samples == 0)
            continue;
        EXPECT_EQ(got.values.first(3), t.first);
        EXPECT_EQ(got.values.last(3), t.last);
    }
}
