// Long division: quotient * divisor + remainder = dividend with truncation toward zero, in every word
// base, with the aliasing forms and the hard estimates.
#include <random>

#include "tests/mp/support.h"

#include "mp/divide.h"
#include "mp/number.h"

namespace {

struct signed_value {
    byte_value magnitude;
    bool negative;
};

// Checks z = x / y, r = x mod y: |q| * |y| + |r| = |x|, |r| < |y|, the quotient's sign is the XOR of
// the operands' (when non-zero) and the remainder's that of the dividend (when non-zero).
void expect_division(const signed_value& x, const signed_value& y, bignum quotient, bignum remainder)
{
    bool q_negative;
    bool r_negative;
    const byte_value q = value_of(quotient, &q_negative);
    const byte_value r = value_of(remainder, &r_negative);
    EXPECT_EQ(schoolbook_mul_add(q, y.magnitude, r), x.magnitude)
        << value_to_hex(x.magnitude) << " / " << value_to_hex(y.magnitude);
    EXPECT_LT(compare_values(r, y.magnitude), 0);
    EXPECT_EQ(q_negative, !q.empty() && (x.negative != y.negative));
    EXPECT_EQ(r_negative, !r.empty() && x.negative);
}

TEST_F(MpTest, DivisionTruncatesTowardZero)
{
    struct {
        int32_t x, y, q, r;
    } cases[] = {
        {7, -2, -3, 1}, {-7, 2, -3, -1}, {-7, -2, 3, -1}, {7, 2, 3, 1}, {5, 7, 0, 5}, {-5, 7, 0, -5}, {6, -3, -2, 0},
    };
    bignum x = number();
    bignum y = number();
    bignum z = number();
    for (const auto& c : cases) {
        set_from_int(c.x, x);
        set_from_int(c.y, y);
        divide(x, y, z);
        EXPECT_EQ(write_number(z, 10), std::to_string(c.q)) << c.x << " / " << c.y;
        EXPECT_EQ(write_number(x, 10), std::to_string(c.r)) << c.x << " / " << c.y;
        EXPECT_EQ(write_number(y, 10), std::to_string(c.y)) << "the divisor is unchanged";
    }
}

// Working packings: full words, and powers of 10, 3, 60, 7 and 2^31 as the word base.
const uint32_t working_radixes[] = {16, 10, 3, 60, 7, 0x80000000u};

class DivideTest : public MpTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    void SetUp() override { start(-4000, GetParam()); }

    // Divides x by y three ways (separate result, z = x, z = y) and checks each.
    void check(const signed_value& a, const signed_value& b)
    {
        bignum x = number();
        bignum y = number();
        bignum z = number();
        set_value(x, a.magnitude, a.negative);
        set_value(y, b.magnitude, b.negative);
        divide(x, y, z);
        expect_division(a, b, z, x);
        bool negative;
        EXPECT_EQ(value_of(y, &negative), b.magnitude) << "divisor restored";
        EXPECT_EQ(negative, b.negative);

        bignum quotient_only = number();
        set_value(quotient_only, a.magnitude, a.negative);
        divide(quotient_only, y, quotient_only);
        EXPECT_EQ(compare_numbers(quotient_only, z), 0) << "z = x gives the quotient in x";

        bignum remainder_only = number();
        set_value(remainder_only, a.magnitude, a.negative);
        divide(remainder_only, y, y);
        EXPECT_EQ(compare_numbers(remainder_only, x), 0) << "z = y gives the remainder in x";
        EXPECT_EQ(value_of(y), b.magnitude) << "z = y leaves y unchanged";
        EXPECT_EQ(ctx->overflow_check, 1);
        EXPECT_EQ(ctx->call_depth, 0);
    }
};

TEST_P(DivideTest, RandomOperandsDivideExactly)
{
    std::mt19937 generator(GetParam() * 7 + 1);
    for (int round = 0; round < 40; ++round) {
        const int divisor_words = 1 + static_cast<int>(generator() % 20);
        const int dividend_words = static_cast<int>(generator() % 45) + 1;
        check({random_value(generator(), dividend_words), generator() % 2 != 0},
              {random_value(generator(), divisor_words), generator() % 2 != 0});
    }
}

TEST_P(DivideTest, LargeOperandsDivideExactly)
{
    check({random_value(901, 600), true}, {random_value(902, 250), false});
    check({random_value(903, 400), false}, {random_value(904, 399), true});
}

// Value of words (most significant first) in the current word base.
byte_value value_from_words(const std::vector<uint32_t>& words, uint32_t word_base)
{
    if (word_base != 0)
        return schoolbook_value(words, word_base);
    std::vector<uint32_t> digits;
    for (uint32_t w : words) {
        digits.push_back(w >> 16);
        digits.push_back(w & 0xFFFF);
    }
    return schoolbook_value(digits, 65536);
}

// Divisors whose top word is the largest word (normalising factor 1) or 1 (the largest factor), and
// dividends made of extreme words, where the quotient estimates run high.
TEST_P(DivideTest, ExtremeWordsDivideExactly)
{
    const uint32_t base = ctx->word_base;
    const uint32_t m = base - 1;  // 2^32 - 1 in full words
    const uint32_t h = base == 0 ? 0x80000000u : base / 2;
    const std::vector<uint32_t> dividends[] = {
        {m, m, m, m},  {1, 0, 0, 0, 0},    {m, 0, 0, m},          {h, 0, 0, 1},
        {h - 1, m, 0}, {m, m, m, m, m, m}, {1, 0, 0, 0, 0, 0, 0},
    };
    const std::vector<uint32_t> divisors[] = {
        {m, 12345}, {1, m}, {1, 0},     {1, 0, m, m}, {m, m},    {m, 0, 1},
        {1, 0, 1},  {h, 0}, {h - 1, m}, {1, m, m},    {m, m, m}, {h, 0, 0},
    };
    for (const auto& dividend : dividends) {
        for (const auto& divisor : divisors) {
            check({value_from_words(dividend, base), false}, {value_from_words(divisor, base), true});
        }
    }
}

// Operands where the quotient word estimated from the top words, even after its correction against the
// divisor's second word, is one too large, so that the divisor is added back (found by search).
TEST_F(MpTest, EstimateOneTooLargeIsAddedBack)
{
    struct {
        uint32_t radix;
        std::vector<uint32_t> dividend, divisor;
    } cases[] = {
        {16, {0x7FFFFFFFu, 0, 0, 0x80000000u}, {0x80000000u, 0, 0x80000000u}},
        {16, {4294967293u, 2147483649u, 4294967294u, 2147483647u}, {4294967295u, 2147483649u, 2147483648u}},
        {10, {999999997, 999999998, 999999997, 1}, {999999998, 999999997, 999999998}},
        {10, {500000001, 999999998, 499999999, 0}, {999999999, 999999997, 999999998}},
    };
    for (const auto& c : cases) {
        start(1000, c.radix);
        const byte_value a = value_from_words(c.dividend, ctx->word_base);
        const byte_value b = value_from_words(c.divisor, ctx->word_base);
        bignum x = number();
        bignum y = number();
        bignum z = number();
        set_value(x, a);
        set_value(y, b);
        divide(x, y, z);
        expect_division({a, false}, {b, false}, z, x);
    }
}

INSTANTIATE_TEST_SUITE_P(WordBases, DivideTest, ::testing::ValuesIn(working_radixes));

TEST_F(MpTest, NormaliseBringsTheTopWordNearTheWordBase)
{
    struct {
        uint32_t radix;
        const char* value;
        uint32_t factor;
    } cases[] = {
        {16, "FFFFFFFF00000000", 1},   {16, "100000000", 0x80000000u}, {16, "7FFFFFFF00000000", 2},
        {10, "999999999000000000", 1}, {10, "1000000000", 500000000},  {10, "499999999000000000", 2},
    };
    for (const auto& c : cases) {
        start(1000, c.radix);
        bignum x = number();
        bignum y = number();
        read_number(x, c.value, c.radix);
        EXPECT_EQ(normalise(x, y), c.factor) << c.value;
        const uint64_t base = ctx->word_base == 0 ? (1ull << 32) : ctx->word_base;
        const uint32_t top = y->digits[word_count(y) - 1];
        EXPECT_GE(top, base / 2) << c.value;
        EXPECT_EQ(word_count(y), word_count(x));
    }
}

}  // namespace
