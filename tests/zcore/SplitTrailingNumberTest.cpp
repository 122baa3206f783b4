#include <zsg/platform/SplitTrailingNumber.h>

#include <gtest/gtest.h>

using namespace zsg;

TEST(SplitTrailingNumberTest, Table)
{
    const struct { const char* name; SplitName expected; } cases[] = {
        {"Layer 12", {"Layer", 12}},
        {"Layer", {"Layer", std::nullopt}},
        {"Layer 3  ", {"Layer", 3}},
        {"Layer \t", {"Layer", std::nullopt}},
        {"Layer12", {"Layer", 12}},
        {"Layer 007", {"Layer", 7}},
        {"  Sky 2", {"  Sky", 2}},
        {"Layer 1 2", {"Layer 1", 2}},
        {"Layer -4", {"Layer -", 4}},
        {"42", {"", 42}},
        {"", {"", std::nullopt}},
        {"   ", {"", std::nullopt}},
        {"Layer 2147483647", {"Layer", 2147483647}},
        {"Layer 2147483648", {"Layer 2147483648", std::nullopt}},
        {"Layer 99999999999999999999999", {"Layer 99999999999999999999999", std::nullopt}},
        {"Layer \u0663", {"Layer \u0663", std::nullopt}}, // a non-ASCII digit is text
    };
    for (const auto& c : cases) {
        const SplitName got = splitTrailingNumber(QString::fromUtf8(c.name));
        EXPECT_EQ(got.text, c.expected.text) << c.name;
        EXPECT_EQ(got.number, c.expected.number) << c.name;
    }

    // Blanks are chopped within the name only, not from the memory before it.
    static const char16_t blanks[] = u"    ";
    EXPECT_EQ(splitTrailingNumber(QString::fromRawData(reinterpret_cast<const QChar*>(blanks + 1), 3)).text, "");
}
