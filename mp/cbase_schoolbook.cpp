// Schoolbook radix change: the value is summed word by word against a growing power of the old word
// base, carried out in the current word base. Quadratic in the length of the number.
#include "mp/cbase_schoolbook.h"

#include "mp/add.h"
#include "mp/flash.h"
#include "mp/number.h"
#include "mp/report.h"
#include "mp/word_ops.h"

namespace {

// scratch8 = the value of scratch2's words taken in old_word_base, in the current word base.
// scratch0 holds the running power, scratch6 one word times it.
void convert_pass(mp_context* ctx, uint32_t old_word_base)
{
    bignum source = ctx->scratch2;
    bignum power = ctx->scratch0;
    bignum term = ctx->scratch6;
    bignum sum = ctx->scratch8;
    clear_number(sum);
    set_from_int(1, power);
    const int32_t count = word_count(source);
    for (int32_t i = 0; i < count && !ctx->error_number; ++i) {
        multiply_by_word(power, source->digits[i], term);
        add(sum, term, sum);
        if (old_word_base == 0) {
            const uint32_t half_word = shift_word_bits(1, 16);
            multiply_by_word(power, half_word, power);
            multiply_by_word(power, half_word, power);
        } else {
            multiply_by_word(power, old_word_base, power);
        }
    }
}

}  // namespace

void cbase_schoolbook(bignum x, uint32_t old_word_base, bignum y)
{
    mp_context* ctx = current_context();
    if (ctx->error_number)
        return;
    trace_scope trace(ROUTINE_CBASE);
    const int sign = sign_of(x);
    numerator_of(x, ctx->scratch2);
    denominator_of(x, ctx->scratch3);
    set_sign(+1, ctx->scratch2);
    convert_pass(ctx, old_word_base);
    if (!ctx->error_number) {
        copy_number(ctx->scratch3, ctx->scratch2);
        copy_number(ctx->scratch8, ctx->scratch10);
        convert_pass(ctx, old_word_base);
    }
    fpack(ctx->scratch10, ctx->scratch8, y);
    set_sign(sign, y);
}
