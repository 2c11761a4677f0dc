// Single digits of a number in the current packing.
#include "mp/digits.h"

#include "mp/number.h"
#include "mp/precondition.h"
#include "mp/report.h"

uint32_t digit_at(bignum x, int32_t i)
{
    const mp_context* ctx = current_context();
    uint32_t w = x->digits[(i - 1) / ctx->digits_per_word];
    if (ctx->digits_per_word == 1)
        return w;
    const int32_t place = (i - 1) % ctx->digits_per_word;
    for (int32_t p = 0; p < place; ++p)
        w /= ctx->digit_base;
    return w % ctx->digit_base;
}

void putdig(uint32_t n, bignum x, int32_t i)
{
    mp_context* ctx = current_context();
    if (ctx->error_number)
        return;
    MP_EXPECTS(x != nullptr && i >= 1 && n < ctx->digit_base);
    trace_scope trace(ROUTINE_PUTDIG);
    const int32_t k = (i - 1) / ctx->digits_per_word;
    const int32_t place = (i - 1) % ctx->digits_per_word;
    const int64_t bound = digit_word_bound(ctx, ctx->overflow_check != 0);
    // The bound is tested before the digit is read, so that no word past the capacity is touched.
    if (k >= bound) {
        report_error(MP_ERROR_OVERFLOW);
        return;
    }
    uint32_t old_digit = digit_at(x, i);
    for (int32_t p = 0; p < place; ++p) {
        n *= ctx->digit_base;
        old_digit *= ctx->digit_base;
    }
    x->digits[k] += n - old_digit;
    if (k >= word_count(x))
        x->length_word = static_cast<uint32_t>(k + 1) | (x->length_word & SIGN_BIT);
    strip_leading_zeros(x);
}

int32_t digit_count(bignum x)
{
    if (x->length_word == 0)
        return 0;
    int32_t n = word_count(x) * current_context()->digits_per_word;
    while (n > 0 && digit_at(x, n) == 0)
        n--;
    return n;
}
