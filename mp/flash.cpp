// Fractions: packing a numerator and a denominator into one number and taking them apart.
#include "mp/flash.h"

#include "mp/number.h"
#include "mp/report.h"

namespace {

// True when x is one word equal to 1 (x is 1 or -1).
bool is_unit(bignum x)
{
    return (x->length_word & COUNT_MASK) == 1 && x->digits[0] == 1;
}

}  // namespace

int has_denominator(bignum x)
{
    return (x->length_word & DENOMINATOR_MASK) != 0 ? 1 : 0;
}

void fpack(bignum n, bignum d, bignum f)
{
    mp_context* ctx = current_context();
    if (ctx->error_number)
        return;
    trace_scope trace(ROUTINE_FPACK);
    int64_t dc = stored_length(d);
    if (dc == 0)
        report_error(MP_ERROR_FLASH_OVERFLOW);
    if (is_unit(d))
        dc = 0;
    if (d == f)
        report_error(MP_ERROR_ILLEGAL_PARAMETER);
    if (has_denominator(n) || has_denominator(d))
        report_error(MP_ERROR_FLASH_OPERAND);
    int64_t nc = stored_length(n);
    if (is_unit(n))
        nc = 0;
    if (nc + dc > ctx->max_words && (ctx->overflow_check || nc + dc > 2 * static_cast<int64_t>(ctx->max_words))) {
        report_error(MP_ERROR_FLASH_OVERFLOW);
    }
    if (ctx->error_number)
        return;
    const uint32_t sign = (n->length_word ^ d->length_word) & SIGN_BIT;
    copy_number(n, f);
    if (f->length_word == 0)
        return;
    if (dc == 0) {
        f->length_word = (f->length_word & COUNT_MASK) | sign;
        return;
    }
    for (int64_t i = 0; i < dc; ++i)
        f->digits[nc + i] = d->digits[i];
    f->length_word = sign | static_cast<uint32_t>(dc << DENOMINATOR_SHIFT) | static_cast<uint32_t>(nc);
}

void numerator_of(bignum x, bignum y)
{
    if (current_context()->error_number)
        return;
    if (!has_denominator(x)) {
        copy_number(x, y);
        return;
    }
    const uint32_t sign = x->length_word & SIGN_BIT;
    const int32_t nc = static_cast<int32_t>(x->length_word & NUMERATOR_MASK);
    const int32_t dc = static_cast<int32_t>((x->length_word & DENOMINATOR_MASK) >> DENOMINATOR_SHIFT);
    if (nc == 0) {
        set_from_int(sign ? -1 : 1, y);
        return;
    }
    if (x != y) {
        const int32_t former = stored_length(y);
        for (int32_t i = 0; i < nc; ++i)
            y->digits[i] = x->digits[i];
        for (int32_t i = nc; i < former; ++i)
            y->digits[i] = 0;
    } else {
        for (int32_t i = nc; i < nc + dc; ++i)
            y->digits[i] = 0;
    }
    y->length_word = static_cast<uint32_t>(nc) | sign;
}

void denominator_of(bignum x, bignum y)
{
    if (current_context()->error_number)
        return;
    if (!has_denominator(x)) {
        set_from_int(1, y);
        return;
    }
    const int32_t nc = static_cast<int32_t>(x->length_word & NUMERATOR_MASK);
    const int32_t dc = static_cast<int32_t>((x->length_word & DENOMINATOR_MASK) >> DENOMINATOR_SHIFT);
    const int32_t former = stored_length(y);
    for (int32_t i = 0; i < dc; ++i)
        y->digits[i] = x->digits[nc + i];
    if (x == y) {
        for (int32_t i = dc; i < dc + nc; ++i)
            y->digits[i] = 0;
    } else {
        for (int32_t i = dc; i < former; ++i)
            y->digits[i] = 0;
    }
    y->length_word = static_cast<uint32_t>(dc);
}
