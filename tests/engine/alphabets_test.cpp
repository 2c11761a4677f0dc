// Default and custom alphabet tables, and digit values written and read through them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/alphabets.h"
#include "tests/engine/alphabet_test_support.h"

namespace {

const std::string A60 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
const std::string B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

TEST(DefaultTables, EverySlotHoldsItsAlphabetAndExactValueMap)
{
    for (uint32_t radix : all_radixes()) {
        std::string expected = radix == 64 ? B64 : A60.substr(0, radix);
        const digit_alphabet& slot = default_alphabet(radix);
        EXPECT_EQ(std::string(slot.chars), expected) << radix;
        EXPECT_EQ(slot.digits(), expected) << radix;
        for (size_t i = std::strlen(slot.chars); i < sizeof slot.chars; ++i)
            ASSERT_EQ(slot.chars[i], '\0') << radix;
        for (int code = 0; code < 256; ++code) {
            size_t pos = code == 0 ? std::string::npos : expected.find(static_cast<char>(code));
            int want = pos == std::string::npos ? NOT_A_DIGIT : static_cast<int>(pos);
            ASSERT_EQ(slot.values[code], want) << radix << " code " << code;
        }
    }
    EXPECT_EQ(default_alphabet(16)['F'], 15);
}

TEST(CustomTables, StoresFirstRadixCharactersAndReplacesTheOldSlot)
{
    custom_alphabets custom;
    custom.store("pq", 2);
    custom.store("xyz", 2);
    EXPECT_STREQ(custom.of(2).chars, "xy");
    for (int code = 0; code < 256; ++code) {
        int want = code == 'x' ? 0 : code == 'y' ? 1 : NOT_A_DIGIT;
        EXPECT_EQ(custom.of(2).values[code], want) << code;
    }
    for (size_t i = 2; i < sizeof custom.of(2).chars; ++i)
        ASSERT_EQ(custom.of(2).chars[i], '\0');
}

TEST(CustomTables, RepeatedCharacterReadsBackAsItsLastPosition)
{
    custom_alphabets custom;
    custom.store("aba", 3);
    EXPECT_STREQ(custom.of(3).chars, "aba");
    EXPECT_EQ(custom.of(3)['a'], 2);
    EXPECT_EQ(custom.of(3)['b'], 1);
    // "a" is digit 2 whatever position wrote it.
    uint8_t values[3];
    read_digit_values(custom.of(3), "aba", values, 3);
    EXPECT_EQ(std::string(values, values + 3), std::string("\2\1\2", 3));
}

TEST(CustomTables, EachRadixHasItsOwnSlot)
{
    custom_alphabets custom;
    custom.store("wxyz", 4);
    EXPECT_STREQ(custom.of(4).chars, "wxyz");
    for (uint32_t radix : all_radixes())
        EXPECT_EQ(std::string(custom.of(radix).chars), radix == 4 ? "wxyz" : "") << radix;
}

TEST(DigitValues, RoundTripThroughCustomAlphabetsWithHighCodesForEveryRadix)
{
    for (uint32_t radix : all_radixes()) {
        std::string chars;  // codes 255 down, so every character is 128 or more
        for (uint32_t i = 0; i < radix; ++i)
            chars += static_cast<char>(255 - i);
        custom_alphabets custom;
        custom.store(chars.c_str(), radix);
        std::vector<uint8_t> values(radix + 1, 0xEE);  // one value past count stays untouched
        const std::string text = default_alphabet(radix).chars;
        read_digit_values(default_alphabet(radix), text.data(), values.data(), radix);
        std::reverse(values.begin(), values.begin() + radix);
        std::string work(radix + 1, '!');
        write_digit_chars(custom.of(radix), values.data(), &work[0], radix);
        for (uint32_t i = 0; i < radix; ++i)
            ASSERT_EQ(static_cast<unsigned char>(work[i]), 255 - (radix - 1 - i)) << radix << " at " << i;
        EXPECT_EQ(work[radix], '!');
        std::vector<uint8_t> back(radix + 1, 0xEE);
        read_digit_values(custom.of(radix), work.data(), back.data(), radix);
        EXPECT_EQ(back, values) << radix;
    }
}

TEST(DigitValues, CharactersOutsideTheAlphabetAreNotDigits)
{
    custom_alphabets custom;
    custom.store("wxyz", 4);
    uint8_t values[3];
    read_digit_values(custom.of(4), "z?w", values, 3);
    EXPECT_EQ(values[0], 3);
    EXPECT_EQ(values[1], NOT_A_DIGIT);
    EXPECT_EQ(values[2], 0);
    read_digit_values(default_alphabet(4), "3w0", values, 3);
    EXPECT_EQ(values[1], NOT_A_DIGIT);
}

TEST(DigitValues, NeverStoredCustomAlphabetWritesEveryDigitAsNul)
{
    const custom_alphabets custom;
    for (uint32_t radix : all_radixes()) {
        std::vector<uint8_t> values(radix);
        for (uint32_t i = 0; i < radix; ++i)
            values[i] = static_cast<uint8_t>(i);
        std::string text(radix, '?');
        write_digit_chars(custom.of(radix), values.data(), &text[0], radix);
        EXPECT_EQ(text, std::string(radix, '\0')) << radix;
        EXPECT_EQ(custom.of(radix)['0'], NOT_A_DIGIT) << radix;
    }
}

TEST(AlphabetChecks, ValidRadixesAndRepeatedCharacters)
{
    for (uint32_t radix = 0; radix <= 70; ++radix)
        EXPECT_EQ(is_valid_radix(radix), (radix >= 2 && radix <= 60) || radix == 64) << radix;
    const struct {
        const char* text;
        uint32_t count;
        bool repeated;
    } cases[] = {
        {"wxyz", 4, false},    {"wxwz", 4, true},      {"wxzz", 4, true},  {"aAbB", 4, false},
        {"\xe9\xe9", 2, true}, {"\xe9\xea", 2, false}, {"abca", 3, false},  // only count chars count
        {"", 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(has_repeated_chars(c.text, c.count), c.repeated) << c.text << " " << c.count;
}

}  // namespace
