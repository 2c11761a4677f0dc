// Hex and Base64 codecs against independent references: RFC 4648 vectors, a bit-stream Base64
// encoder written here, printf-formatted hex, and round trips over random lengths up to 32767 bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/codecs.h"

namespace {

std::string hex_of(const std::string& bytes)
{
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    std::vector<char> out(2 * data.size() + 1, '#');
    int n = hex_encode(data.data(), out.data(), static_cast<uint32_t>(data.size()));
    EXPECT_EQ(n, static_cast<int>(2 * data.size()));
    return std::string(out.data());
}

// Decodes text as hex; returns the bytes and reports the count returned and the byte after them.
std::string unhex(const std::string& text, int* count = nullptr)
{
    std::vector<uint8_t> out(text.size() + 2, 0xEE);
    int n = hex_decode(out.data(), text.c_str(), static_cast<uint32_t>(text.size()));
    if (count)
        *count = n;
    return std::string(out.begin(), out.begin() + n);
}

std::string b64_of(const std::string& bytes)
{
    std::vector<char> out(4 * (bytes.size() / 3 + 1) + 1, '#');
    int n =
        base64_encode(reinterpret_cast<const uint8_t*>(bytes.data()), out.data(), static_cast<uint32_t>(bytes.size()));
    std::string s(out.data(), n);
    if (n > 0) {
        EXPECT_EQ(out[n], '\0');
    }
    return s;
}

std::string unb64(const std::string& text)
{
    std::vector<uint8_t> out(3 * (text.size() / 4 + 1) + 1, 0xEE);
    int n = base64_decode(text.c_str(), out.data());
    EXPECT_EQ(out[n], 0) << "NUL after the decoded bytes";
    return std::string(out.begin(), out.begin() + n);
}

// Reference: Base64 as a stream of 6-bit groups, padded with zero bits, no "=".
std::string reference_base64(const std::vector<uint8_t>& data)
{
    static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    uint32_t acc = 0;
    int bits = 0;
    for (uint8_t b : data) {
        acc = (acc << 8) | b;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out += alphabet[(acc >> bits) & 63];
        }
    }
    if (bits > 0)
        out += alphabet[(acc << (6 - bits)) & 63];
    return out;
}

std::vector<uint8_t> random_bytes(std::mt19937& rng, size_t n)
{
    std::vector<uint8_t> v(n);
    for (auto& b : v)
        b = static_cast<uint8_t>(rng());
    return v;
}

std::vector<size_t> sample_lengths()
{
    std::vector<size_t> lengths = {0, 1, 2, 3, 4, 5, 6, 7, 255, 256, 32765, 32766, 32767};
    std::mt19937 rng(20261207);
    for (int i = 0; i < 40; ++i)
        lengths.push_back(rng() % 32768);
    return lengths;
}

TEST(Base64Codec, EncodesRfc4648VectorsWithoutPadding)
{
    struct Case {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"f", "Zg"}, {"fo", "Zm8"}, {"foo", "Zm9v"}, {"foob", "Zm9vYg"}, {"fooba", "Zm9vYmE"}, {"foobar", "Zm9vYmFy"},
        {"M", "TQ"}, {"Ma", "TWE"}, {"Man", "TWFu"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(b64_of(c.bytes), c.text) << c.bytes;
}

TEST(Base64Codec, EmptyInputWritesNothing)
{
    char out[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(base64_encode(reinterpret_cast<const uint8_t*>(""), out, 0), 0);
    EXPECT_EQ(out[0], '#');
}

TEST(Base64Codec, DecodesRfc4648VectorsWithAndWithoutPadding)
{
    struct Case {
        const char* text;
        const char* bytes;
    } cases[] = {
        {"", ""},        {"Zg==", "f"},        {"Zg", "f"},           {"Zm8=", "fo"},         {"Zm8", "fo"},
        {"Zm9v", "foo"}, {"Zm9vYg==", "foob"}, {"Zm9vYmE=", "fooba"}, {"Zm9vYmFy", "foobar"}, {"TWE=", "Ma"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unb64(c.text), c.bytes) << c.text;
}

TEST(Base64Codec, DecodingStopsAtFirstCharacterOutsideTheAlphabet)
{
    struct Case {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"T", ""},              // one character makes no byte
        {"TW Fu", "M"},         // the blank ends the group after its first byte
        {"TWFu\nTWFu", "Man"},  // a line break ends decoding
        {"TWFu-TWFu", "Man"},
        {"TWFu\xC3TWFu", "Man"},  // codes above 127 are not digits
        {"TWFu\xFF", "Man"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unb64(c.text), c.bytes) << c.text;
}

TEST(Base64Codec, MatchesReferenceAndRoundTripsOverRandomLengths)
{
    std::mt19937 rng(4648);
    for (size_t len : sample_lengths()) {
        std::vector<uint8_t> data = random_bytes(rng, len);
        std::string text = b64_of(std::string(data.begin(), data.end()));
        ASSERT_EQ(text, reference_base64(data)) << "length " << len;
        ASSERT_EQ(unb64(text), std::string(data.begin(), data.end())) << "length " << len;
    }
}

TEST(HexCodec, EncodesUpperCaseTwoDigitsPerByte)
{
    EXPECT_EQ(hex_of(std::string("\x00\xAB\xFF", 3)), "00ABFF");
    EXPECT_EQ(hex_of(""), "");
}

TEST(HexCodec, DecodesEitherCaseAndOddLengths)
{
    struct Case {
        std::string text;
        std::string bytes;
        int count;
    } cases[] = {
        {"abCD", "\xAB\xCD", 2},
        {"A", "\x0A", 1},
        {"ABC", std::string("\x0A\xBC", 2), 2},
        {"12G4", "\x12", 1},
        {"0001", std::string("\x00\x01", 2), 2},
        {"fF", "\xFF", 1},
        {"1\xC1", "", 0},  // a code above 127 is no digit
    };
    for (const auto& c : cases) {
        int n = -1;
        EXPECT_EQ(unhex(c.text, &n), c.bytes) << c.text;
        EXPECT_EQ(n, c.count) << c.text;
    }
}

TEST(HexCodec, BadStartsDecodeNothing)
{
    // Even length, bad first pair: nothing decoded, the terminator is written.
    uint8_t out[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(hex_decode(out, "G1", 2), 0);
    EXPECT_EQ(out[0], 0);
    // Odd length with a bad first digit, and the empty text: the output stays untouched.
    std::memset(out, 0xEE, sizeof out);
    EXPECT_EQ(hex_decode(out, "G", 1), 0);
    EXPECT_EQ(out[0], 0xEE);
    EXPECT_EQ(hex_decode(out, "", 0), 0);
    EXPECT_EQ(out[0], 0xEE);
}

TEST(HexCodec, ReadsOnlyTheGivenLength)
{
    uint8_t out[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(hex_decode(out, "FFFF", 2), 1);
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_EQ(out[1], 0);
}

TEST(HexCodec, MatchesPrintfAndRoundTripsOverRandomLengths)
{
    std::mt19937 rng(1616);
    for (size_t len : sample_lengths()) {
        std::vector<uint8_t> data = random_bytes(rng, len);
        std::string expected;
        for (uint8_t b : data) {
            char two[3];
            std::snprintf(two, sizeof two, "%02X", b);
            expected += two;
        }
        std::string text = hex_of(std::string(data.begin(), data.end()));
        ASSERT_EQ(text, expected) << "length " << len;
        std::string lower = text;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        ASSERT_EQ(unhex(lower), std::string(data.begin(), data.end())) << "length " << len;
    }
}

TEST(DigitMaps, HoldExactlyTheAlphabetCharacters)
{
    struct Case {
        const digit_alphabet& map;
        const char* digits;
        bool either_case;
    } cases[] = {
        {HEX_DIGIT_MAP, "0123456789ABCDEF", true},
        {ALPHA60_DIGIT_MAP, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx", false},
        {BASE64_DIGIT_MAP, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/", false},
    };
    for (const auto& c : cases) {
        for (int code = 0; code < 256; ++code) {
            const char* at = code == 0 ? nullptr : std::strchr(c.digits, code);
            if (!at && c.either_case && code >= 'a' && code <= 'f')
                at = std::strchr(c.digits, code - 'a' + 'A');
            int expected = at ? static_cast<int>(at - c.digits) : 255;
            EXPECT_EQ(c.map[static_cast<unsigned char>(code)], expected) << c.digits << " code " << code;
        }
    }
}

// The decoders read through the maps: every byte code decodes as the map says, on the first call.
TEST(DigitMaps, DecodersReadEveryCodeAsTheMapsSay)
{
    for (int code = 1; code < 256; ++code) {
        const char pair[3] = {'0', static_cast<char>(code), 0};
        uint8_t out[4] = {};
        const uint8_t hex = HEX_DIGIT_MAP[static_cast<unsigned char>(code)];
        EXPECT_EQ(hex_decode(out, pair, 2), hex == NOT_A_DIGIT ? 0 : 1) << code;
        if (hex != NOT_A_DIGIT) {
            EXPECT_EQ(out[0], hex) << code;
        }
        const char quad[5] = {static_cast<char>(code), 'A', 'A', 'A', 0};
        const uint8_t b64 = BASE64_DIGIT_MAP[static_cast<unsigned char>(code)];
        EXPECT_EQ(base64_decode(quad, out), b64 == NOT_A_DIGIT ? 0 : 3) << code;
        if (b64 != NOT_A_DIGIT) {
            EXPECT_EQ(out[0], b64 << 2) << code;
        }
    }
}

}  // namespace
