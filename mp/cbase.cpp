// Radix change entry: equal word bases copy, any other pair goes through the conversion.
#include "mp/cbase.h"

#include "mp/cbase_schoolbook.h"
#include "mp/fast/cbase.h"
#include "mp/number.h"
#include "mp/precondition.h"

void cbase(bignum x, uint32_t old_word_base, bignum y)
{
    const mp_context* ctx = current_context();
    if (ctx->error_number)
        return;
    MP_EXPECTS(x != nullptr && y != nullptr);
    MP_EXPECTS(y != ctx->scratch0 && y != ctx->scratch2 && y != ctx->scratch3 && y != ctx->scratch8 &&
               y != ctx->scratch10);
    if (old_word_base == ctx->word_base) {
        copy_number(x, y);
        return;
    }
    if (fast_cbase(x, old_word_base, y))
        return;
    cbase_schoolbook(x, old_word_base, y);
}
