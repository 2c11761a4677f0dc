// Integer arithmetic in full words and in smaller word bases, against the reference.
#include <random>

#include "tests/mp/support.h"

#include "mp/add.h"
#include "mp/number.h"
#include "mp/word_ops.h"

namespace {

// Working packings: full words, and powers of 10, 3, 60 and 2^31 as the word base.
const uint32_t working_radixes[] = {16, 10, 3, 60, 0x80000000u};

class WordBaseTest : public MpTest, public ::testing::WithParamInterface<uint32_t> {
protected:
    void SetUp() override { start(-1000, GetParam()); }
};

TEST_P(WordBaseTest, SetFromIntStoresTheMagnitudeInWordsOfTheWordBase)
{
    const int32_t values[] = {0, 1, -1, 2147483647, -2147483647 - 1, 999999999, 1000000000, -777600000};
    bignum x = number();
    for (int32_t v : values) {
        set_from_int(v, x);
        const uint64_t magnitude = v < 0 ? 0ull - static_cast<int64_t>(v) : static_cast<uint64_t>(v);
        const uint64_t base = ctx->word_base == 0 ? (1ull << 32) : ctx->word_base;
        uint64_t rebuilt = 0;
        uint64_t power = 1;
        for (int32_t i = 0; i < word_count(x); ++i) {
            EXPECT_LT(x->digits[i], base);
            rebuilt += x->digits[i] * power;
            power *= base;
        }
        EXPECT_EQ(rebuilt, magnitude) << v;
        EXPECT_EQ(sign_of(x), v < 0 ? -1 : 1) << v;
        if (word_count(x) > 0) {
            EXPECT_NE(x->digits[word_count(x) - 1], 0u) << "normal form";
        } else {
            EXPECT_EQ(x->length_word, 0u);
        }
    }
}

TEST_P(WordBaseTest, AddFollowsTheSignTable)
{
    struct {
        int32_t x, y, sum;
    } cases[] = {
        {-2, -3, -5}, {-5, 3, -2}, {5, -3, 2}, {3, -5, -2}, {3, -3, 0}, {-3, 3, 0}, {0, -4, -4}, {7, 0, 7},
    };
    bignum x = number();
    bignum y = number();
    bignum z = number();
    for (const auto& c : cases) {
        set_from_int(c.x, x);
        set_from_int(c.y, y);
        add(x, y, z);
        EXPECT_EQ(write_number(z, 10), std::to_string(c.sum)) << c.x << " + " << c.y;
        EXPECT_EQ(write_number(x, 10), std::to_string(c.x)) << "operands keep their signs";
        EXPECT_EQ(write_number(y, 10), std::to_string(c.y));
        if (c.sum == 0) {
            EXPECT_EQ(z->length_word, 0u) << "no negative zero";
        }
    }
}

TEST_P(WordBaseTest, AddWorksWithEveryAliasing)
{
    bignum x = number();
    bignum y = number();
    const byte_value a = random_value(11, 40);
    const byte_value b = random_value(12, 25);
    const byte_value sum = schoolbook_mul_add(a, {1}, b);
    set_value(x, a);
    set_value(y, b);
    add(x, y, x);
    EXPECT_EQ(value_of(x), sum) << "z = x";
    set_value(x, a);
    add(x, y, y);
    EXPECT_EQ(value_of(y), sum) << "z = y (the shorter operand)";
    set_value(x, a);
    add(x, x, x);
    EXPECT_EQ(value_of(x), schoolbook_mul_add(a, {2}, {})) << "all three the same";
}

TEST_P(WordBaseTest, SignedAdditionMatchesTheReference)
{
    std::mt19937 generator(GetParam());
    bignum x = number();
    bignum y = number();
    bignum z = number();
    for (int round = 0; round < 60; ++round) {
        const byte_value a = random_value(generator(), 1 + static_cast<int>(generator() % 60));
        const byte_value b = round % 5 == 0 ? a : random_value(generator(), 1 + static_cast<int>(generator() % 60));
        const bool a_negative = generator() % 2 != 0;
        const bool b_negative = generator() % 2 != 0;
        set_value(x, a, a_negative);
        set_value(y, b, b_negative);
        add(x, y, z);
        bool z_negative;
        const byte_value result = value_of(z, &z_negative);
        if (a_negative == b_negative) {
            EXPECT_EQ(result, schoolbook_mul_add(a, {1}, b));
            EXPECT_EQ(z_negative, a_negative);
        } else {
            const int c = compare_values(a, b);
            const byte_value& larger = c >= 0 ? a : b;
            const byte_value& smaller = c >= 0 ? b : a;
            EXPECT_EQ(schoolbook_mul_add(result, {1}, smaller), larger);
            EXPECT_EQ(z_negative, c == 0 ? false : (c > 0 ? a_negative : b_negative));
        }
    }
}

TEST_P(WordBaseTest, MultiplyAndDivideByWordMatchTheReference)
{
    std::mt19937 generator(GetParam() + 1);
    const uint32_t multipliers[] = {1,         2,          3,           7,           10,         65536,
                                    999999999, 1000000000, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu};
    bignum x = number();
    bignum z = number();
    for (uint32_t m : multipliers) {
        const byte_value a = random_value(generator(), 1 + static_cast<int>(generator() % 50));
        set_value(x, a, true);
        multiply_by_word(x, m, z);
        bool negative;
        EXPECT_EQ(value_of(z, &negative),
                  schoolbook_mul_add(a,
                                     {static_cast<uint8_t>(m >> 24), static_cast<uint8_t>(m >> 16),
                                      static_cast<uint8_t>(m >> 8), static_cast<uint8_t>(m)},
                                     {}))
            << m;
        EXPECT_TRUE(negative);
        multiply_by_word(x, m, x);
        EXPECT_EQ(compare_numbers(x, z), 0) << "in place";

        set_value(x, a);
        const uint32_t r = divide_by_word(x, m, z);
        const byte_value m_bytes = {static_cast<uint8_t>(m >> 24), static_cast<uint8_t>(m >> 16),
                                    static_cast<uint8_t>(m >> 8), static_cast<uint8_t>(m)};
        const byte_value r_bytes = {static_cast<uint8_t>(r >> 24), static_cast<uint8_t>(r >> 16),
                                    static_cast<uint8_t>(r >> 8), static_cast<uint8_t>(r)};
        EXPECT_LT(r, m);
        EXPECT_EQ(schoolbook_mul_add(value_of(z), m_bytes, hex_to_value(value_to_hex(r_bytes))), a) << m;
        EXPECT_EQ(divide_by_word(x, m, x), r) << "in place";
        EXPECT_EQ(compare_numbers(x, z), 0);
    }
    set_value(x, random_value(5, 3));
    multiply_by_word(x, 0, x);
    EXPECT_EQ(x->length_word, 0u) << "times 0 in place";
}

TEST_P(WordBaseTest, ShiftMovesWholeWords)
{
    bignum x = number();
    bignum w = number();
    set_value(x, random_value(21, 5), true);
    mp_shift(x, 3, w);
    EXPECT_EQ(word_count(w), word_count(x) + 3);
    EXPECT_EQ(sign_of(w), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w->digits[i], 0u);
    mp_shift(w, -3, w);
    EXPECT_EQ(compare_numbers(w, x), 0);
    mp_shift(x, -word_count(x), w);
    EXPECT_EQ(w->length_word, 0u);
    mp_shift(x, -word_count(x) - 5, x);
    EXPECT_EQ(x->length_word, 0u);
}

INSTANTIATE_TEST_SUITE_P(WordBases, WordBaseTest, ::testing::ValuesIn(working_radixes));

TEST_F(MpTest, CarriesCrossFullWords)
{
    bignum x = number();
    bignum y = number(1);
    read_number(x, "FFFFFFFF", 16);
    add(x, y, x);
    ASSERT_EQ(x->length_word, 2u);
    EXPECT_EQ(x->digits[0], 0u);
    EXPECT_EQ(x->digits[1], 1u);
    read_number(y, "80000000", 16);
    multiply_by_word(y, 2, y);
    EXPECT_EQ(compare_numbers(x, y), 0);
}

TEST_F(MpTest, CompareOrdersSignedValues)
{
    struct {
        const char* x;
        const char* y;
        int expected;
    } cases[] = {
        {"-1", "0", -1},
        {"-5", "-5", 0},
        {"-5", "-3", -1},
        {"-3", "-5", 1},
        {"0", "0", 0},
        {"100000000", "FFFFFFFF", 1},
        {"-100000000", "-FFFFFFFF", -1},
        {"5", "-7", 1},
    };
    bignum x = number();
    bignum y = number();
    for (const auto& c : cases) {
        read_number(x, c.x, 16);
        read_number(y, c.y, 16);
        EXPECT_EQ(compare_numbers(x, y), c.expected) << c.x << " vs " << c.y;
    }
    EXPECT_EQ(compare_numbers(x, x), 0);
}

TEST_F(MpTest, ClampedValueLimitsToTwoToTheThirty)
{
    struct {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"3FFFFFFF", 0x3FFFFFFF},    {"40000000", 0x40000000},
        {"100000000", 0x40000000},   {"-5", -5},
        {"-100000000", -0x40000000}, {"0", 0},
        {"1/3", 0x40000000},
    };
    bignum x = number();
    for (const auto& c : cases) {
        read_number(x, c.text, 16);
        EXPECT_EQ(clamped_value(x), c.expected) << c.text;
    }
    EXPECT_EQ(clamped_value(nullptr), 0);
}

}  // namespace
