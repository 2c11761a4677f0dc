// Significant-bit count and byte-order reversal of hex texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/hex_utils.h"
#include "engine/engine.h"

namespace {

std::string reversed(const std::string& src)
{
    std::vector<char> dst(src.size() + 2, '#');
    reverse_hex_bytes(dst.data(), src.c_str(), static_cast<uint32_t>(src.size()));
    return std::string(dst.data());
}

TEST(CountSignificantBits, GivesTheBitLengthOfTheValue)
{
    struct Case {
        std::string text;
        uint32_t len;
        int bits;
    } cases[] = {
        {"", 0, 0},    {"0000", 4, 0}, {"00", 2, 0},  {"0001", 4, 1}, {"FF", 2, 8},
        {"100", 3, 9}, {"7", 1, 3},    {"0F0", 3, 8}, {"a", 1, 4},    {"f", 1, 4},
        {"2", 1, 2},   {"3", 1, 2},    {"8", 1, 4},   {"FFFF", 2, 8}, {"1" + std::string(99, '0'), 100, 397},
        {"0x", 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(count_significant_bits(c.text.c_str(), c.len), c.bits) << "'" << c.text << "' " << c.len;
}

TEST(CountSignificantBits, FullCapacityText)
{
    std::string text = "0" + std::string(65534, 'F');
    EXPECT_EQ(count_significant_bits(text.c_str(), 65535), 65534 * 4);
}

TEST(ReverseHexBytes, ReversesByteOrderAndWidensAnOddLeadingDigit)
{
    struct Case {
        std::string in, out;
    } cases[] = {
        {"A1B2C3", "C3B2A1"}, {"ABC", "BC0A"}, {"12345", "452301"}, {"aBcD", "cDaB"}, {"AB", "AB"},
        {"A", "A"},           {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reversed(c.in), c.out) << c.in;
}

TEST(ReverseHexBytes, ReversingTwiceRestoresTheTextWithOddLengthsGainingAZero)
{
    EXPECT_EQ(reversed(reversed("0123456789abcdef")), "0123456789abcdef");
    EXPECT_EQ(reversed(reversed("ABC")), "0ABC");
}

TEST(ReverseHexBytes, EngineReversesTheLongestHexTextItTakes)
{
    // The engine takes 65535 hex digits; the odd case widens to 65536 digits.
    conversion_engine engine;
    ASSERT_EQ(engine.max_hex_chars(), 65535u);
    std::string src(65535, '0');
    src[0] = '7';
    src[65534] = 'E';
    engine.from_hex(src.data(), src.size());
    std::string out(engine.reverse_hex());
    ASSERT_EQ(out.size(), 65536u);
    EXPECT_EQ(out.substr(0, 2), "0E");
    EXPECT_EQ(out.substr(65534), "07");
}

}  // namespace
