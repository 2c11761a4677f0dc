// Start-up of the instance, numbers made for the caller, the I/O buffer, and the recorded-error mode.
#include "tests/mp/support.h"

#include <algorithm>
#include <cstdint>

#include "mp/add.h"
#include "mp/digits.h"
#include "mp/divide.h"
#include "mp/flash.h"
#include "mp/memory.h"
#include "mp/number.h"
#include "mp/report.h"
#include "mp/word_ops.h"

namespace {

struct packing_case {
    int32_t digits;
    uint32_t radix;
    uint32_t word_base;
    int32_t digits_per_word;
    int32_t word_bits;
    int32_t max_words;
};

const packing_case packing_cases[] = {
    {65536, 16, 0, 8, 32, 8193},        // the application's start-up
    {100, 10, 1000000000u, 9, 29, 13},  // ceil(100 / 9) + 1
    {9, 10, 1000000000u, 9, 29, 2},
    {0, 16, 0, 8, 32, 2},
    {-16, 16, 0, 8, 32, 5},           // 16 bytes: 4 words
    {-1, 10, 1000000000u, 9, 29, 2},  // 8 bits fit one 29-bit word
    {-4, 10, 1000000000u, 9, 29, 3},  // 32 bits need two
    {262128, 16, 0, 8, 32, 32767},    // the largest accepted count
    {64, 2, 0, 32, 32, 3},
    {10, 4, 0, 16, 32, 2},
    {10, 256, 0, 4, 32, 4},
    {10, 65536, 0, 2, 32, 6},
    {30, 8, 1u << 30, 10, 30, 4},
    {19, 3, 1162261467u, 19, 30, 2},
    {5, 60, 777600000u, 5, 29, 2},
    {5, 64, 1u << 30, 5, 30, 2},
    {3, 0x80000000u, 0x80000000u, 1, 31, 4},
    {3, 0, 0, 1, 32, 4},  // radix 0 means 2^32
    {2, 100000, 100000, 1, 16, 3},
};

class PackingTest : public MpTest, public ::testing::WithParamInterface<packing_case> {};

TEST_P(PackingTest, StartUpSizesNumbersForTheDigitCountAndRadix)
{
    const packing_case& c = GetParam();
    mp_context* started = start(c.digits, c.radix);
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(started, current_context());
    EXPECT_EQ(started->word_base, c.word_base);
    EXPECT_EQ(started->digit_base, c.radix);
    EXPECT_EQ(started->digits_per_word, c.digits_per_word);
    EXPECT_EQ(started->word_bits, c.word_bits);
    EXPECT_EQ(started->max_words, c.max_words);
    EXPECT_EQ(started->io_base, 10);
    EXPECT_EQ(started->io_buffer_length, 2559);
    EXPECT_EQ(started->io_buffer[0], '\0');
    EXPECT_EQ(started->overflow_check, 1);
    EXPECT_EQ(started->instance_ready, 1);
    EXPECT_EQ(started->call_depth, 0);
    EXPECT_EQ(started->error_number, 0);
    // Every scratch number is distinct and starts as zero.
    const bignum scratch[] = {started->scratch0, started->scratch2, started->scratch3,
                              started->scratch6, started->scratch8, started->scratch10};
    for (bignum s : scratch) {
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->length_word, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Packings, PackingTest, ::testing::ValuesIn(packing_cases));

TEST_F(MpTest, ScratchNumbersHoldTwiceMaxWordsWithoutOverlapping)
{
    const uint32_t words = 2 * static_cast<uint32_t>(ctx->max_words) + 3;
    const bignum scratch[] = {ctx->scratch0, ctx->scratch2, ctx->scratch3,
                              ctx->scratch6, ctx->scratch8, ctx->scratch10};
    for (uint32_t k = 0; k < 6; ++k) {
        for (uint32_t i = 0; i < words; ++i)
            scratch[k]->digits[i] = k * 0x10000000u + i;
    }
    for (uint32_t k = 0; k < 6; ++k) {
        EXPECT_EQ(scratch[k]->length_word, 0u) << k;
        for (uint32_t i = 0; i < words; ++i)
            ASSERT_EQ(scratch[k]->digits[i], k * 0x10000000u + i) << k << " " << i;
        for (uint32_t i = 0; i < words; ++i)
            scratch[k]->digits[i] = 0;
    }
}

TEST_F(MpTest, NumbersStartAtTheirInitialValue)
{
    const int32_t values[] = {0, 1, -1, 2147483647, -2147483647 - 1, 12345};
    for (int32_t v : values) {
        bignum x = number(v);
        ASSERT_NE(x, nullptr);
        const long long expected = v;
        EXPECT_EQ(write_number(x, 10), std::to_string(expected));
    }
}

TEST_F(MpTest, IoBufferIsReplacedOnlyForNonNegativeLengths)
{
    char* before = ctx->io_buffer;
    set_io_buffer_size(-1);
    EXPECT_EQ(ctx->io_buffer, before);
    EXPECT_EQ(ctx->io_buffer_length, 2559);
    EXPECT_NE(ctx->call_trace[1], ROUTINE_SET_IO_BUFFER_SIZE) << "no trace entry was made";
    set_io_buffer_size(262144);
    EXPECT_EQ(ctx->io_buffer_length, 262144);
    ASSERT_NE(ctx->io_buffer, nullptr);
    EXPECT_EQ(ctx->io_buffer[0], '\0');
    ctx->io_buffer[262144] = '\0';  // the byte for the NUL exists
    EXPECT_EQ(ctx->call_trace[1], ROUTINE_SET_IO_BUFFER_SIZE);
    EXPECT_EQ(ctx->call_depth, 0);
}

TEST_F(MpTest, ReleaseContextClearsTheInstanceAndANewStartWorks)
{
    release_context();
    EXPECT_EQ(current_context(), nullptr);
    release_context();  // without an instance: nothing happens
    release_number(nullptr);
    ctx = mpsys(100, 10);
    ASSERT_NE(ctx, nullptr);
    bignum x = number(42);
    EXPECT_EQ(write_number(x, 10), "42");
}

TEST(Memory, WipeZeroesEveryByteOfTheRangeAndNothingBeyond)
{
    // Ranges that start and end inside pages and on their edges, with one nonzero byte placed at the
    // range's first and last byte, at a page edge inside it, or nowhere (a page of zeros is skipped).
    struct range_case {
        size_t start, length;
    };
    const range_case ranges[] = {{0, 1}, {1, 4095}, {4095, 2}, {4096, 4096}, {100, 3 * 4096 + 7}, {5000, 0}};
    std::vector<unsigned char> memory(6 * 4096 + 64);
    unsigned char* const page = memory.data() + (4096 - reinterpret_cast<uintptr_t>(memory.data()) % 4096) % 4096;
    for (const range_case& r : ranges) {
        for (size_t mark : {r.start, r.start + r.length - 1, (r.start / 4096 + 1) * 4096, size_t{0} - 1}) {
            std::fill(memory.begin(), memory.end(), 0);
            page[r.start + r.length] = 0xEE;  // beyond the range: kept
            if (r.start > 0)
                page[r.start - 1] = 0xEE;
            if (mark >= r.start && mark < r.start + r.length)
                page[mark] = 0x5A;
            wipe_memory(page + r.start, r.length);
            EXPECT_TRUE(std::all_of(page + r.start, page + r.start + r.length, [](unsigned char c) { return c == 0; }))
                << r.start << "+" << r.length << " mark " << mark;
            EXPECT_EQ(page[r.start + r.length], 0xEE);
            if (r.start > 0) {
                EXPECT_EQ(page[r.start - 1], 0xEE);
            }
        }
    }
}

// Each case sets up a state that raises one error while errors_return is set.
struct error_case {
    const char* name;
    int32_t expected;
    void (*raise)(mp_context* ctx);
};

class ErrorsReturnTest : public MpTest, public ::testing::WithParamInterface<error_case> {};

bignum fraction_3_4(mp_context* ctx)
{
    bignum f = ctx->scratch10;
    read_number(f, "3/4", 10);
    return f;
}

std::string long_text(size_t digits, char digit)
{
    return std::string(digits, digit);
}

const error_case error_cases[] = {
    {"instr_radix_0", 1,
     [](mp_context* ctx) {
         ctx->io_base = 0;
         cinstr(ctx->scratch10, "1");
     }},
    {"otstr_radix_300", 1,
     [](mp_context* ctx) {
         ctx->io_base = 300;
         cotstr(ctx->scratch10, ctx->io_buffer);
     }},
    {"divide_by_zero", 2,
     [](mp_context* ctx) {
         bignum x = ctx->scratch10;
         bignum y = ctx->scratch3;
         set_from_int(5, x);
         set_from_int(0, y);
         divide(x, y, ctx->scratch2);
     }},
    {"shift_past_max_words", 3,
     [](mp_context* ctx) {
         bignum x = ctx->scratch10;
         set_from_int(1, x);
         mp_shift(x, ctx->max_words, x);
     }},
    {"multiply_past_max_words", 3,
     [](mp_context* ctx) {
         bignum x = ctx->scratch10;
         set_from_int(2, x);
         mp_shift(x, ctx->max_words - 1, x);
         multiply_by_word(x, 0xFFFFFFFFu, x);
     }},
    {"add_past_max_words", 3,
     [](mp_context* ctx) {
         bignum x = ctx->scratch10;
         for (int32_t i = 0; i < ctx->max_words; ++i)
             x->digits[i] = 0xFFFFFFFFu;
         x->length_word = static_cast<uint32_t>(ctx->max_words);
         add(x, x, x);
     }},
    {"cinstr_text_too_long", 3,
     [](mp_context* ctx) { read_number(ctx->scratch10, "1" + long_text(8 * 8193, '0'), 16); }},
    {"putdig_past_bound", 3,
     [](mp_context* ctx) {
         ctx->overflow_check = 1;
         putdig(1, ctx->scratch10, 8 * ctx->max_words + 1);
     }},
    {"subtract_larger", 4,
     [](mp_context* ctx) {
         bignum x = ctx->scratch10;
         bignum y = ctx->scratch3;
         set_from_int(1, x);
         read_number(y, "100000000", 16);
         subtract_magnitudes(x, y, x);
     }},
    {"format_space_after", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "12 ", 10); }},
    {"format_plus_minus", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "+-12", 10); }},
    {"format_two_markers", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "1/2/3", 10); }},
    {"format_two_points", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "1.2.3", 10); }},
    {"format_lower_case_radix_20", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "1a", 20); }},
    {"format_y_radix_60", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "y", 60); }},
    {"format_sign_radix_64", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "-A", 64); }},
    {"format_digit_too_big_radix_200", 5, [](mp_context* ctx) { read_number(ctx->scratch10, "\xC8", 200); }},
    {"cinstr_radix_1", 6, [](mp_context* ctx) { read_number(ctx->scratch10, "1", 1); }},
    {"cotstr_negative_radix", 6, [](mp_context* ctx) { write_number(ctx->scratch10, -5); }},
    {"fpack_into_denominator", 7,
     [](mp_context* ctx) {
         bignum n = ctx->scratch10;
         bignum d = ctx->scratch3;
         set_from_int(3, n);
         set_from_int(4, d);
         fpack(n, d, d);
     }},
    {"divide_same_handles", 7,
     [](mp_context* ctx) {
         bignum x = ctx->scratch10;
         set_from_int(3, x);
         divide(x, x, ctx->scratch2);
     }},
    {"add_fraction", 12,
     [](mp_context* ctx) {
         bignum f = fraction_3_4(ctx);
         add(f, f, ctx->scratch2);
     }},
    {"shift_fraction", 12,
     [](mp_context* ctx) {
         bignum f = fraction_3_4(ctx);
         mp_shift(f, 1, f);
     }},
    {"divide_fraction", 12,
     [](mp_context* ctx) {
         bignum f = fraction_3_4(ctx);
         set_from_int(2, ctx->scratch3);
         divide(f, ctx->scratch3, ctx->scratch2);
     }},
    {"fpack_fraction_numerator", 12,
     [](mp_context* ctx) {
         bignum f = fraction_3_4(ctx);
         set_from_int(2, ctx->scratch3);
         fpack(f, ctx->scratch3, ctx->scratch2);
     }},
    {"fpack_zero_denominator", 13, [](mp_context* ctx) { read_number(ctx->scratch10, "5/0", 10); }},
    {"fpack_too_many_words", 13,
     [](mp_context* ctx) {
         bignum n = ctx->scratch2;
         bignum d = ctx->scratch3;
         set_from_int(3, n);
         mp_shift(n, ctx->max_words - 1, n);
         set_from_int(3, d);
         mp_shift(d, 1, d);
         fpack(n, d, ctx->scratch10);
     }},
    {"instr_text_fills_io_buffer", 17,
     [](mp_context* ctx) {
         const std::string s = long_text(2559, '7');
         std::copy(s.begin(), s.end(), ctx->io_buffer);
         ctx->io_buffer[s.size()] = 0;
         ctx->io_base = 10;
         cinstr(ctx->scratch10, ctx->io_buffer);
     }},
    {"mpvar_without_scratch_numbers", 18,
     [](mp_context* ctx) {
         ctx->instance_ready = 0;
         mpvar(1);
     }},
};

TEST_P(ErrorsReturnTest, ErrorIsRecordedAndLaterTracedCallsDoNothing)
{
    ctx->errors_return = 1;
    GetParam().raise(ctx);
    EXPECT_EQ(ctx->error_number, GetParam().expected);
    EXPECT_EQ(ctx->call_depth, 0) << "every traced routine left the trace";
    EXPECT_EQ(ctx->overflow_check, 1);
    // While the error is recorded, traced routines return at once and mpvar gives null.
    bignum x = ctx->scratch2;
    set_from_int(7, x);
    add(x, x, x);
    mp_shift(x, 1, x);
    EXPECT_EQ(cinstr(x, "99"), 0);
    EXPECT_EQ(write_packed(x), "");
    EXPECT_EQ(x->length_word, 1u);
    EXPECT_EQ(x->digits[0], 7u);
    EXPECT_EQ(mpvar(3), nullptr);
    EXPECT_EQ(ctx->error_number, GetParam().expected);
    ctx->instance_ready = 1;
}

INSTANTIATE_TEST_SUITE_P(Errors, ErrorsReturnTest, ::testing::ValuesIn(error_cases),
                         [](const ::testing::TestParamInfo<error_case>& info) { return std::string(info.param.name); });

TEST_F(MpTest, FailedReadLeavesTheWorkingPackingInPlace)
{
    ctx->errors_return = 1;
    read_number(ctx->scratch10, "1" + long_text(80000, '0'), 10);  // 10^80000 needs 8305 full words
    ASSERT_EQ(ctx->error_number, 3);
    EXPECT_EQ(ctx->digit_base, 16u);
    EXPECT_EQ(ctx->word_base, 0u);
    EXPECT_EQ(ctx->digits_per_word, 8);
}

TEST_F(MpTest, FailedWriteIntoIoBufferKeepsTheSignAndTerminatesTheText)
{
    ctx->errors_return = 1;
    bignum x = number();
    read_number(x, "-" + long_text(3000, '9'), 10);
    ctx->io_base = 10;
    const int count = cotstr(x, ctx->io_buffer);
    EXPECT_EQ(ctx->error_number, 17);
    EXPECT_EQ(count, ctx->io_buffer_length - 5);
    EXPECT_EQ(std::string(ctx->io_buffer), "-" + long_text(static_cast<size_t>(count) - 1, '9'));
    EXPECT_EQ(sign_of(x), -1);
}

}  // namespace

namespace {

// While an error is recorded no memory is obtained: the instance then holds no I/O buffer and no room.
TEST_F(MpTest, IoBufferReplacedWhileAnErrorIsRecordedLeavesNoBuffer)
{
    ctx->errors_return = 1;
    read_number(ctx->scratch10, "12 ", 10);
    ASSERT_EQ(ctx->error_number, 5);
    set_io_buffer_size(100);
    EXPECT_EQ(ctx->io_buffer, nullptr);
    EXPECT_EQ(ctx->io_buffer_length, 0);
    EXPECT_EQ(ctx->call_depth, 0);
}

}  // namespace

namespace {

// A radix too big for text (error 1) is refused before the number is carried into its packing: the
// packing of a radix above 2^15 holds about 16 bits a word, and a number of max_words full words would
// not fit even the double-length scratch number.
TEST_F(MpTest, TextRadixTooBigIsRefusedBeforeConversion)
{
    bignum x = number();
    set_value(x, random_value(50000, ctx->max_words));
    ctx->errors_return = 1;
    EXPECT_EQ(write_number(x, 50000), "");
    EXPECT_EQ(ctx->error_number, 1);
    for (bignum s : {ctx->scratch0, ctx->scratch2, ctx->scratch3, ctx->scratch8, ctx->scratch10}) {
        EXPECT_LE(stored_length(s), 2 * ctx->max_words + 3);
    }
    EXPECT_EQ(ctx->digit_base, 16u);
}

}  // namespace
