// Text forms read by cinstr and written by cotstr: signs, fractions, markers, radix 64, raw bytes,
// radix-point output and the stream variants.
#include <cstdio>

#include "tests/mp/support.h"

#include "mp/digits.h"
#include "mp/number.h"
#include "mp/text_in.h"
#include "mp/text_out.h"

namespace {

struct read_case {
    int radix;
    const char* text;
    int count;          // what cinstr returns
    const char* value;  // the number read, written in radix 10
};

const read_case read_cases[] = {
    {10, "", 0, "0"},         {10, "0", 1, "0"},
    {10, "-0", 2, "0"},       {10, "-", 1, "0"},
    {10, "   -12", 6, "-12"}, {10, "12\n34", 2, "12"},
    {10, "-+12", 4, "-12"},   {10, "3/4", 3, "3/4"},
    {10, "-3/4", 4, "-3/4"},  {10, "12/", 2, "12"},
    {10, "5.", 2, "5"},       {10, ".5", 2, "5/10"},
    {10, "1.5", 3, "15/10"},  {10, "-1.25", 5, "-125/100"},
    {10, "/5", 2, "0"},       {10, "15/10", 5, "15/10"},
    {10, "0007", 4, "7"},     {16, "1a", 2, "26"},
    {16, "1A", 2, "26"},      {16, "ff/1", 4, "255"},
    {20, "1A", 2, "30"},      {60, "x", 1, "59"},
    {60, "10", 2, "60"},      {36, "Z", 1, "35"},
    {37, "a", 1, "36"},       {2, "-1111", 5, "-15"},
    {64, "AQ==", 4, "16"},    {64, "A Q", 3, "16"},
    {64, "BA", 2, "64"},      {64, "//", 2, "4095"},
    {256, "AB", 2, "16706"},  {200, "\x01\n", 2, "210"},
};

class ReadTest : public MpTest, public ::testing::WithParamInterface<read_case> {};

TEST_P(ReadTest, TextReadsAsItsValue)
{
    const read_case& c = GetParam();
    bignum x = number();
    EXPECT_EQ(read_number(x, c.text, c.radix), c.count);
    EXPECT_EQ(ctx->error_number, 0);
    EXPECT_EQ(write_number(x, 10), c.value);
    EXPECT_EQ(ctx->digit_base, 16u) << "the working packing is back";
    EXPECT_EQ(ctx->overflow_check, 1);
}

INSTANTIATE_TEST_SUITE_P(Forms, ReadTest, ::testing::ValuesIn(read_cases));

TEST_F(MpTest, LeadingZerosCostNoWords)
{
    bignum x = number();
    read_number(x, "000000000000000000000000000000007", 10);
    EXPECT_EQ(x->length_word, 1u);
}

// cinstr_digit_capacity against cinstr itself: a text of that many digits (leading zeros, then a 1) is
// read, one digit more is error 3. Instances: the engine's mpsys(65536, 16) and a small decimal one.
struct capacity_case {
    int32_t digits;  // mpsys arguments
    uint32_t working;
    uint32_t radix;  // io_base of the text
    char zero, one;  // the radix's digits 0 and 1
};

const capacity_case capacity_cases[] = {
    {65536, 16, 2, '0', '1'},     {65536, 16, 3, '0', '1'},  {65536, 16, 10, '0', '1'}, {65536, 16, 16, '0', '1'},
    {65536, 16, 36, '0', '1'},    {65536, 16, 60, '0', '1'}, {65536, 16, 64, 'A', 'B'}, {65536, 16, 200, '\0', '\1'},
    {65536, 16, 256, '\0', '\1'}, {100, 10, 7, '0', '1'},    {100, 10, 10, '0', '1'},   {100, 10, 16, '0', '1'},
};

class CapacityTest : public MpTest, public ::testing::WithParamInterface<capacity_case> {};

TEST_P(CapacityTest, CapacityDigitsAreReadOneMoreIsOverflow)
{
    const capacity_case& c = GetParam();
    start(c.digits, c.working);
    const int32_t capacity = cinstr_digit_capacity(c.radix);
    ASSERT_GT(capacity, 0);
    bignum x = number();
    ctx->errors_return = 1;
    const std::string fits = std::string(static_cast<size_t>(capacity) - 1, c.zero) + c.one;
    EXPECT_EQ(read_number_exact(x, fits, static_cast<int>(c.radix)), capacity);
    EXPECT_EQ(ctx->error_number, MP_ERROR_NONE);
    EXPECT_EQ(write_number(x, 10), "1");
    read_number_exact(x, c.zero + fits, static_cast<int>(c.radix));
    EXPECT_EQ(ctx->error_number, MP_ERROR_OVERFLOW) << capacity + 1 << " digits";
}

INSTANTIATE_TEST_SUITE_P(Radixes, CapacityTest, ::testing::ValuesIn(capacity_cases));

TEST_F(MpTest, NoCapacityWithoutAnInstanceOrATextRadix)
{
    EXPECT_EQ(cinstr_digit_capacity(1), 0);
    EXPECT_EQ(cinstr_digit_capacity(257), 0);
    EXPECT_EQ(cinstr_digit_capacity(0), 0);
    release_context();
    ctx = nullptr;
    EXPECT_EQ(cinstr_digit_capacity(10), 0);
}

struct write_case {
    const char* value;  // read in radix 10
    int radix;
    const char* text;
};

const write_case write_cases[] = {
    {"0", 2, "0"},          {"0", 10, "0"},       {"0", 60, "0"},         {"-0", 16, "0"},    {"0", 64, ""},
    {"0", 200, ""},         {"-255", 16, "-FF"},  {"255", 2, "11111111"}, {"59", 60, "x"},    {"60", 60, "10"},
    {"3599", 60, "xx"},     {"35", 36, "Z"},      {"36", 37, "a"},        {"3/4", 10, "3/4"}, {"15/10", 10, "15/10"},
    {"-15/10", 16, "-F/A"}, {"10/1", 10, "10"},   {"16", 64, "Q=="},      {"64", 64, "BA="},  {"4096", 64, "BAA"},
    {"-16", 64, "Q=="},     {"16706", 256, "AB"}, {"-16706", 256, "AB"},  {"2/3", 64, "CD="}, {"65/66", 200, "AB"},
};

class WriteTest : public MpTest, public ::testing::WithParamInterface<write_case> {};

TEST_P(WriteTest, NumberWritesAsItsText)
{
    const write_case& c = GetParam();
    bignum x = number();
    read_number(x, c.value, 10);
    const uint32_t length_word = x->length_word;
    EXPECT_EQ(write_number(x, c.radix), c.text);
    EXPECT_EQ(x->length_word, length_word) << "x keeps its value and sign";
    EXPECT_EQ(ctx->scratch6->length_word, 0u) << "the converted copy is cleared";
    EXPECT_EQ(ctx->digit_base, 16u);
}

INSTANTIATE_TEST_SUITE_P(Forms, WriteTest, ::testing::ValuesIn(write_cases));

struct point_case {
    const char* value;  // read in radix 10
    int radix;
    const char* text;
};

const point_case point_cases[] = {
    {"7/2", 10, "3.5"},
    {"1/2", 10, ".5"},
    {"-1/2", 10, "-.5"},
    {"4/2", 10, "2.0"},
    {"1/20", 10, ".05"},
    {"1/200", 10, ".005"},
    {"12345/100", 10, "123.45"},
    {"1/2", 16, ".8"},
    {"1/4", 2, ".01"},
    {"1000000000000000000001/1000", 10, "1000000000000000000.001"},
    {"1/1000000000000000000000", 10, ".000000000000000000001"},
    {"5", 10, "5"},
};

class RadixPointTest : public MpTest, public ::testing::WithParamInterface<point_case> {};

TEST_P(RadixPointTest, FractionsWriteAsExpansions)
{
    const point_case& c = GetParam();
    bignum x = number();
    read_number(x, c.value, 10);
    ctx->radix_point_output = 1;
    EXPECT_EQ(write_number(x, c.radix), c.text);
    EXPECT_EQ(ctx->overflow_check, 1);
}

INSTANTIATE_TEST_SUITE_P(Forms, RadixPointTest, ::testing::ValuesIn(point_cases));

TEST_F(MpTest, RepeatingExpansionFillsTheCapacity)
{
    bignum x = number();
    read_number(x, "1/3", 10);
    ctx->radix_point_output = 1;
    // One third: as many threes as max_words words of nine decimal digits hold.
    EXPECT_EQ(write_number(x, 10), "." + std::string(9 * static_cast<size_t>(ctx->max_words), '3'));
}

TEST_F(MpTest, DigitsArePutAndReadInThePacking)
{
    struct {
        uint32_t radix;
        int32_t position;
        uint32_t digit;
        uint32_t word;
        int32_t word_index;
    } cases[] = {
        {10, 1, 7, 7, 0}, {10, 9, 3, 300000000, 0},        {10, 10, 1, 1, 1},          {16, 8, 15, 0xF0000000u, 0},
        {16, 9, 1, 1, 1}, {60, 5, 59, 59u * 12960000u, 0}, {2, 32, 1, 0x80000000u, 0}, {0x80000000u, 3, 5, 5, 2},
    };
    for (const auto& c : cases) {
        start(100, c.radix);
        bignum x = number();
        putdig(c.digit, x, c.position);
        EXPECT_EQ(word_count(x), c.word_index + 1);
        EXPECT_EQ(x->digits[c.word_index], c.word);
        EXPECT_EQ(digit_at(x, c.position), c.digit);
        EXPECT_EQ(digit_count(x), c.position);
        putdig(0, x, c.position);
        EXPECT_EQ(x->length_word, 0u) << "clearing the top digit strips the words";
        putdig(0, x, c.position + 40);
        EXPECT_EQ(x->length_word, 0u) << "a zero beyond the top costs no words";
    }
}

TEST_F(MpTest, StreamVariantsReadALineAndWriteWithANewline)
{
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    std::fputs("-123/45\n678", stream);
    std::rewind(stream);
    ctx->input_from_stream = 1;
    ctx->input_stream = stream;
    bignum x = number();
    EXPECT_EQ(instr(x, nullptr), 7);
    EXPECT_EQ(std::string(ctx->io_buffer), "-123/45\n");
    ctx->input_length = 2;
    bignum y = number();
    EXPECT_EQ(instr(y, nullptr), 2);
    EXPECT_EQ(ctx->input_length, 0);
    ctx->input_from_stream = 0;
    std::fclose(stream);

    stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    ctx->output_to_stream = 1;
    ctx->output_stream = stream;
    EXPECT_EQ(otstr(x, nullptr), 7);
    EXPECT_EQ(otstr(y, nullptr), 2);
    bignum zero = number();
    EXPECT_EQ(otstr(zero, nullptr), 1);
    ctx->output_to_stream = 0;
    std::rewind(stream);
    char text[64] = {};
    const size_t length = std::fread(text, 1, sizeof(text) - 1, stream);
    std::fclose(stream);
    EXPECT_EQ(std::string(text, length), "-123/45\n67\n0\n");
}

}  // namespace
