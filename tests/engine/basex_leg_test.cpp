// The BASE(X) leg on the shared buffers: values against a schoolbook oracle in every radix, Base64
// byte exactness, custom alphabets, the library's io_base, and the data limit of BASE(X) values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/basex_capacity.h"
#include "engine/engine.h"
#include "mp/mp.h"
#include "tests/engine/alphabet_test_support.h"
#include "tests/engine/engine_test_support.h"

namespace {

struct LegResult {
    bool accepted;
    std::string hex;
    std::vector<uint8_t> bytes;
    std::string basex;  // basex_count characters, NULs included
    int hex_count, byte_count, basex_count;
};

LegResult collect(const conversion_result& r)
{
    return {r.status != conversion_status::basex_too_big,
            std::string(r.hex),
            std::vector<uint8_t>(r.bytes.begin(), r.bytes.end()),
            std::string(r.basex),
            static_cast<int>(r.counts.hex_digits),
            static_cast<int>(r.counts.bytes),
            static_cast<int>(r.counts.basex_chars)};
}

void set_up(conversion_engine& engine, uint32_t radix, alphabet_choice alphabet)
{
    ASSERT_EQ(engine.change_radix(radix), radix_outcome::changed);
    engine.choose_alphabet(alphabet);
}

// The HEX source (filtered text): bytes, then BASE(X).
LegResult from_hex(conversion_engine& engine, const std::string& hex, uint32_t radix,
                   alphabet_choice alphabet = alphabet_choice::default_alphabet)
{
    set_up(engine, radix, alphabet);
    return collect(engine.from_hex(hex.data(), hex.size()));
}

// The BASE(X) source (filtered text).
LegResult from_basex(conversion_engine& engine, const std::string& text, uint32_t radix,
                     alphabet_choice alphabet = alphabet_choice::default_alphabet)
{
    set_up(engine, radix, alphabet);
    return collect(engine.from_basex(text.data(), text.size()));
}

const alphabet_choice CUSTOM = alphabet_choice::custom_alphabet;

std::vector<uint8_t> bytes_of(const std::string& s)
{
    return std::vector<uint8_t>(s.begin(), s.end());
}

std::string strip_leading_zeros(const std::string& hex)
{
    size_t i = hex.find_first_not_of('0');
    return i == std::string::npos ? "0" : hex.substr(i);
}

TEST(BasexLeg, SampleConversions)
{
    conversion_engine engine;
    struct Case {
        bool from_hex;
        uint32_t radix;
        std::string in, hex, bytes, basex;
    } cases[] = {
        {true, 10, "0100", "0100", std::string("\x01\x00", 2), "256"},
        {true, 10, "0001", "0001", std::string("\x00\x01", 2), "1"},
        {true, 10, "0000", "0000", std::string("\x00\x00", 2), "0"},
        {true, 2, "05", "05", "\x05", "101"},
        {true, 16, "7", "7", "\x07", ""},  // one digit makes a byte but no BASE(X) text
        {true, 16, "07", "07", "\x07", "7"},
        {true, 64, "000001", "000001", std::string("\x00\x00\x01", 3), "AAAB"},
        {true, 10, "4142", "4142", "AB", "16706"},
        {true, 64, "", "", "", ""},
        {false, 16, "00FF", "FF", "\xFF", "00FF"},
        {false, 60, "x", "3B", "\x3B", "x"},
        {false, 16, "ABC", "ABC", std::string("\x0A\xBC", 2), "ABC"},
        {false, 10, "256", "100", std::string("\x01\x00", 2), "256"},
        {false, 10, "", "0", std::string("\x00", 1), ""},
        {false, 10, "000", "0", std::string("\x00", 1), "000"},
        {false, 64, "AAAB", "000001", std::string("\x00\x00\x01", 3), "AAAB"},
        {false, 64, "", "", "", ""},
    };
    for (const auto& c : cases) {
        LegResult r = c.from_hex ? from_hex(engine, c.in, c.radix) : from_basex(engine, c.in, c.radix);
        std::string where = std::string(c.from_hex ? "HEX " : "BASE(X) ") + c.in + " radix " + std::to_string(c.radix);
        EXPECT_TRUE(r.accepted) << where;
        EXPECT_EQ(r.hex, c.hex) << where;
        EXPECT_EQ(r.hex_count, static_cast<int>(c.hex.size())) << where;
        EXPECT_EQ(r.bytes, bytes_of(c.bytes)) << where;
        EXPECT_EQ(r.basex, c.basex) << where;
        EXPECT_EQ(r.basex_count, static_cast<int>(c.basex.size())) << where;
    }
}

TEST(BasexLeg, AgreesWithSchoolbookConversionInEveryRadix)
{
    conversion_engine engine;
    std::mt19937 rng(1960);
    for (uint32_t radix = 2; radix <= 60; ++radix) {
        for (int round = 0; round < 6; ++round) {
            std::vector<uint8_t> bytes(1 + rng() % 40);
            for (auto& b : bytes)
                b = static_cast<uint8_t>(rng());
            if (round == 0)
                bytes[0] = 0;  // leading zero bytes do not show in BASE(X)
            std::string hex = oracle_hex(bytes);
            std::string expected = oracle_to_radix(bytes, radix);
            LegResult forward = from_hex(engine, hex, radix);
            ASSERT_EQ(forward.basex, expected) << "radix " << radix << " hex " << hex;
            LegResult back = from_basex(engine, expected, radix);
            std::string shortest_hex = strip_leading_zeros(hex);
            ASSERT_EQ(back.hex, shortest_hex) << "radix " << radix;
            ASSERT_EQ(back.bytes, oracle_from_radix(expected, radix)) << "radix " << radix;
            ASSERT_EQ(back.byte_count, static_cast<int>((shortest_hex.size() + 1) / 2));
        }
    }
}

TEST(BasexLeg, Radix64IsByteExactBothWays)
{
    conversion_engine engine;
    std::mt19937 rng(64);
    for (size_t len : {1u, 2u, 3u, 4u, 5u, 31u, 100u}) {
        std::vector<uint8_t> bytes(len);
        for (auto& b : bytes)
            b = static_cast<uint8_t>(rng());
        bytes[0] = 0;
        LegResult forward = from_hex(engine, oracle_hex(bytes), 64);
        LegResult back = from_basex(engine, forward.basex, 64);
        EXPECT_EQ(back.bytes, bytes) << len;
        EXPECT_EQ(back.hex, oracle_hex(bytes)) << len;
        EXPECT_EQ(back.hex_count, static_cast<int>(2 * len));
    }
}

TEST(BasexLeg, CustomAlphabetTranslatesAtTheEdgeInEveryRadix)
{
    conversion_engine engine;
    const std::vector<uint8_t> bytes = {0x00, 0x9F, 0x31, 0xC4, 0x07, 0xEE};
    for (uint32_t radix : all_radixes()) {
        std::string custom;  // high codes, counting down from 255
        for (uint32_t i = 0; i < radix; ++i)
            custom += static_cast<char>(255 - i);
        ASSERT_EQ(engine.change_radix(radix), radix_outcome::changed);
        ASSERT_EQ(engine.store_custom_alphabet(custom.data(), custom.size()), alphabet_outcome::stored);
        std::string plain = from_hex(engine, oracle_hex(bytes), radix).basex;
        std::string expected;
        for (char c : plain)
            expected += custom[std::string(default_alphabet(radix).chars).find(c)];
        LegResult forward = from_hex(engine, oracle_hex(bytes), radix, CUSTOM);
        EXPECT_EQ(forward.basex, expected) << radix;
        LegResult back = from_basex(engine, forward.basex, radix, CUSTOM);
        EXPECT_EQ(back.hex, radix == 64 ? oracle_hex(bytes) : strip_leading_zeros(oracle_hex(bytes))) << radix;
        EXPECT_EQ(back.basex, forward.basex) << radix;  // the source stays in the custom alphabet
    }
    // Radix 2 with the alphabet "xy".
    engine.change_radix(2);
    ASSERT_EQ(engine.store_custom_alphabet("xy", 2), alphabet_outcome::stored);
    EXPECT_EQ(from_hex(engine, "05", 2, CUSTOM).basex, "yxy");
    LegResult back = from_basex(engine, "yxy", 2, CUSTOM);
    EXPECT_EQ(back.hex, "5");
    EXPECT_EQ(back.bytes, std::vector<uint8_t>{0x05});
}

TEST(BasexLeg, NeverStoredCustomAlphabetWritesNulsButKeepsTheCount)
{
    conversion_engine engine;
    for (uint32_t radix : {10u, 64u}) {
        LegResult r = from_hex(engine, "4142", radix, CUSTOM);
        std::string plain = from_hex(engine, "4142", radix).basex;
        EXPECT_EQ(r.basex_count, static_cast<int>(plain.size())) << radix;
        EXPECT_EQ(r.basex, std::string(plain.size(), '\0')) << radix;
    }
}

TEST(BasexLeg, LeavesTheLibraryIoBaseAsItFoundIt)
{
    conversion_engine engine;
    for (int32_t before : {16, 10}) {
        for (uint32_t radix : {2u, 10u, 36u, 60u, 64u}) {
            current_context()->io_base = before;
            from_hex(engine, "ABCDEF", radix);
            EXPECT_EQ(current_context()->io_base, before) << radix;
            from_basex(engine, "101", radix);
            EXPECT_EQ(current_context()->io_base, before) << radix;
        }
    }
}

// ---- The data limit: a BASE(X) value of more than 32767 bytes is refused before any conversion ----

void expect_refused(const LegResult& r, const std::string& where)
{
    EXPECT_FALSE(r.accepted) << where;
    EXPECT_EQ(r.hex, "") << where;
    EXPECT_EQ(r.hex_count, 0) << where;
    EXPECT_EQ(r.byte_count, 0) << where;
}

void expect_all_ff(const LegResult& r, const std::string& where)
{
    EXPECT_TRUE(r.accepted) << where;
    EXPECT_EQ(r.hex, std::string(65534, 'F')) << where;
    EXPECT_EQ(r.byte_count, 32767) << where;
}

TEST(BasexCapacity, Radix64DecidesByTheCharacterCount)
{
    conversion_engine engine;
    std::string at_limit(43690, '/');  // 32767 bytes and 6 bits left over
    LegResult fits = from_basex(engine, at_limit, 64);
    EXPECT_TRUE(fits.accepted);
    EXPECT_EQ(fits.byte_count, 32767);
    EXPECT_EQ(fits.hex_count, 65534);
    expect_refused(from_basex(engine, std::string(43691, 'A'), 64), "43691 chars");
    expect_refused(from_basex(engine, std::string(65534, 'A'), 64), "65534 chars");
}

TEST(BasexCapacity, PowerOfTwoRadixesAtTheExactLimit)
{
    conversion_engine engine;
    // 2^262136 - 1 (32767 bytes of 0xFF) fits; 2^262136 does not.
    struct Case {
        uint32_t radix;
        std::string largest, smallest_too_big;
    } cases[] = {
        {2, std::string(262136, '1'), "1" + std::string(262136, '0')},
        {4, std::string(131068, '3'), "1" + std::string(131068, '0')},
        {8, "3" + std::string(87378, '7'), "4" + std::string(87378, '0')},
        {16, std::string(65534, 'F'), "1" + std::string(65534, '0')},
        {32, "1" + std::string(52427, 'V'), "2" + std::string(52427, '0')},
    };
    for (const auto& c : cases) {
        expect_all_ff(from_basex(engine, c.largest, c.radix), "largest, radix " + std::to_string(c.radix));
        expect_refused(from_basex(engine, c.smallest_too_big, c.radix), "too big, radix " + std::to_string(c.radix));
    }
}

TEST(BasexCapacity, LeadingZeroDigitsNeverCount)
{
    conversion_engine engine;
    expect_all_ff(from_basex(engine, std::string(100000, '0') + std::string(65534, 'F'), 16), "zeros + 65534 F");
    LegResult one = from_basex(engine, std::string(262135, '0') + "1", 10);
    EXPECT_TRUE(one.accepted);
    EXPECT_EQ(one.hex, "1");
    LegResult zero = from_basex(engine, std::string(262143, '0'), 60);
    EXPECT_TRUE(zero.accepted);
    EXPECT_EQ(zero.hex, "0");
}

TEST(BasexCapacity, LongTextsReadInALargeRadixAreRefused)
{
    conversion_engine engine;
    expect_refused(from_basex(engine, std::string(65534, 'x'), 60), "65534 x radix 60");
    // A full radix-2 text taken again as radix 60 after a radix change.
    expect_refused(from_basex(engine, std::string(262136, '1'), 60), "262136 ones radix 60");
    expect_refused(from_basex(engine, std::string(262143, '1'), 2), "262143 ones radix 2");
}

// Full-size round trips cost a second or so each, so they run for the radixes most at risk: many
// digits (3), power-of-two radixes without full-word packing (8, 32), the worst packing (36), the
// largest radixes (59, 60) and 10. The digit-count decision is checked for every radix below.
TEST(BasexCapacity, LargestValueFitsAndNextOneIsRefused)
{
    conversion_engine engine;
    const std::string all_ff(65534, 'F');
    const std::string two_to_limit = "1" + std::string(65534, '0');
    for (uint32_t radix : {3u, 8u, 10u, 32u, 36u, 59u, 60u}) {
        std::string where = "radix " + std::to_string(radix);
        std::string largest = from_hex(engine, all_ff, radix).basex;
        ASSERT_FALSE(largest.empty()) << where;
        expect_all_ff(from_basex(engine, largest, radix), where);
        std::string too_big = from_hex(engine, two_to_limit, radix).basex;
        expect_refused(from_basex(engine, too_big, radix), where + " 2^262136");
    }
}

TEST(BasexCapacity, DigitCountOfTheLargestValueIsNeverRefusedInAnyRadix)
{
    conversion_engine engine;
    for (uint32_t radix = 2; radix <= 60; ++radix) {
        // 2^262136 - 1 has floor(262136 / log2(radix)) + 1 digits (for a power of two, 262136 /
        // log2(radix) rounded up); one digit more is always beyond the limit, two more are
        // so by their count alone.
        long double exact = 262136.0L / std::log2(static_cast<long double>(radix));
        long double whole = std::floor(exact + 1e-9L);
        bool power_of_two = (radix & (radix - 1)) == 0;
        uint32_t digits = static_cast<uint32_t>(power_of_two && exact - whole < 1e-9L ? whole : std::floor(exact) + 1);
        ASSERT_NE(judge_basex_digits(digits, radix, MAX_DATA_BYTES), BASEX_TOO_BIG) << radix;
        EXPECT_GE(cinstr_digit_capacity(radix), static_cast<int32_t>(digits)) << radix;
        EXPECT_NE(judge_basex_digits(digits + 1, radix, MAX_DATA_BYTES), BASEX_FITS) << radix;
        EXPECT_EQ(judge_basex_digits(digits + 2, radix, MAX_DATA_BYTES), BASEX_TOO_BIG) << radix;
        EXPECT_EQ(judge_basex_digits(digits - 1, radix, MAX_DATA_BYTES), BASEX_FITS) << radix;
    }
}

TEST(BasexCapacity, TextTooLongForTheLibraryIsRefusedInsteadOfEndingTheProcess)
{
    conversion_engine engine;
    // A library with room for 4000 words parses at most 8000 words of radix-36 text (40000 digits);
    // the largest value takes 10141 such words. A text within that room still reads.
    std::string largest = from_hex(engine, std::string(65534, 'F'), 36).basex;
    const int32_t io_base = current_context()->io_base;
    int32_t saved = current_context()->max_words;
    current_context()->max_words = 4000;
    LegResult small_library = from_basex(engine, largest, 36);
    LegResult still_readable = from_basex(engine, std::string(20000, 'Z'), 36);
    current_context()->max_words = saved;
    expect_refused(small_library, "radix-36 text of 32767 bytes");
    EXPECT_TRUE(still_readable.accepted);
    EXPECT_EQ(current_context()->io_base, io_base);
}

TEST(BasexCapacity, LibraryStartedForTheEngineReadsTheLargestValueInEveryRadix)
{
    conversion_engine engine;
    const std::string all_ff(65534, 'F');
    for (uint32_t radix = 2; radix <= 60; ++radix) {
        LegResult back = from_basex(engine, from_hex(engine, all_ff, radix).basex, radix);
        EXPECT_TRUE(back.accepted) << radix;
        EXPECT_EQ(back.hex, all_ff) << radix;
    }
}

}  // namespace
