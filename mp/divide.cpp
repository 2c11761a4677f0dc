// Long division with remainder: schoolbook division with a two-word estimate of each quotient word,
// corrected against the divisor's second word, and one add-back for a remaining excess.
#include "mp/divide.h"

#include "mp/add.h"
#include "mp/flash.h"
#include "mp/number.h"
#include "mp/precondition.h"
#include "mp/report.h"
#include "mp/word_ops.h"

namespace {

// Gives a non-zero number back a sign bit noted earlier.
void restore_sign(bignum x, uint32_t sign)
{
    if ((x->length_word & COUNT_MASK) != 0)
        x->length_word |= sign;
}

// Estimate of the quotient word of (w[k+1], w[k], w[k-1]) by (top, next) in full words.
uint32_t estimate_full_words(const uint32_t* w, int32_t k, uint32_t top, uint32_t next)
{
    const uint32_t hi = w[k + 1];
    const uint32_t lo = w[k];
    uint64_t q;
    uint64_t r;
    if (hi == top) {
        q = 0xFFFFFFFFu;
        r = static_cast<uint64_t>(lo) + top;
        if (r > 0xFFFFFFFFu)
            return static_cast<uint32_t>(q);
    } else {
        uint32_t rem;
        q = div_double_word(hi, lo, top, &rem);
        r = rem;
    }
    while (static_cast<uint64_t>(next) * q > ((r << 32) | w[k - 1])) {
        q--;
        r += top;
        if (r > 0xFFFFFFFFu)
            break;
    }
    return static_cast<uint32_t>(q);
}

// The same estimate in word base `base`.
uint32_t estimate_other_base(const uint32_t* w, int32_t k, uint32_t top, uint32_t next, uint32_t base)
{
    const uint32_t hi = w[k + 1];
    const uint32_t lo = w[k];
    uint32_t q;
    uint64_t r;
    if (hi == top) {
        q = base - 1;
        r = static_cast<uint64_t>(top) + lo;
    } else {
        uint32_t rem;
        q = mul_add_div(hi, base, lo, top, &rem);
        r = rem;
    }
    while (r < base) {
        const uint64_t p = static_cast<uint64_t>(next) * q;
        const uint64_t p_high = p / base;
        const uint64_t p_low = p % base;
        if (p_high < r || (p_high == r && p_low <= w[k - 1]))
            break;
        q--;
        r += top;
    }
    return q;
}

// w[j .. j+ly] -= q * y; when that goes below zero, adds y back once and returns q - 1.
uint32_t subtract_multiple(uint32_t* w, int32_t j, const uint32_t* y, int32_t ly, uint32_t q, uint32_t base)
{
    uint32_t borrow = 0;
    for (int32_t i = 0; i < ly; ++i) {
        if (base == 0) {
            const uint64_t p = static_cast<uint64_t>(q) * y[i] + borrow;
            const uint32_t low = static_cast<uint32_t>(p);
            const uint32_t before = w[j + i];
            w[j + i] = before - low;
            borrow = static_cast<uint32_t>(p >> 32) + (before < low ? 1 : 0);
        } else {
            uint32_t out;
            borrow = mul_add_div(q, y[i], borrow, base, &out);
            if (w[j + i] < out) {
                w[j + i] = w[j + i] + base - out;
                borrow++;
            } else {
                w[j + i] -= out;
            }
        }
    }
    const int32_t k = j + ly - 1;
    if (w[k + 1] >= borrow) {
        w[k + 1] -= borrow;
        return q;
    }
    w[k + 1] = 0;
    uint32_t carry = 0;
    for (int32_t i = 0; i < ly; ++i) {
        if (base == 0) {
            const uint64_t sum = static_cast<uint64_t>(w[j + i]) + y[i] + carry;
            w[j + i] = static_cast<uint32_t>(sum);
            carry = static_cast<uint32_t>(sum >> 32);
        } else {
            uint32_t sum = w[j + i] + y[i] + carry;
            carry = sum >= base ? 1 : 0;
            w[j + i] = carry ? sum - base : sum;
        }
    }
    return q - 1;
}

}  // namespace

uint32_t div_double_word(uint32_t hi, uint32_t lo, uint32_t d, uint32_t* r)
{
    const uint64_t t = (static_cast<uint64_t>(hi) << 32) | lo;
    *r = static_cast<uint32_t>(t % d);
    return static_cast<uint32_t>(t / d);
}

uint32_t normalise(bignum x, bignum y)
{
    const uint32_t base = current_context()->word_base;
    trace_scope trace(ROUTINE_NORMALISE);
    if (y != x)
        copy_number(x, y);
    const uint32_t top = y->digits[word_count(y) - 1];
    uint32_t f;
    if (base == 0) {
        if (top == 0xFFFFFFFFu)
            return 1;
        uint32_t r;
        f = div_double_word(1, 0, top + 1, &r);
    } else {
        f = base / (top + 1);
    }
    if (f != 1)
        multiply_by_word(y, f, y);
    return f;
}

void divide(bignum x, bignum y, bignum z)
{
    mp_context* ctx = current_context();
    if (ctx->error_number)
        return;
    MP_EXPECTS(x != nullptr && y != nullptr && z != nullptr && y != ctx->scratch0 && z != ctx->scratch0);
    trace_scope trace(ROUTINE_DIVIDE);
    if (x == y)
        report_error(MP_ERROR_ILLEGAL_PARAMETER);
    if (has_denominator(x) || has_denominator(y))
        report_error(MP_ERROR_FLASH_OPERAND);
    if (y->length_word == 0)
        report_error(MP_ERROR_DIVISION_BY_ZERO);
    if (ctx->error_number)
        return;
    const uint32_t base = ctx->word_base;
    const uint32_t sx = x->length_word & SIGN_BIT;
    const uint32_t sy = y->length_word & SIGN_BIT;
    const uint32_t sq = sx ^ sy;
    x->length_word &= COUNT_MASK;
    y->length_word &= COUNT_MASK;
    bignum w = ctx->scratch0;
    copy_number(x, w);
    int32_t lw = word_count(w);
    const int32_t ly = word_count(y);
    if (ctx->overflow_check && lw - ly + 1 > ctx->max_words) {
        report_error(MP_ERROR_OVERFLOW);
        restore_sign(x, sx);
        restore_sign(y, sy);
        return;
    }
    uint32_t q = 0;
    if (lw == 1 && ly == 1) {
        q = w->digits[0] / y->digits[0];
        w->digits[0] %= y->digits[0];
        strip_leading_zeros(w);
    } else if (lw == ly && lw > 1 && (w->digits[lw - 1] >> 2) < y->digits[ly - 1]) {
        while (compare_numbers(w, y) >= 0) {
            subtract_magnitudes(w, y, w);
            q++;
        }
    }
    if (compare_numbers(w, y) < 0) {
        if (z != x) {
            copy_number(w, x);
            restore_sign(x, sx);
        }
        if (z != y) {
            clear_number(z);
            if (q != 0) {
                z->digits[0] = q;
                z->length_word = 1 | sq;
            }
        }
        restore_sign(y, sy);
        return;
    }
    if (ly == 1) {
        const uint32_t r = divide_by_word(w, y->digits[0], w);
        if (z != y) {
            copy_number(w, z);
            restore_sign(z, sq);
        }
        if (z != x) {
            clear_number(x);
            if (r != 0) {
                x->digits[0] = r;
                x->length_word = 1 | sx;
            }
        }
        restore_sign(y, sy);
        return;
    }

    if (z != y)
        clear_number(z);
    const uint32_t f = normalise(y, y);
    const int32_t saved_check = ctx->overflow_check;
    ctx->overflow_check = 0;
    if (f != 1)
        multiply_by_word(w, f, w);
    uint32_t* const wd = w->digits;
    const uint32_t* const yd = y->digits;
    const uint32_t top = yd[ly - 1];
    const uint32_t next = yd[ly - 2];
    const int32_t first_k = lw - 1;
    for (int32_t k = first_k; k >= ly - 1; --k) {
        uint32_t q_hat =
            base == 0 ? estimate_full_words(wd, k, top, next) : estimate_other_base(wd, k, top, next, base);
        const int32_t j = k - ly + 1;
        if (q_hat > 0)
            q_hat = subtract_multiple(wd, j, yd, ly, q_hat, base);
        if (k == lw - 1 && q_hat == 0) {
            lw--;
        } else if (z != y) {
            z->digits[j] = q_hat;
        }
    }
    if (z != y) {
        z->length_word = static_cast<uint32_t>(lw - ly + 1) | sq;
        strip_leading_zeros(z);
    }
    w->length_word = static_cast<uint32_t>(ly);
    strip_leading_zeros(y);
    if (z != x) {
        strip_leading_zeros(w);
        divide_by_word(w, f, x);
        restore_sign(x, sx);
    }
    if (f != 1)
        divide_by_word(y, f, y);
    restore_sign(y, sy);
    ctx->overflow_check = saved_check;
}
