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
    build_default_tables();
    for (uint32_t radix : all_radixes()) {
        std::string expected = radix == 64 ? B64 : A60.substr(0, radix);
        const char* slot = default_tables[radix - 1];
        EXPECT_EQ(std::string(slot), expected) << radix;
        for (size_t i = std::strlen(slot); i < 256; ++i)
            ASSERT_EQ(slot[i], '\0') << radix;
        for (int code = 0; code < 256; ++code) {
            size_t pos = code == 0 ? std::string::npos : expected.find(static_cast<char>(code));
            int want = pos == std::string::npos ? 0 : static_cast<int>(pos);
            ASSERT_EQ(default_reverse[radix - 1][code], want) << radix << " code " << code;
        }
    }
    EXPECT_EQ(default_reverse[15]['F'], 15);
}

TEST(CustomTables, StoresFirstRadixCharactersAndReplacesTheOldSlot)
{
    forget_custom_table(2);
    store_custom_table("pq", 2);
    store_custom_table("xyz", 2);
    EXPECT_STREQ(custom_tables[1], "xy");
    for (int code = 0; code < 256; ++code) {
        int want = code == 'y' ? 1 : 0;
        EXPECT_EQ(custom_reverse[1][code], want) << code;
    }
    for (int i = 2; i < 256; ++i)
        ASSERT_EQ(custom_tables[1][i], '\0');
}

TEST(CustomTables, RepeatedCharacterReadsBackAsItsLastPosition)
{
    forget_custom_table(3);
    store_custom_table("aba", 3);
    EXPECT_STREQ(custom_tables[2], "aba");
    EXPECT_EQ(custom_reverse[2][static_cast<unsigned char>('a')], 2);
    EXPECT_EQ(custom_reverse[2][static_cast<unsigned char>('b')], 1);
    // Translated to the default alphabet "012", "a" is digit 2 whatever position wrote it.
    char text[] = "aba";
    build_default_tables();
    to_default_alphabet(text, 3, 3);
    EXPECT_STREQ(text, "212");
}

TEST(AlphabetTranslation, RoundTripsThroughCustomAlphabetsWithHighCodesForEveryRadix)
{
    build_default_tables();
    for (uint32_t radix : all_radixes()) {
        std::string custom;  // codes 255 down, so every character is 128 or more
        for (uint32_t i = 0; i < radix; ++i)
            custom += static_cast<char>(255 - i);
        forget_custom_table(radix);
        store_custom_table(custom.c_str(), radix);
        std::string text = default_tables[radix - 1];
        std::string reversed(text.rbegin(), text.rend());
        std::string work = reversed + "!";  // one character past count stays untouched
        to_custom_alphabet(&work[0], radix, radix);
        for (uint32_t i = 0; i < radix; ++i)
            ASSERT_EQ(static_cast<unsigned char>(work[i]), 255 - (radix - 1 - i)) << radix << " at " << i;
        EXPECT_EQ(work[radix], '!');
        to_default_alphabet(&work[0], radix, radix);
        EXPECT_EQ(work, reversed + "!") << radix;
        forget_custom_table(radix);
    }
}

TEST(AlphabetTranslation, CharactersOutsideTheSourceAlphabetBecomePositionZero)
{
    build_default_tables();
    forget_custom_table(4);
    store_custom_table("wxyz", 4);
    char to_custom[] = "3?0";
    to_custom_alphabet(to_custom, 3, 4);
    EXPECT_STREQ(to_custom, "zww");
    char to_default[] = "z?w";
    to_default_alphabet(to_default, 3, 4);
    EXPECT_STREQ(to_default, "300");
}

TEST(AlphabetTranslation, NeverStoredCustomAlphabetTurnsEveryCharacterIntoNul)
{
    build_default_tables();
    for (uint32_t radix : all_radixes()) {
        forget_custom_table(radix);
        std::string text = default_tables[radix - 1];
        to_custom_alphabet(&text[0], radix, radix);
        EXPECT_EQ(text, std::string(radix, '\0')) << radix;
    }
}

}  // namespace
