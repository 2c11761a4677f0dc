// Fractions: packing, taking apart, and carrying them across word bases unreduced.
#include "tests/mp/support.h"

#include "mp/cbase.h"
#include "mp/flash.h"
#include "mp/number.h"
#include "mp/word_ops.h"

namespace {

struct pack_case {
    int32_t n, d;
    uint32_t length_word;
    std::vector<uint32_t> words;
    const char* numerator;
    const char* denominator;
};

const pack_case pack_cases[] = {
    {5, 1, 1, {5}, "5", "1"},
    {5, -1, 0x80000001u, {5}, "-5", "1"},
    {-5, -1, 1, {5}, "5", "1"},
    {0, 7, 0, {}, "0", "1"},
    {1, 7, 0x10000u, {7}, "1", "7"},
    {-1, 7, 0x80010000u, {7}, "-1", "7"},
    {6, 4, 0x10001u, {6, 4}, "6", "4"},
    {-3, 4, 0x80010001u, {3, 4}, "-3", "4"},
    {3, -4, 0x80010001u, {3, 4}, "-3", "4"},
};

TEST_F(MpTest, FpackLaysOutNumeratorAndDenominatorAsStored)
{
    bignum n = number();
    bignum d = number();
    bignum f = number();
    bignum part = number();
    for (const pack_case& c : pack_cases) {
        set_from_int(c.n, n);
        set_from_int(c.d, d);
        fpack(n, d, f);
        EXPECT_EQ(f->length_word, c.length_word) << c.n << "/" << c.d;
        for (size_t i = 0; i < c.words.size(); ++i)
            EXPECT_EQ(f->digits[i], c.words[i]) << c.n << "/" << c.d;
        EXPECT_EQ(f->digits[c.words.size()], 0u) << "nothing beyond the parts";
        numerator_of(f, part);
        EXPECT_EQ(write_packed(part), c.numerator) << c.n << "/" << c.d;
        denominator_of(f, part);
        EXPECT_EQ(write_packed(part), c.denominator) << c.n << "/" << c.d;
    }
}

TEST_F(MpTest, FpackResultMayBeTheNumerator)
{
    bignum n = number(-7);
    bignum d = number(9);
    fpack(n, d, n);
    EXPECT_EQ(write_number(n, 10), "-7/9");
}

TEST_F(MpTest, PartsOfAFractionComeOutInPlace)
{
    bignum x = number();
    read_number(x, "-123456789ABCDEF0123/FEDCBA98765432100", 16);
    bignum copy = number();
    copy_number(x, copy);
    numerator_of(copy, copy);
    EXPECT_EQ(write_number(copy, 16), "-123456789ABCDEF0123");
    copy_number(x, copy);
    denominator_of(copy, copy);
    EXPECT_EQ(write_number(copy, 16), "FEDCBA98765432100");
    EXPECT_EQ(stored_length(copy), 3);
    for (int i = 3; i < 8; ++i)
        EXPECT_EQ(copy->digits[i], 0u) << "words past the denominator are cleared";
    // Of an integer: the numerator is the integer, the denominator 1, also in place.
    read_number(x, "-42", 10);
    numerator_of(x, copy);
    EXPECT_EQ(write_number(copy, 10), "-42");
    denominator_of(x, x);
    EXPECT_EQ(write_number(x, 10), "1");
}

TEST_F(MpTest, FractionsFitTwiceMaxWordsOnlyWithoutOverflowCheck)
{
    start(80, 16);  // max_words 11
    bignum n = ctx->scratch2;
    bignum d = ctx->scratch3;
    bignum f = ctx->scratch10;
    set_from_int(3, n);
    mp_shift(n, ctx->max_words - 1, n);
    copy_number(n, d);
    ctx->overflow_check = 0;
    fpack(n, d, f);
    EXPECT_EQ(stored_length(f), 2 * ctx->max_words);
    EXPECT_EQ(ctx->error_number, 0);
    ctx->overflow_check = 1;
    ctx->errors_return = 1;
    fpack(n, d, f);
    EXPECT_EQ(ctx->error_number, 13);
}

// Radix change keeps numerator and denominator apart and unreduced, and gives a negative result for a
// negative number.
TEST_F(MpTest, RadixChangeCarriesFractionsUnreduced)
{
    const char* texts[] = {"15/10", "-15/10", "3/4", "0", "-1/1000000000000", "123456789012345678901234567890/7"};
    bignum x = number();
    for (const char* t : texts) {
        read_number(x, t, 10);
        EXPECT_EQ(write_number(x, 10), t);
    }
}

TEST_F(MpTest, RadixChangeBetweenFullWordsAndPowersOfTenGivesTheWordsBack)
{
    bignum x = number();
    bignum y = number();
    set_value(x, random_value(77, 30), true);
    // 2^32 words into 10^9 words and back.
    choose_word_base(10);
    cbase(x, 0, y);
    EXPECT_EQ(ctx->word_base, 1000000000u);
    for (int32_t i = 0; i < word_count(y); ++i)
        EXPECT_LT(y->digits[i], 1000000000u);
    bignum back = number();
    choose_word_base(16);
    cbase(y, 1000000000u, back);
    EXPECT_EQ(compare_numbers(back, x), 0);
    // The worked example: 3 * 10^9 + 7 in one full word becomes the words 7 and 3.
    read_number(x, "3000000007", 10);
    ASSERT_EQ(word_count(x), 1);
    choose_word_base(10);
    cbase(x, 0, y);
    EXPECT_EQ(y->length_word, 2u);
    EXPECT_EQ(y->digits[0], 7u);
    EXPECT_EQ(y->digits[1], 3u);
    // Equal word bases copy, fractions included; x = y works.
    cbase(y, 1000000000u, y);
    EXPECT_EQ(y->digits[1], 3u);
    choose_word_base(16);
}

}  // namespace
