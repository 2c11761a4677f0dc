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

std::string basex_filtered(std::string text, const digit_alphabet& alphabet, int* length = nullptr)
{
    int n = filter_basex_text(&text[0], alphabet);
    if (length)
        *length = n;
    return std::string(text.c_str());
}

TEST(FilterRadixText, KeepsExactlyTheDigitsOfEachRadix)
{
    struct Case {
        uint32_t radix;
        std::string digits;
    } cases[] = {
        {2, "01"},
        {8, "01234567"},
        {10, "0123456789"},
        {16, "0123456789ABCDEFabcdef"},
        {36, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {60, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx"},
        {64, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"},
        {5, ""},
        {0, ""},
        {17, ""},
        {65, ""},
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
    struct Case {
        uint32_t radix;
        std::string in, out;
    } cases[] = {
        {16, "-12-3G", "-123"},        {16, "x-1", "1"},   {16, "--", "-"},    {16, "-", "-"},      {16, "", ""},
        {16, "de AD\r\nbe", "deADbe"}, {2, "1021", "101"}, {36, "aZ9z", "Z9"}, {64, "TWE=", "TWE"}, {5, "-123", "-"},
        {10, "-9-9", "-99"},           {64, "-/+", "-/+"},
    };
    for (const auto& c : cases) {
        int n = -1;
        EXPECT_EQ(radix_filtered(c.in, c.radix, &n), c.out) << c.radix << " '" << c.in << "'";
        EXPECT_EQ(n, static_cast<int>(c.out.size()));
    }
}

TEST(FilterHexText, KeepsHexDigitsOnlyAndNoMinus)
{
    struct Case {
        std::string in, out;
    } cases[] = {
        {"-12", "12"}, {"--1-2", "12"}, {"-", ""}, {"", ""}, {"de AD\r\nbe", "deADbe"}, {"-4142", "4142"}, {"x-F", "F"},
    };
    for (const auto& c : cases) {
        std::string text = c.in;
        int n = filter_hex_text(&text[0]);
        EXPECT_EQ(std::string(text.c_str()), c.out) << "'" << c.in << "'";
        EXPECT_EQ(n, static_cast<int>(c.out.size()));
    }
    int n = -1;
    std::string every = every_code();
    n = filter_hex_text(&every[0]);
    EXPECT_EQ(std::string(every.c_str()), sorted_set("0123456789ABCDEFabcdef"));
    EXPECT_EQ(n, 22);
}

TEST(FilterBasexText, DefaultAlphabetKeepsItsCharactersForEveryRadix)
{
    const std::string a60 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
    for (uint32_t radix : all_radixes()) {
        std::string digits =
            radix == 64 ? "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/" : a60.substr(0, radix);
        int n = -1;
        EXPECT_EQ(basex_filtered(every_code(), default_alphabet(radix), &n), sorted_set(digits)) << radix;
        EXPECT_EQ(n, static_cast<int>(radix));
    }
}

TEST(FilterBasexText, SampleTexts)
{
    custom_alphabets custom;
    custom.store("xyz", 2);
    struct Case {
        uint32_t radix;
        bool custom;
        std::string in, out;
    } cases[] = {
        {16, false, "12ab FF", "12FF"}, {64, false, "TW E=", "TWE"}, {2, true, "x1yz", "xy"},
        {10, false, "-12", "12"},       {36, false, "zZ", "Z"},      {60, false, "xyz", "x"},
    };
    for (const auto& c : cases) {
        const digit_alphabet& alphabet = c.custom ? custom.of(c.radix) : default_alphabet(c.radix);
        EXPECT_EQ(basex_filtered(c.in, alphabet), c.out) << c.radix << " '" << c.in << "'";
    }
}

TEST(FilterBasexText, CustomAlphabetKeepsItsCharactersIncludingHighCodes)
{
    for (uint32_t radix : all_radixes()) {
        // Codes counting down from 255 (all of them 128 or more), with "-" at position 1.
        std::string unique_alphabet;
        for (uint32_t i = 0; i < radix; ++i)
            unique_alphabet += static_cast<char>(i == 1 ? '-' : 255 - i);
        custom_alphabets custom;
        custom.store(unique_alphabet.c_str(), radix);
        int n = -1;
        EXPECT_EQ(basex_filtered(every_code(), custom.of(radix), &n), sorted_set(unique_alphabet)) << radix;
        EXPECT_EQ(n, static_cast<int>(radix)) << radix;
    }
}

TEST(FilterBasexText, NeverStoredCustomAlphabetPassesNothing)
{
    const custom_alphabets custom;
    for (uint32_t radix : all_radixes()) {
        int n = -1;
        EXPECT_EQ(basex_filtered(every_code(), custom.of(radix), &n), "") << radix;
        EXPECT_EQ(n, 0);
    }
}

}  // namespace
