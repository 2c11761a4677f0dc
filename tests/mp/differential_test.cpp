// Reading and writing numbers in every radix against the reference (GMP natively, schoolbook code under
// Windows): random values from one word up to max_words words of the application's start-up.
#include <algorithm>
#include <functional>
#include <random>

#include "tests/mp/support.h"

#include "mp/number.h"

namespace {

const char BASE64_DIGITS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Word counts of the random values of each radix: the short ones, then a spread up to a few hundred.
std::vector<int> value_sizes(uint32_t seed)
{
    std::mt19937 generator(seed);
    std::vector<int> sizes = {1, 2, 3, 4};
    for (int i = 0; i < 8; ++i)
        sizes.push_back(5 + static_cast<int>(generator() % 60));
    sizes.push_back(300);
    return sizes;
}

class TextRadixTest : public MpTest, public ::testing::WithParamInterface<int> {};

TEST_P(TextRadixTest, WritingMatchesTheReference)
{
    const int radix = GetParam();
    bignum x = number();
    for (int words : value_sizes(static_cast<uint32_t>(radix))) {
        const byte_value v = random_value(static_cast<uint32_t>(radix * 1000 + words), words);
        set_value(x, v);
        const std::string expected = oracle_text(v, radix);
        EXPECT_EQ(write_number(x, radix), expected) << words << " words";
        set_value(x, v, true);
        EXPECT_EQ(write_number(x, radix), "-" + expected) << words << " words";
    }
}

TEST_P(TextRadixTest, ReadingMatchesTheReference)
{
    const int radix = GetParam();
    bignum x = number();
    for (int words : value_sizes(static_cast<uint32_t>(radix) + 77)) {
        const byte_value v = random_value(static_cast<uint32_t>(radix * 2000 + words), words);
        const std::string text = oracle_text(v, radix);
        EXPECT_EQ(read_number(x, text, radix), static_cast<int>(text.size()));
        EXPECT_EQ(value_of(x), v) << words << " words";
        EXPECT_EQ(read_number(x, "-" + text, radix), static_cast<int>(text.size()) + 1);
        bool negative;
        EXPECT_EQ(value_of(x, &negative), v);
        EXPECT_TRUE(negative);
    }
}

INSTANTIATE_TEST_SUITE_P(Radixes, TextRadixTest, ::testing::Range(2, 61));

// Full-size values: max_words words, the largest number the application's start-up allows.
#ifdef MP_TEST_REDUCED
const int full_size_radixes[] = {10, 60};
#else
const int full_size_radixes[] = {3, 7, 10, 36, 59, 60};
#endif

class FullSizeTest : public MpTest, public ::testing::WithParamInterface<int> {};

TEST_P(FullSizeTest, MaxWordsValuesWriteAsTheReference)
{
    const int radix = GetParam();
    bignum x = number();
    const byte_value v = random_value(static_cast<uint32_t>(radix), ctx->max_words);
    set_value(x, v);
    EXPECT_EQ(write_number(x, radix), oracle_text(v, radix));
}

// The largest value the application converts, 65536 hex digits (one word less than max_words): reading
// its text takes the running power of the text's word base one word further.
TEST_P(FullSizeTest, LargestApplicationValuesReadAsTheReference)
{
    const int radix = GetParam();
    const byte_value v = random_value(static_cast<uint32_t>(radix) + 1, ctx->max_words - 1);
    const std::string text = oracle_text(v, radix);
    bignum y = number();
    EXPECT_EQ(read_number(y, text, radix), static_cast<int>(text.size()));
    EXPECT_EQ(value_of(y), v);
}

INSTANTIATE_TEST_SUITE_P(Radixes, FullSizeTest, ::testing::ValuesIn(full_size_radixes));

// Radix 64 and the raw-byte radixes have no counterpart in GMP: their digits are checked against the
// schoolbook digits, and the text reads back to the same value.
class DigitRadixTest : public MpTest, public ::testing::WithParamInterface<int> {};

TEST_P(DigitRadixTest, DigitsMatchTheReferenceAndReadBack)
{
    const int radix = GetParam();
    bignum x = number();
    bignum y = number();
    for (int words : {1, 2, 5, 17, 64}) {
        const byte_value v = random_value(static_cast<uint32_t>(radix * 3000 + words), words);
        set_value(x, v);
        std::string expected;
        for (uint32_t d : schoolbook_digits(v, static_cast<uint32_t>(radix))) {
            expected += radix == 64 ? BASE64_DIGITS[d] : static_cast<char>(static_cast<unsigned char>(d));
        }
        if (radix == 64) {
            while (expected.size() % 3 != 0)
                expected += '=';
        }
        const std::string text = write_number(x, radix);
        EXPECT_EQ(text, expected) << words << " words";
        EXPECT_EQ(read_number_exact(y, text, radix), static_cast<int>(text.size()));
        EXPECT_EQ(value_of(y), v) << words << " words";
    }
}

std::vector<int> digit_radixes()
{
    std::vector<int> radixes = {61, 62, 63, 64};
    for (int r = 65; r <= 256; ++r)
        radixes.push_back(r);
    return radixes;
}

INSTANTIATE_TEST_SUITE_P(Radixes, DigitRadixTest, ::testing::ValuesIn(digit_radixes()));

// Bytes and digit values in and out (cinbytes, cotbytes, cindigits, cotdigits) against the reference's
// schoolbook digits, in the binary working packing (radix 16) and in a decimal one, where the bytes
// pass through cbase; with leading zeros, which cost nothing.
class ValueFormTest : public MpTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(ValueFormTest, BytesAndDigitValuesMatchTheReferenceInBothPackings)
{
    const uint32_t working = GetParam();
    start(65536, working);
    bignum x = number();
    for (uint32_t radix : {2u, 3u, 10u, 16u, 36u, 60u, 61u, 64u, 85u, 255u, 256u}) {
        for (int words : {0, 1, 2, 5, 17, 300}) {
            const byte_value v = words == 0 ? byte_value{} : random_value(radix * 4000 + words, words);
            const std::string where = std::to_string(radix) + ", " + std::to_string(words) + " words";
            byte_value padded(3 + v.size(), 0);
            std::copy(v.begin(), v.end(), padded.begin() + 3);
            ASSERT_EQ(cinbytes(x, padded.data(), static_cast<int32_t>(padded.size())), static_cast<int>(padded.size()));
            ASSERT_EQ(value_of(x), v) << where;
            byte_value out(4 * v.size() + 8, 0xEE);
            out.resize(static_cast<size_t>(cotbytes(x, out.data())));
            EXPECT_EQ(out, v) << where;

            std::vector<uint32_t> expected = schoolbook_digits(v, radix);
            if (expected.empty())
                expected.push_back(0);  // zero is one 0 digit
            std::vector<uint8_t> digits(8 * v.size() + 8, 0xEE);
            ctx->io_base = static_cast<int32_t>(radix);
            digits.resize(static_cast<size_t>(cotdigits(x, digits.data())));
            EXPECT_EQ(std::vector<uint32_t>(digits.begin(), digits.end()), expected) << where;
            digits.resize(digits.size() + 2, 0);
            std::rotate(digits.rbegin(), digits.rbegin() + 2, digits.rend());  // two leading zeros
            clear_number(x);
            EXPECT_EQ(cindigits(x, digits.data(), static_cast<int32_t>(digits.size())), static_cast<int>(digits.size()));
            ctx->io_base = 16;
            EXPECT_EQ(value_of(x), v) << where;
            EXPECT_EQ(ctx->error_number, MP_ERROR_NONE) << where;
        }
    }
}

TEST_P(ValueFormTest, RefusedInputIsANamedErrorAndLeavesTheInstanceGoing)
{
    start(64, GetParam());  // room for 8 words and the spare
    ctx->errors_return = 1;
    bignum x = number();
    const std::vector<uint8_t> digit_too_big = {1, 2, 10};
    const byte_value too_many_bytes(4 * ctx->max_words + 1, 0x80);
    struct refusal {
        const char* what;
        std::function<int()> call;
        mp_error error;
    } cases[] = {
        {"a digit value of 10 in radix 10", [&] { ctx->io_base = 10; return cindigits(x, digit_too_big.data(), 3); },
         MP_ERROR_INPUT_FORMAT},
        {"bytes beyond max_words", [&] { return cinbytes(x, too_many_bytes.data(), static_cast<int32_t>(too_many_bytes.size())); },
         MP_ERROR_OVERFLOW},
        {"digits beyond the text capacity", [&] {
             ctx->io_base = 2;
             const std::vector<uint8_t> ones(static_cast<size_t>(cinstr_digit_capacity(2)) + 1, 1);
             return cindigits(x, ones.data(), static_cast<int32_t>(ones.size()));
         }, MP_ERROR_OVERFLOW},
        {"radix 257", [&] { ctx->io_base = 257; uint8_t out[8]; return cotdigits(x, out); }, MP_ERROR_BASE_TOO_BIG},
    };
    for (const refusal& c : cases) {
        ctx->error_number = MP_ERROR_NONE;
        EXPECT_EQ(c.call(), 0) << c.what;
        EXPECT_EQ(ctx->error_number, c.error) << c.what;
    }
    ctx->error_number = MP_ERROR_NONE;
    ctx->io_base = 10;
    const uint8_t digits[] = {2, 5, 5};
    EXPECT_EQ(cindigits(x, digits, 3), 3);
    uint8_t byte = 0;
    EXPECT_EQ(cotbytes(x, &byte), 1);
    EXPECT_EQ(byte, 0xFF);
}

INSTANTIATE_TEST_SUITE_P(WorkingPackings, ValueFormTest, ::testing::Values(16u, 10u));

}  // namespace
