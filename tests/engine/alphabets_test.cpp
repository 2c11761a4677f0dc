// Default and custom alphabet tables and the translations between them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/alphabets.h"
#include "tests/engine/alphabet_test_support.h"

namespace {

const std::string A60 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
const std::string B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

TEST(DefaultTables, EverySlotHoldsItsAlphabetAndExactReverseMap)
{
    for (uint32_t radix : all_radixes()) {
        std::string expected = radix == 64 ? B64 : A60.substr(0, radix);
        const alphabet_slot& slot = default_alphabet(radix);
        EXPECT_EQ(std::string(slot.chars), expected) << radix;
        for (size_t i = std::strlen(slot.chars); i < 256; ++i)
            ASSERT_EQ(slot.chars[i], '\0') << radix;
        for (int code = 0; code < 256; ++code) {
            size_t pos = code == 0 ? std::string::npos : expected.find(static_cast<char>(code));
            int want = pos == std::string::npos ? 0 : static_cast<int>(pos);
            ASSERT_EQ(slot.reverse[code], want) << radix << " code " << code;
        }
    }
    EXPECT_EQ(default_alphabet(16).reverse['F'], 15);
}

TEST(CustomTables, StoresFirstRadixCharactersAndReplacesTheOldSlot)
{
    custom_alphabets custom;
    custom.store("pq", 2);
    custom.store("xyz", 2);
    EXPECT_STREQ(custom.of(2).chars, "xy");
    for (int code = 0; code < 256; ++code) {
        int want = code == 'y' ? 1 : 0;
        EXPECT_EQ(custom.of(2).reverse[code], want) << code;
    }
    for (int i = 2; i < 256; ++i)
        ASSERT_EQ(custom.of(2).chars[i], '\0');
}

TEST(CustomTables, RepeatedCharacterReadsBackAsItsLastPosition)
{
    custom_alphabets custom;
    custom.store("aba", 3);
    EXPECT_STREQ(custom.of(3).chars, "aba");
    EXPECT_EQ(custom.of(3).reverse[static_cast<unsigned char>('a')], 2);
    EXPECT_EQ(custom.of(3).reverse[static_cast<unsigned char>('b')], 1);
    // Translated to the default alphabet "012", "a" is digit 2 whatever position wrote it.
    char text[] = "aba";
    translate_alphabet(text, 3, custom.of(3), default_alphabet(3));
    EXPECT_STREQ(text, "212");
}

TEST(CustomTables, EachRadixHasItsOwnSlot)
{
    custom_alphabets custom;
    custom.store("wxyz", 4);
    EXPECT_STREQ(custom.of(4).chars, "wxyz");
    for (uint32_t radix : all_radixes())
        EXPECT_EQ(std::string(custom.of(radix).chars), radix == 4 ? "wxyz" : "") << radix;
}

TEST(AlphabetTranslation, RoundTripsThroughCustomAlphabetsWithHighCodesForEveryRadix)
{
    for (uint32_t radix : all_radixes()) {
        std::string chars;  // codes 255 down, so every character is 128 or more
        for (uint32_t i = 0; i < radix; ++i)
            chars += static_cast<char>(255 - i);
        custom_alphabets custom;
        custom.store(chars.c_str(), radix);
        std::string text = default_alphabet(radix).chars;
        std::string reversed(text.rbegin(), text.rend());
        std::string work = reversed + "!";  // one character past count stays untouched
        translate_alphabet(&work[0], radix, default_alphabet(radix), custom.of(radix));
        for (uint32_t i = 0; i < radix; ++i)
            ASSERT_EQ(static_cast<unsigned char>(work[i]), 255 - (radix - 1 - i)) << radix << " at " << i;
        EXPECT_EQ(work[radix], '!');
        translate_alphabet(&work[0], radix, custom.of(radix), default_alphabet(radix));
        EXPECT_EQ(work, reversed + "!") << radix;
    }
}

TEST(AlphabetTranslation, CharactersOutsideTheSourceAlphabetBecomePositionZero)
{
    custom_alphabets custom;
    custom.store("wxyz", 4);
    char to_custom[] = "3?0";
    translate_alphabet(to_custom, 3, default_alphabet(4), custom.of(4));
    EXPECT_STREQ(to_custom, "zww");
    char to_default[] = "z?w";
    translate_alphabet(to_default, 3, custom.of(4), default_alphabet(4));
    EXPECT_STREQ(to_default, "300");
}

TEST(AlphabetTranslation, NeverStoredCustomAlphabetTurnsEveryCharacterIntoNul)
{
    const custom_alphabets custom;
    for (uint32_t radix : all_radixes()) {
        std::string text = default_alphabet(radix).chars;
        translate_alphabet(&text[0], radix, default_alphabet(radix), custom.of(radix));
        EXPECT_EQ(text, std::string(radix, '\0')) << radix;
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
