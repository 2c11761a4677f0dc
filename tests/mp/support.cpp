#include "tests/mp/support.h"

#include "mp/text_out.h"

std::string write_number(bignum x, int radix)
{
    mp_context* ctx = current_context();
    const int32_t saved = ctx->io_base;
    ctx->io_base = radix;
    std::vector<char> buffer(300000);
    const int count = cotstr(x, buffer.data());
    ctx->io_base = saved;
    return std::string(buffer.data(), static_cast<size_t>(count));
}

int read_number(bignum x, const std::string& text, int radix)
{
    mp_context* ctx = current_context();
    const int32_t saved = ctx->io_base;
    ctx->io_base = radix;
    const int count = cinstr(x, text.c_str());
    ctx->io_base = saved;
    return count;
}

int read_number_exact(bignum x, const std::string& text, int radix)
{
    current_context()->input_length = static_cast<int32_t>(text.size());
    return read_number(x, text, radix);
}

void set_value(bignum x, const byte_value& value, bool negative)
{
    read_number(x, (negative ? "-" : "") + value_to_hex(value), 16);
}

byte_value value_of(bignum x, bool* negative)
{
    std::string hex = write_number(x, 16);
    const bool minus = !hex.empty() && hex[0] == '-';
    if (negative != nullptr)
        *negative = minus;
    return hex_to_value(minus ? hex.substr(1) : hex);
}

std::string write_packed(bignum x)
{
    std::vector<char> buffer(300000);
    const int count = otstr(x, buffer.data());
    return std::string(buffer.data(), static_cast<size_t>(count));
}

void MpTest::SetUp()
{
    start(65536, 16);
}

void MpTest::TearDown()
{
    for (bignum x : numbers)
        release_number(x);
    numbers.clear();
    release_context();
    EXPECT_EQ(current_context(), nullptr);
}

mp_context* MpTest::start(int32_t digits, uint32_t radix)
{
    for (bignum x : numbers)
        release_number(x);
    numbers.clear();
    release_context();
    ctx = mpsys(digits, radix);
    return ctx;
}

bignum MpTest::number(int32_t initial_value)
{
    bignum x = mpvar(initial_value);
    if (x != nullptr)
        numbers.push_back(x);
    return x;
}
