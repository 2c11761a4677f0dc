// The engine value: every source in every kind of radix and both alphabets, with the texts, counts,
// status and filter flag of each call; the radix and alphabet calls; the capacity; the library's life.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "mp/mp.h"
#include "tests/engine/alphabet_test_support.h"

namespace {

enum class source { hex, bytes, basex };

conversion_result convert(conversion_engine& engine, source from, const std::string& text)
{
    switch (from) {
    case source::hex: return engine.from_hex(text.data(), text.size());
    case source::bytes: return engine.from_bytes(text.data(), text.size());
    case source::basex: return engine.from_basex(text.data(), text.size());
    }
    return engine.clear();
}

// A custom alphabet of high codes, 255 downwards: no character of it is a default digit.
std::string high_alphabet(uint32_t radix)
{
    std::string chars;
    for (uint32_t i = 0; i < radix; ++i)
        chars += static_cast<char>(255 - i);
    return chars;
}

// The text written in the high alphabet instead of the default one; other characters stay.
std::string in_high_alphabet(const std::string& text, uint32_t radix)
{
    const std::string digits = default_alphabet(radix).chars, high = high_alphabet(radix);
    std::string out;
    for (char c : text)
        out += digits.find(c) == std::string::npos ? c : high[digits.find(c)];
    return out;
}

struct SourceCase {
    source from;
    uint32_t radix;
    std::string in;  // BASE(X) sources in the default alphabet; turned into the custom one too
    conversion_status status;
    bool filtered;
    std::string hex, bytes, basex;  // basex in the default alphabet
    conversion_counts counts;
};

const conversion_status HEX_OK = conversion_status::hex_changed;
const conversion_status ASCII_OK = conversion_status::ascii_changed;
const conversion_status BASEX_OK = conversion_status::basex_changed;
const conversion_status TOO_BIG = conversion_status::basex_too_big;

// 0x4142 ("AB") is 16706 in every form.
const SourceCase source_cases[] = {
    {source::hex, 2, "4142", HEX_OK, false, "4142", "AB", "100000101000010", {4, 2, 15, 15}},
    {source::hex, 10, "41 42", HEX_OK, true, "4142", "AB", "16706", {4, 2, 5, 15}},
    {source::hex, 16, "-4142", HEX_OK, true, "4142", "AB", "4142", {4, 2, 4, 15}},
    {source::hex, 36, "4142", HEX_OK, false, "4142", "AB", "CW2", {4, 2, 3, 15}},
    {source::hex, 60, "4142", HEX_OK, false, "4142", "AB", "4cQ", {4, 2, 3, 15}},
    {source::hex, 64, "4142", HEX_OK, false, "4142", "AB", "QUI", {4, 2, 3, 15}},
    {source::hex, 10, "7", HEX_OK, false, "7", "\x07", "", {1, 1, 0, 3}},  // one digit: no BASE(X)
    {source::hex, 64, "", HEX_OK, false, "", "", "", {0, 0, 0, 0}},
    {source::bytes, 2, "AB", ASCII_OK, false, "4142", "AB", "100000101000010", {4, 2, 15, 15}},
    {source::bytes, 10, "AB", ASCII_OK, false, "4142", "AB", "16706", {4, 2, 5, 15}},
    {source::bytes, 36, "AB", ASCII_OK, false, "4142", "AB", "CW2", {4, 2, 3, 15}},
    {source::bytes, 64, "AB", ASCII_OK, false, "4142", "AB", "QUI", {4, 2, 3, 15}},
    {source::bytes, 16, std::string("\0A", 2), ASCII_OK, false, "0041", std::string("\0A", 2), "41", {4, 2, 2, 7}},
    {source::basex, 2, "100000101000010", BASEX_OK, false, "4142", "AB", "100000101000010", {4, 2, 15, 15}},
    {source::basex, 10, "16 706", BASEX_OK, true, "4142", "AB", "16706", {4, 2, 5, 15}},
    {source::basex, 16, "04142", BASEX_OK, false, "4142", "AB", "04142", {4, 2, 5, 15}},
    {source::basex, 36, "CW2", BASEX_OK, false, "4142", "AB", "CW2", {4, 2, 3, 15}},
    {source::basex, 60, "4c?Q", BASEX_OK, true, "4142", "AB", "4cQ", {4, 2, 3, 15}},
    {source::basex, 64, "QUI=", BASEX_OK, true, "4142", "AB", "QUI", {4, 2, 3, 15}},
    {source::basex, 10, "", BASEX_OK, false, "0", std::string(1, '\0'), "", {1, 1, 0, 0}},
    {source::basex, 64, std::string(43691, 'A'), TOO_BIG, false, "", "", std::string(43691, 'A'), {0, 0, 43691, 0}},
    {source::basex,
     16,
     "1" + std::string(65534, '0'),
     TOO_BIG,
     false,
     "",
     "",
     "1" + std::string(65534, '0'),
     {0, 0, 65535, 0}},
};

TEST(EngineSources, TextsCountsStatusAndFilterOfEverySourceInBothAlphabets)
{
    for (const SourceCase& c : source_cases) {
        for (bool custom : {false, true}) {
            SCOPED_TRACE(std::string(custom ? "custom " : "default ") + "radix " + std::to_string(c.radix) +
                         " source " + std::to_string(static_cast<int>(c.from)) + " '" + c.in.substr(0, 20) + "'");
            conversion_engine engine;
            ASSERT_EQ(engine.change_radix(c.radix), radix_outcome::changed);
            if (custom) {
                const std::string chars = high_alphabet(c.radix);
                ASSERT_EQ(engine.store_custom_alphabet(chars.data(), chars.size()), alphabet_outcome::stored);
                engine.choose_alphabet(alphabet_choice::custom_alphabet);
            }
            const std::string in = custom && c.from == source::basex ? in_high_alphabet(c.in, c.radix) : c.in;
            const conversion_result r = convert(engine, c.from, in);
            EXPECT_EQ(r.status, c.status);
            EXPECT_EQ(r.source_filtered, c.filtered);
            EXPECT_EQ(std::string(r.hex), c.hex);
            EXPECT_EQ(std::string(r.bytes), c.bytes);
            EXPECT_EQ(std::string(r.basex), custom ? in_high_alphabet(c.basex, c.radix) : c.basex);
            EXPECT_EQ(r.counts.hex_digits, c.counts.hex_digits);
            EXPECT_EQ(r.counts.bytes, c.counts.bytes);
            EXPECT_EQ(r.counts.basex_chars, c.counts.basex_chars);
            EXPECT_EQ(r.counts.significant_bits, c.counts.significant_bits);
            // Each text is followed by a NUL in the engine's buffer: the dialog writes them as they are.
            EXPECT_EQ(r.hex.data()[r.hex.size()], '\0');
            EXPECT_EQ(r.basex.data()[r.basex.size()], '\0');
            EXPECT_EQ(engine.hex(), r.hex);
        }
    }
}

TEST(EngineSources, EveryCallStartsFromEmptyBuffers)
{
    conversion_engine engine;
    engine.change_radix(2);
    engine.from_hex("FFFFFFFF", 8);
    const conversion_result r = engine.from_hex("01", 2);
    EXPECT_EQ(std::string(r.basex), "1");
    EXPECT_EQ(r.basex.data()[2], '\0');
    const conversion_result cleared = engine.clear();
    EXPECT_EQ(cleared.status, conversion_status::cleared);
    EXPECT_EQ(cleared.hex, "");
    EXPECT_EQ(cleared.bytes, "");
    EXPECT_EQ(cleared.basex, "");
    EXPECT_EQ(cleared.counts.hex_digits + cleared.counts.bytes + cleared.counts.basex_chars +
                  cleared.counts.significant_bits,
              0u);
    EXPECT_FALSE(cleared.source_filtered);
}

TEST(EngineSources, TextsEndAtTheirFirstNulOrTheLongestTaken)
{
    conversion_engine engine;
    EXPECT_EQ(std::string(engine
                              .from_hex("41\0"
                                        "42",
                                        5)
                              .hex),
              "41");
    EXPECT_EQ(std::string(engine.from_basex("QU\0I", 4).basex), "QU");
    const std::string long_hex(70000, 'F');
    EXPECT_EQ(engine.from_hex(long_hex.data(), long_hex.size()).counts.hex_digits, 65535u);
    const std::string long_bytes(40000, 'Z');
    EXPECT_EQ(engine.from_bytes(long_bytes.data(), long_bytes.size()).counts.bytes, 32767u);
    engine.change_radix(10);
    const std::string long_basex(300000, '0');
    EXPECT_EQ(engine.from_basex(long_basex.data(), long_basex.size()).counts.basex_chars, 262143u);
}

TEST(EngineReverse, ReversesTheLastHexTextOnly)
{
    const struct {
        source from;
        std::string in, reversed;
    } cases[] = {
        {source::hex, "A1B2C3", "C3B2A1"},
        {source::hex, "ABC", "BC0A"},
        {source::hex, "AB", ""},
        {source::hex, "7", ""},
        {source::bytes, "ABC", "434241"},
        {source::basex, "QUJD", "434241"},
        {source::basex, std::string(43691, 'A'), ""},  // refused: no HEX text
    };
    for (const auto& c : cases) {
        conversion_engine engine;
        convert(engine, c.from, c.in);
        EXPECT_EQ(std::string(engine.reverse_hex()), c.reversed) << c.in.substr(0, 10);
    }
    conversion_engine engine;
    engine.from_hex("414243", 6);
    engine.clear();
    EXPECT_EQ(engine.reverse_hex(), "");
}

TEST(EngineAlphabets, RadixChangeTakesOnlyRadixesWithAnAlphabet)
{
    conversion_engine engine;
    EXPECT_EQ(engine.radix(), 64u);
    for (uint32_t radix : {0u, 1u, 61u, 62u, 63u, 65u, 99u, 4294967295u}) {
        EXPECT_EQ(engine.change_radix(radix), radix_outcome::invalid) << radix;
        EXPECT_EQ(engine.radix(), 64u);
    }
    for (uint32_t radix : all_radixes()) {
        EXPECT_EQ(engine.change_radix(radix), radix_outcome::changed) << radix;
        EXPECT_EQ(engine.radix(), radix);
        EXPECT_STREQ(engine.default_alphabet_in_force().chars, default_alphabet(radix).chars);
    }
}

TEST(EngineAlphabets, StoringACustomAlphabetForTheRadixInForce)
{
    const struct {
        uint32_t radix;
        std::string text;
        alphabet_outcome outcome;
        std::string stored;
    } cases[] = {
        {4, "wxy", alphabet_outcome::not_enough_chars, ""},
        {4, "wxyz", alphabet_outcome::stored, "wxyz"},
        {4, "wxyzq", alphabet_outcome::stored, "wxyz"},  // the first radix chars
        {4, "wxwz", alphabet_outcome::repeated_chars, ""},
        {4, "wxw", alphabet_outcome::not_enough_chars, ""},  // too short is told first
        {2, "\xe9\xe9", alphabet_outcome::repeated_chars, ""},
        {2, "\xe9\xea", alphabet_outcome::stored, "\xe9\xea"},
        {64, std::string(high_alphabet(64)), alphabet_outcome::stored, high_alphabet(64)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        conversion_engine engine;
        engine.change_radix(c.radix);
        EXPECT_EQ(engine.store_custom_alphabet(c.text.data(), c.text.size()), c.outcome);
        EXPECT_EQ(engine.custom_alphabet_ready(), c.outcome == alphabet_outcome::stored);
        EXPECT_EQ(std::string(engine.custom_alphabet_in_force().chars), c.stored);
    }
}

TEST(EngineAlphabets, RefusedTextKeepsTheStoredAlphabetButItIsNoLongerReady)
{
    conversion_engine engine;
    engine.change_radix(4);
    engine.store_custom_alphabet("wxyz", 4);
    engine.choose_alphabet(alphabet_choice::custom_alphabet);
    EXPECT_EQ(engine.store_custom_alphabet("abab", 4), alphabet_outcome::repeated_chars);
    EXPECT_FALSE(engine.custom_alphabet_ready());
    EXPECT_STREQ(engine.custom_alphabet_in_force().chars, "wxyz");
    EXPECT_EQ(engine.alphabet(), alphabet_choice::custom_alphabet);
    EXPECT_EQ(std::string(engine.from_hex("1B", 2).basex), "xyz");  // 27 is 123 in radix 4
    // Each radix keeps its own; a radix change leaves readiness to the next store.
    engine.change_radix(10);
    EXPECT_STREQ(engine.custom_alphabet_in_force().chars, "");
    engine.change_radix(4);
    EXPECT_STREQ(engine.custom_alphabet_in_force().chars, "wxyz");
}

TEST(EngineAlphabets, CustomChosenWithNoneStoredWritesNulsAndReadsNothing)
{
    conversion_engine engine;
    engine.change_radix(10);
    engine.choose_alphabet(alphabet_choice::custom_alphabet);
    const conversion_result out = engine.from_hex("4142", 4);
    EXPECT_EQ(std::string(out.basex), std::string(5, '\0'));
    EXPECT_EQ(out.counts.basex_chars, 5u);
    const conversion_result in = engine.from_basex("16706", 5);
    EXPECT_TRUE(in.source_filtered);
    EXPECT_EQ(in.basex, "");
    EXPECT_EQ(std::string(in.hex), "0");
}

TEST(EngineCapacity, ASmallerCapacityBoundsEverySource)
{
    conversion_engine engine(100);
    EXPECT_EQ(engine.capacity(), 100u);
    EXPECT_EQ(engine.max_hex_chars(), 201u);
    EXPECT_EQ(engine.max_basex_chars(), 807u);
    const std::string bytes(150, 'Z');
    EXPECT_EQ(engine.from_bytes(bytes.data(), bytes.size()).counts.bytes, 100u);
    for (uint32_t radix : {2u, 10u, 16u, 36u, 60u, 64u}) {
        SCOPED_TRACE(radix);
        engine.change_radix(radix);
        const std::string largest(engine.from_hex(std::string(200, 'F').data(), 200).basex);
        const std::string too_big(engine.from_hex(("1" + std::string(200, '0')).data(), 201).basex);
        const conversion_result fits = engine.from_basex(largest.data(), largest.size());
        EXPECT_EQ(fits.status, BASEX_OK);
        EXPECT_EQ(std::string(fits.hex), std::string(200, 'F'));
        EXPECT_EQ(engine.from_basex(too_big.data(), too_big.size()).status, TOO_BIG);
    }
}

TEST(EngineLife, TheEngineStartsTheLibraryAndItsEndReleasesIt)
{
    ASSERT_EQ(current_context(), nullptr);
    for (int round = 0; round < 2; ++round) {
        {
            conversion_engine engine;
            ASSERT_NE(current_context(), nullptr);
            // 32,767 bytes and the headroom byte in full words, and the library's spare word.
            EXPECT_EQ(current_context()->max_words, 8193);
            EXPECT_EQ(engine.alphabet(), alphabet_choice::default_alphabet);
            EXPECT_FALSE(engine.custom_alphabet_ready());
        }
        EXPECT_EQ(current_context(), nullptr);
    }
}

}  // namespace
