// Basic handling of numbers: packing, clearing, copying, signs, comparison.
#include "mp/number.h"

#include "mp/report.h"

packing packing_of(uint32_t r)
{
    for (int b = 16; b >= 1; b /= 2) {
        const uint32_t power = 1u << b;
        if (power == r)
            return {0, 32 / b};
        if (power < r)
            break;
    }
    packing p = {r, 1};
    if (r == 0)
        return p;
    for (uint32_t t = 0x80000000u / r; t >= r; t /= r) {
        p.word_base *= r;
        p.digits_per_word++;
    }
    return p;
}

void choose_word_base(uint32_t r)
{
    mp_context* ctx = current_context();
    const packing p = packing_of(r);
    ctx->digit_base = r;
    ctx->digits_per_word = p.digits_per_word;
    ctx->word_base = p.word_base;
}

uint32_t shift_word_bits(uint32_t w, int n)
{
    return n == 0 ? w : w << n;
}

int32_t stored_length(bignum x)
{
    return static_cast<int32_t>((x->length_word & NUMERATOR_MASK) +
                                ((x->length_word & DENOMINATOR_MASK) >> DENOMINATOR_SHIFT));
}

void clear_number(bignum x)
{
    if (x == nullptr)
        return;
    const int32_t n = stored_length(x);
    for (int32_t i = 0; i < n; ++i)
        x->digits[i] = 0;
    x->length_word = 0;
}

void set_from_int(int32_t n, bignum x)
{
    clear_number(x);
    if (n == 0)
        return;
    uint32_t magnitude = n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n);
    const uint32_t base = current_context()->word_base;
    uint32_t count = 0;
    if (base == 0) {
        x->digits[count++] = magnitude;
    } else {
        while (magnitude != 0) {
            x->digits[count++] = magnitude % base;
            magnitude /= base;
        }
    }
    x->length_word = count | (n < 0 ? SIGN_BIT : 0);
}

void copy_number(bignum x, bignum y)
{
    if (x == y || y == nullptr)
        return;
    if (x == nullptr) {
        clear_number(y);
        return;
    }
    const int32_t nx = stored_length(x);
    const int32_t ny = stored_length(y);
    for (int32_t i = nx; i < ny; ++i)
        y->digits[i] = 0;
    for (int32_t i = 0; i < nx; ++i)
        y->digits[i] = x->digits[i];
    y->length_word = x->length_word;
}

int sign_of(bignum x)
{
    return (x->length_word & SIGN_BIT) ? -1 : 1;
}

void set_sign(int s, bignum x)
{
    if ((x->length_word & COUNT_MASK) == 0)
        return;
    if (s < 0) {
        x->length_word |= SIGN_BIT;
    } else {
        x->length_word &= COUNT_MASK;
    }
}

void strip_leading_zeros(bignum x)
{
    uint32_t n = x->length_word & COUNT_MASK;
    while (n > 0 && x->digits[n - 1] == 0)
        n--;
    x->length_word = n == 0 ? 0 : n | (x->length_word & SIGN_BIT);
}

int compare_numbers(bignum x, bignum y)
{
    if (x == y)
        return 0;
    const bool x_negative = (x->length_word & SIGN_BIT) != 0;
    const bool y_negative = (y->length_word & SIGN_BIT) != 0;
    if (x_negative != y_negative)
        return x_negative ? -1 : 1;
    const int flip = x_negative ? -1 : 1;
    const int32_t nx = word_count(x);
    const int32_t ny = word_count(y);
    if (nx != ny)
        return nx > ny ? flip : -flip;
    for (int32_t i = nx - 1; i >= 0; --i) {
        if (x->digits[i] != y->digits[i])
            return x->digits[i] > y->digits[i] ? flip : -flip;
    }
    return 0;
}

int32_t clamped_value(bignum x)
{
    if (x == nullptr || x->length_word == 0)
        return 0;
    const int32_t limit = 0x40000000;
    int32_t value = limit;
    if (word_count(x) == 1 && x->digits[0] < 0x40000000u)
        value = static_cast<int32_t>(x->digits[0]);
    return sign_of(x) < 0 ? -value : value;
}

bool check_packing_radix(uint32_t r)
{
    if (r != 1 && r <= 0x80000000u)
        return true;
    report_error(MP_ERROR_ILLEGAL_BASE);
    return false;
}
