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

// The sign bits of divide's operands, noted while it works on their magnitudes.
struct division_signs {
    uint32_t dividend;
    uint32_t divisor;
    uint32_t quotient;
};

// Errors 7 (x = y), 12 (a fraction) and 2 (a zero divisor); true when no error is recorded afterwards.
bool operands_divisible(const mp_context* ctx, bignum x, bignum y)
{
    if (x == y)
        report_error(MP_ERROR_ILLEGAL_PARAMETER);
    if (has_denominator(x) || has_denominator(y))
        report_error(MP_ERROR_FLASH_OPERAND);
    if (y->length_word == 0)
        report_error(MP_ERROR_DIVISION_BY_ZERO);
    return ctx->error_number == 0;
}

// Notes the signs of x and y and clears them, leaving both magnitudes.
division_signs take_signs(bignum x, bignum y)
{
    const uint32_t sx = x->length_word & SIGN_BIT;
    const uint32_t sy = y->length_word & SIGN_BIT;
    x->length_word &= COUNT_MASK;
    y->length_word &= COUNT_MASK;
    return {sx, sy, sx ^ sy};
}

// The fast paths for a quotient of one word: one word by one word, or equal lengths with w's top word
// below four times y's (repeated subtraction). w keeps the remainder; returns the quotient (0 and w
// untouched in any other case).
uint32_t short_quotient(bignum w, int32_t lw, bignum y, int32_t ly)
{
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
    return q;
}

// Results of a one-word quotient q with the remainder w below y: x = w (unless z = x), z = q (unless
// z = y), each with its sign; y gets its sign back.
void store_short_results(bignum w, uint32_t q, bignum x, bignum y, bignum z, const division_signs& signs)
{
    if (z != x) {
        copy_number(w, x);
        restore_sign(x, signs.dividend);
    }
    if (z != y) {
        clear_number(z);
        if (q != 0) {
            z->digits[0] = q;
            z->length_word = 1 | signs.quotient;
        }
    }
    restore_sign(y, signs.divisor);
}

// z = w / y for a one-word y (unless z = y) and x = the remainder (unless z = x), each with its sign; y
// gets its sign back. w is overwritten.
void divide_by_one_word(bignum w, bignum x, bignum y, bignum z, const division_signs& signs)
{
    const uint32_t r = divide_by_word(w, y->digits[0], w);
    if (z != y) {
        copy_number(w, z);
        restore_sign(z, signs.quotient);
    }
    if (z != x) {
        clear_number(x);
        if (r != 0) {
            x->digits[0] = r;
            x->length_word = 1 | signs.dividend;
        }
    }
    restore_sign(y, signs.divisor);
}

// The quotient words of the normalised w[0..lw] by y[0..ly), ly >= 2, from the top down: each estimated
// from w's top words and subtracted at its place, leaving the remainder in w[0..ly). The words go to
// quotient (null: not kept) except leading zeros; returns lw less those leading zeros.
int32_t quotient_words(uint32_t* w, int32_t lw, const uint32_t* y, int32_t ly, uint32_t base, uint32_t* quotient)
{
    const uint32_t top = y[ly - 1];
    const uint32_t next = y[ly - 2];
    const int32_t first_k = lw - 1;
    for (int32_t k = first_k; k >= ly - 1; --k) {
        uint32_t q_hat = base == 0 ? estimate_full_words(w, k, top, next) : estimate_other_base(w, k, top, next, base);
        const int32_t j = k - ly + 1;
        if (q_hat > 0)
            q_hat = subtract_multiple(w, j, y, ly, q_hat, base);
        if (k == lw - 1 && q_hat == 0) {
            lw--;
        } else if (quotient != nullptr) {
            quotient[j] = q_hat;
        }
    }
    return lw;
}

// Undoes the normalising factor f: x = the remainder w / f with the dividend's sign (unless z = x), and
// y back to its value and sign.
void unnormalise(bignum w, uint32_t f, bignum x, bignum y, bignum z, const division_signs& signs)
{
    strip_leading_zeros(y);
    if (z != x) {
        strip_leading_zeros(w);
        divide_by_word(w, f, x);
        restore_sign(x, signs.dividend);
    }
    if (f != 1)
        divide_by_word(y, f, y);
    restore_sign(y, signs.divisor);
}

// z = w / y (unless z = y) and x = the remainder (unless z = x) for w >= y and y of two words or more:
// both scaled by normalise's factor, the quotient words, the remainder scaled back. The overflow test is
// off meanwhile; w is overwritten.
void long_division(mp_context* ctx, bignum w, int32_t lw, bignum x, bignum y, bignum z, const division_signs& signs)
{
    const int32_t ly = word_count(y);
    if (z != y)
        clear_number(z);
    const uint32_t f = normalise(y, y);
    const int32_t saved_check = ctx->overflow_check;
    ctx->overflow_check = 0;
    if (f != 1)
        multiply_by_word(w, f, w);
    lw = quotient_words(w->digits, lw, y->digits, ly, ctx->word_base, z != y ? z->digits : nullptr);
    if (z != y) {
        z->length_word = static_cast<uint32_t>(lw - ly + 1) | signs.quotient;
        strip_leading_zeros(z);
    }
    w->length_word = static_cast<uint32_t>(ly);
    unnormalise(w, f, x, y, z, signs);
    ctx->overflow_check = saved_check;
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
    if (!operands_divisible(ctx, x, y))
        return;
    const division_signs signs = take_signs(x, y);
    bignum w = ctx->scratch0;
    copy_number(x, w);
    const int32_t lw = word_count(w);
    const int32_t ly = word_count(y);
    if (ctx->overflow_check && lw - ly + 1 > ctx->max_words) {
        report_error(MP_ERROR_OVERFLOW);
        restore_sign(x, signs.dividend);
        restore_sign(y, signs.divisor);
        return;
    }
    const uint32_t q = short_quotient(w, lw, y, ly);
    if (compare_numbers(w, y) < 0)
        store_short_results(w, q, x, y, z, signs);
    else if (ly == 1)
        divide_by_one_word(w, x, y, z, signs);
    else
        long_division(ctx, w, lw, x, y, z, signs);
}
