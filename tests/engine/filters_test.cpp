// The two input filters: the kept character set of every radix and alphabet mode, checked over all
// 255 non-NUL byte codes against digit sets written out here, plus the leading "-" rule.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/alphabets.h"
#include "engine/filters.h"
#include "tests/engine/alphabet_test_support.h"

namespace {

// All byte codes 1-255 in ascending order.
std::string every_code()
{
    std::string s;
    for (int c = 1; c < 256; ++c)
        s += static_cast<char>(c);
    return s;
}

// The characters of digits in ascending code order, each once.
std::string sorted_set(const std::string& digits)
{
    std::string s;
    for (int c = 1; c < 256; ++c)
        if (digits.find(static_cast<char>(c)) != std::string::npos)
            s += static_cast<char>(c);
    return s;
}

std::string radix_filtered(std::string text, uint32_t radix, int* length = nullptr)
{
    int n = filter_radix_text(&text[0], radix);
    if (length)
        *length = n;
    return std::string(text.c_str());
}

std::string basex_filtered(std::string text, uint32_t radix, uint32_t mode, int* length = nullptr)
{
    int n = filter_basex_text(&text[0], radix, mode);
    if (length)
        *length = n;
    return std::string(text.c_str());
}

TEST(FilterRadixText, KeepsExactlyTheDigitsOfEachRadix)
{
    struct Case { uint32_t radix; std::string digits; } cases[] = {
        {2, "01"},
        {8, "01234567"},
        {10, "0123456789"},
        {16, "0123456789ABCDEFabcdef"},
        {36, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {60, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx"},
        {64, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"},
        {5, ""}, {0, ""}, {17, ""}, {65, ""},
    };
    for (const auto& c : cases) {
        int n = -1;
        // The "-" (code 45) is not first here, so it is dropped like any other non-digit.
        EXPECT_EQ(radix_filtered(every_code(), c.radix, &n), sorted_set(c.digits)) << c.radix;
        EXPECT_EQ(n, static_cast<int>(c.digits.size())) << c.radix;
    }
}

TEST(FilterRadixText, KeepsOnlyALeadingMinus)
{
    struct Case { uint32_t radix; std::string in, out; } cases[] = {
        {16, "-12-3G", "-123"}, {16, "x-1", "1"}, {16, "--", "-"}, {16, "-", "-"}, {16, "", ""},
        {16, "de AD\r\nbe", "deADbe"}, {2, "1021", "101"}, {36, "aZ9z", "Z9"}, {64, "TWE=", "TWE"},
        {5, "-123", "-"}, {10, "-9-9", "-99"}, {64, "-/+", "-/+"},
    };
    for (const auto& c : cases) {
        int n = -1;
        EXPECT_EQ(radix_filtered(c.in, c.radix, &n), c.out) << c.radix << " '" << c.in << "'";
        EXPECT_EQ(n, static_cast<int>(c.out.size()));
    }
}

TEST(FilterBasexText, DefaultAlphabetKeepsItsCharactersForEveryRadix)
{
    build_default_tables();
    const std::string a60 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
    for (uint32_t radix : all_radixes()) {
        std::string digits = radix == 64
            ? "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/" : a60.substr(0, radix);
        int n = -1;
        EXPECT_EQ(basex_filtered(every_code(), radix, 1, &n), sorted_set(digits)) << radix;
        EXPECT_EQ(n, static_cast<int>(radix));
    }
}

TEST(FilterBasexText, SampleTexts)
{
    build_default_tables();
    forget_custom_table(2);
    store_custom_table("xyz", 2);
    struct Case { uint32_t radix, mode; std::string in, out; } cases[] = {
        {16, 1, "12ab FF", "12FF"}, {64, 1, "TW E=", "TWE"}, {2, 2, "x1yz", "xy"},
        {10, 1, "-12", "12"}, {36, 1, "zZ", "Z"}, {60, 1, "xyz", "x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(basex_filtered(c.in, c.radix, c.mode), c.out) << c.radix << " '" << c.in << "'";
}

TEST(FilterBasexText, CustomAlphabetKeepsItsCharactersIncludingHighCodes)
{
    build_default_tables();
    for (uint32_t radix : all_radixes()) {
        // Codes counting down from 255 (all of them 128 or more), with "-" at position 1.
        std::string unique_alphabet;
        for (uint32_t i = 0; i < radix; ++i)
            unique_alphabet += static_cast<char>(i == 1 ? '-' : 255 - i);
        forget_custom_table(radix);
        store_custom_table(unique_alphabet.c_str(), radix);
        int n = -1;
        EXPECT_EQ(basex_filtered(every_code(), radix, 2, &n), sorted_set(unique_alphabet)) << radix;
        EXPECT_EQ(n, static_cast<int>(radix)) << radix;
        forget_custom_table(radix);
    }
}

TEST(FilterBasexText, NeverStoredCustomAlphabetPassesNothing)
{
    build_default_tables();
    for (uint32_t radix : all_radixes()) {
        forget_custom_table(radix);
        int n = -1;
        EXPECT_EQ(basex_filtered(every_code(), radix, 2, &n), "") << radix;
        EXPECT_EQ(n, 0);
    }
}

}  // namespace
