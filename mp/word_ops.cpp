// Whole-word shifts and multiplication and division of a number by one word.
#include "mp/word_ops.h"

#include "mp/flash.h"
#include "mp/number.h"
#include "mp/report.h"

void mp_shift(bignum x, int32_t n, bignum w)
{
    mp_context* ctx = current_context();
    if (ctx->error_number)
        return;
    copy_number(x, w);
    if (w->length_word == 0 || n == 0)
        return;
    trace_scope trace(ROUTINE_MP_SHIFT);
    if (has_denominator(w)) {
        report_error(MP_ERROR_FLASH_OPERAND);
        return;
    }
    const int32_t old_count = word_count(w);
    const int64_t new_count = static_cast<int64_t>(old_count) + n;
    if (new_count <= 0) {
        clear_number(w);
        return;
    }
    if (new_count > ctx->max_words && ctx->overflow_check)
        report_error(MP_ERROR_OVERFLOW);
    if (ctx->error_number)
        return;
    uint32_t* const d = w->digits;
    if (n > 0) {
        for (int32_t i = old_count - 1; i >= 0; --i)
            d[i + n] = d[i];
        for (int32_t i = 0; i < n; ++i)
            d[i] = 0;
    } else {
        const int32_t drop = -n;
        for (int32_t i = 0; i < new_count; ++i)
            d[i] = d[i + drop];
        for (int32_t i = static_cast<int32_t>(new_count); i < old_count; ++i)
            d[i] = 0;
    }
    w->length_word = static_cast<uint32_t>(new_count) | (w->length_word & SIGN_BIT);
}

uint32_t mul_add_div(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint32_t* r)
{
    const uint64_t t = static_cast<uint64_t>(a) * b + c;
    *r = static_cast<uint32_t>(t % d);
    return static_cast<uint32_t>(t / d);
}

void multiply_by_word(bignum x, uint32_t m, bignum z)
{
    mp_context* ctx = current_context();
    if (z != x)
        clear_number(z);
    if (m == 0) {
        clear_number(z);
        return;
    }
    const uint32_t sign = x->length_word & SIGN_BIT;
    const int32_t x_count = word_count(x);
    const uint32_t* const xd = x->digits;
    uint32_t* const zd = z->digits;
    int32_t count = 0;
    if (ctx->word_base == 0) {
        uint32_t carry = 0;
        for (int32_t i = 0; i < x_count; ++i) {
            const uint64_t p = static_cast<uint64_t>(xd[i]) * m + carry;
            zd[i] = static_cast<uint32_t>(p);
            carry = static_cast<uint32_t>(p >> 32);
        }
        count = x_count;
        if (carry != 0) {
            if (ctx->overflow_check && x_count >= ctx->max_words) {
                report_error(MP_ERROR_OVERFLOW);
                return;
            }
            zd[x_count] = carry;
            count = x_count + 1;
        }
    } else {
        const uint32_t base = ctx->word_base;
        uint32_t carry = 0;
        for (int32_t i = 0; i < x_count || carry != 0; ++i) {
            if (ctx->overflow_check && i >= ctx->max_words) {
                report_error(MP_ERROR_OVERFLOW);
                return;
            }
            carry = mul_add_div(i < x_count ? xd[i] : 0, m, carry, base, &zd[i]);
            count = i + 1;
        }
    }
    z->length_word = count == 0 ? 0 : static_cast<uint32_t>(count) | sign;
}

uint32_t divide_by_word(bignum x, uint32_t d, bignum z)
{
    const uint32_t base = current_context()->word_base;
    const uint32_t length_word = x->length_word;
    const int32_t n = word_count(x);
    if (z != x)
        clear_number(z);
    const uint32_t* const xd = x->digits;
    uint32_t* const zd = z->digits;
    uint32_t r = 0;
    for (int32_t i = n - 1; i >= 0; --i) {
        if (base == 0) {
            const uint64_t t = (static_cast<uint64_t>(r) << 32) | xd[i];
            zd[i] = static_cast<uint32_t>(t / d);
            r = static_cast<uint32_t>(t % d);
        } else {
            zd[i] = mul_add_div(r, base, xd[i], d, &r);
        }
    }
    z->length_word = length_word;
    strip_leading_zeros(z);
    return r;
}
