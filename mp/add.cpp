// Signed addition and subtraction of integers, in full words or in a smaller word base.
#include "mp/add.h"

#include "mp/flash.h"
#include "mp/number.h"
#include "mp/report.h"

void add_magnitudes(bignum x, bignum y, bignum z)
{
    mp_context* ctx = current_context();
    bignum longer = x;
    bignum shorter = y;
    if (word_count(y) > word_count(x)) {
        longer = y;
        shorter = x;
    }
    const int32_t long_count = word_count(longer);
    const int32_t short_count = word_count(shorter);
    // Writing into the shorter operand: add over the longer count, reading its zero words past its end.
    const int32_t first_loop = z == shorter ? long_count : short_count;
    if (z != shorter)
        copy_number(longer, z);
    int32_t count = long_count;
    if (long_count < ctx->max_words || !ctx->overflow_check)
        count++;
    z->length_word = static_cast<uint32_t>(count);

    const uint32_t base = ctx->word_base;
    uint32_t* const zd = z->digits;
    const uint32_t* const ld = longer->digits;
    const uint32_t* const sd = shorter->digits;
    uint32_t carry = 0;
    int32_t i = 0;
    if (base == 0) {
        for (; i < first_loop; ++i) {
            const uint64_t sum = static_cast<uint64_t>(ld[i]) + sd[i] + carry;
            zd[i] = static_cast<uint32_t>(sum);
            carry = static_cast<uint32_t>(sum >> 32);
        }
        for (; carry != 0 && i < long_count; ++i) {
            const uint64_t sum = static_cast<uint64_t>(ld[i]) + carry;
            zd[i] = static_cast<uint32_t>(sum);
            carry = static_cast<uint32_t>(sum >> 32);
        }
    } else {
        for (; i < first_loop; ++i) {
            uint32_t sum = ld[i] + sd[i] + carry;
            carry = sum >= base ? 1 : 0;
            zd[i] = carry ? sum - base : sum;
        }
        for (; carry != 0 && i < long_count; ++i) {
            uint32_t sum = ld[i] + carry;
            carry = sum >= base ? 1 : 0;
            zd[i] = carry ? sum - base : sum;
        }
    }
    if (carry != 0) {
        if (ctx->overflow_check && i >= ctx->max_words) {
            report_error(MP_ERROR_OVERFLOW);
            return;
        }
        zd[i] = 1;
    }
    if (count > 0 && zd[count - 1] == 0)
        z->length_word = static_cast<uint32_t>(count - 1);
}

void subtract_magnitudes(bignum x, bignum y, bignum z)
{
    const uint32_t base = current_context()->word_base;
    const int32_t x_count = word_count(x);
    const int32_t y_count = word_count(y);
    if (y_count > x_count) {
        report_error(MP_ERROR_NEGATIVE_RESULT);
        return;
    }
    const int32_t bound = z == y ? x_count : y_count;
    if (z != y)
        copy_number(x, z);
    z->length_word = static_cast<uint32_t>(x_count);
    const uint32_t* const xd = x->digits;
    const uint32_t* const yd = y->digits;
    uint32_t* const zd = z->digits;
    uint32_t borrow = 0;
    for (int32_t i = 0; i < bound || borrow != 0; ++i) {
        if (i >= x_count) {
            report_error(MP_ERROR_NEGATIVE_RESULT);
            return;
        }
        if (base == 0) {
            const uint64_t t = static_cast<uint64_t>(yd[i]) + borrow;
            borrow = xd[i] < t ? 1 : 0;
            zd[i] = static_cast<uint32_t>(xd[i] - t);
        } else {
            const uint32_t t = yd[i] + borrow;
            if (xd[i] >= t) {
                zd[i] = xd[i] - t;
                borrow = 0;
            } else {
                zd[i] = xd[i] + base - t;
                borrow = 1;
            }
        }
    }
    strip_leading_zeros(z);
}

void add_or_subtract(bignum x, int d, bignum y, bignum z)
{
    if (has_denominator(x) || has_denominator(y)) {
        report_error(MP_ERROR_FLASH_OPERAND);
        return;
    }
    const uint32_t x_sign = x->length_word & SIGN_BIT;
    const uint32_t y_sign = y->length_word & SIGN_BIT;
    x->length_word &= COUNT_MASK;
    y->length_word &= COUNT_MASK;
    const int c = compare_numbers(x, y);
    const bool second_negative = (d < 0) != (y_sign != 0);
    bool negate = false;
    if (x_sign != 0 && second_negative) {
        if (c >= 0)
            add_magnitudes(x, y, z);
        else
            add_magnitudes(y, x, z);
        negate = true;
    } else if (x_sign != 0) {
        if (c > 0) {
            subtract_magnitudes(x, y, z);
            negate = true;
        } else {
            subtract_magnitudes(y, x, z);
        }
    } else if (second_negative) {
        if (c >= 0) {
            subtract_magnitudes(x, y, z);
        } else {
            subtract_magnitudes(y, x, z);
            negate = true;
        }
    } else {
        if (c >= 0)
            add_magnitudes(x, y, z);
        else
            add_magnitudes(y, x, z);
    }
    if (negate && (z->length_word & COUNT_MASK) != 0)
        z->length_word ^= SIGN_BIT;
    if (x != z && x_sign != 0)
        x->length_word |= SIGN_BIT;
    if (y != z && y != x && y_sign != 0)
        y->length_word |= SIGN_BIT;
}

void add(bignum x, bignum y, bignum z)
{
    if (current_context()->error_number)
        return;
    trace_scope trace(ROUTINE_ADD);
    add_or_subtract(x, +1, y, z);
}
