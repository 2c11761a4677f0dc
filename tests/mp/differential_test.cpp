// Reading and writing numbers in every radix against the reference (GMP natively, schoolbook code under
// Windows): random values from one word up to max_words words of the application's start-up.
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

}  // namespace
