// The schoolbook radix change on its own (cbase may take a faster road): words of one word base into
// another, against the reference's digits in each word base.
#include <random>

#include "tests/mp/support.h"

#include "mp/cbase_schoolbook.h"
#include "mp/number.h"

namespace {

// Words of value in word_base (0: 2^32), least significant first.
std::vector<uint32_t> words_in(const byte_value& value, uint32_t word_base)
{
    std::vector<uint32_t> words;
    if (word_base == 0) {
        const std::vector<uint32_t> halves = schoolbook_digits(value, 65536);
        for (size_t i = halves.size(); i > 0; i -= std::min<size_t>(2, i)) {
            words.push_back(i >= 2 ? (halves[i - 2] << 16) | halves[i - 1] : halves[i - 1]);
        }
        return words;
    }
    const std::vector<uint32_t> digits = schoolbook_digits(value, word_base);
    return std::vector<uint32_t>(digits.rbegin(), digits.rend());
}

// x = numerator / denominator as laid out in words of word_base (an integer when denominator is empty).
void store(bignum x, const byte_value& numerator, const byte_value& denominator, bool negative, uint32_t word_base)
{
    clear_number(x);
    const std::vector<uint32_t> n = words_in(numerator, word_base);
    const std::vector<uint32_t> d = words_in(denominator, word_base);
    for (size_t i = 0; i < n.size(); ++i)
        x->digits[i] = n[i];
    for (size_t i = 0; i < d.size(); ++i)
        x->digits[n.size() + i] = d[i];
    x->length_word =
        static_cast<uint32_t>(n.size()) | static_cast<uint32_t>(d.size()) << 16 | (negative ? SIGN_BIT : 0);
}

struct base_pair {
    uint32_t from_radix;
    uint32_t to_radix;
};

const base_pair base_pairs[] = {
    {16, 10}, {10, 16}, {16, 3},           {3, 16},           {16, 60}, {60, 16},
    {10, 60}, {60, 7},  {16, 0x80000000u}, {0x80000000u, 10}, {2, 36},  {36, 256},
};

class SchoolbookRadixTest : public MpTest, public ::testing::WithParamInterface<base_pair> {};

TEST_P(SchoolbookRadixTest, WordsOfOneBaseBecomeWordsOfTheOther)
{
    const base_pair p = GetParam();
    start(-4000, 16);
    choose_word_base(p.from_radix);
    const uint32_t from = ctx->word_base;
    choose_word_base(p.to_radix);
    const uint32_t to = ctx->word_base;
    bignum x = number();
    bignum y = number();
    std::mt19937 generator(p.from_radix ^ p.to_radix);
    for (int words : {1, 2, 3, 9, 40, 250}) {
        const byte_value numerator = random_value(generator(), words);
        const byte_value denominator = random_value(generator(), 1 + words / 3);
        const bool negative = generator() % 2 != 0;
        // An integer, into another number.
        store(x, numerator, {}, negative, from);
        cbase_schoolbook(x, from, y);
        bignum expected = number();
        store(expected, numerator, {}, negative, to);
        EXPECT_EQ(compare_numbers(y, expected), 0) << words << " words";
        // A fraction, in place: both parts convert, unreduced, and the sign stays.
        store(x, numerator, denominator, negative, from);
        cbase_schoolbook(x, from, x);
        store(expected, numerator, denominator, negative, to);
        EXPECT_EQ(x->length_word, expected->length_word) << words << " words";
        for (int32_t i = 0; i < stored_length(expected); ++i)
            ASSERT_EQ(x->digits[i], expected->digits[i]) << i;
        EXPECT_EQ(ctx->call_depth, 0);
    }
    // Zero stays zero; scratch6 may be both source and result.
    clear_number(ctx->scratch6);
    cbase_schoolbook(ctx->scratch6, from, ctx->scratch6);
    EXPECT_EQ(ctx->scratch6->length_word, 0u);
    store(ctx->scratch6, random_value(3, 5), {}, true, from);
    store(x, random_value(3, 5), {}, true, to);
    cbase_schoolbook(ctx->scratch6, from, ctx->scratch6);
    EXPECT_EQ(compare_numbers(ctx->scratch6, x), 0);
    choose_word_base(16);
}

INSTANTIATE_TEST_SUITE_P(Pairs, SchoolbookRadixTest, ::testing::ValuesIn(base_pairs));

// The largest number of the application's start-up into words of 10^9 and back, as cotstr and cinstr
// carry it (overflow_check off towards the text's packing, on towards the working one).
TEST_F(MpTest, SchoolbookCarriesMaxWordsNumbersBothWays)
{
    const byte_value v = random_value(8193, ctx->max_words - 1);
    bignum x = ctx->scratch10;
    // Room for the value in the less dense packing, more than a number of max_words words.
    std::vector<uint32_t> expected_words(2 * static_cast<size_t>(ctx->max_words));
    bignum_record expected_record{0, expected_words.data()};
    bignum expected = &expected_record;
    store(x, v, {}, false, 0);
    choose_word_base(10);
    store(expected, v, {}, false, ctx->word_base);
    ctx->overflow_check = 0;
    cbase_schoolbook(x, 0, x);
    ctx->overflow_check = 1;
    ASSERT_EQ(word_count(x), word_count(expected));
    EXPECT_EQ(compare_numbers(x, expected), 0);
    choose_word_base(16);
    cbase_schoolbook(x, 1000000000u, x);
    store(expected, v, {}, false, 0);
    EXPECT_EQ(compare_numbers(x, expected), 0);
    EXPECT_EQ(ctx->error_number, 0);
}

}  // namespace
