// Word-at-a-time digits for the text routines; see fast_digits.h.
#include "mp/fast_digits.h"

#include "mp/fast_arith.h"
#include "mp/number.h"

void fast_word_digits(uint32_t w, uint8_t* digits)
{
    const mp_context* ctx = current_context();
    fast_base b;
    fast_base_init(&b, ctx->digit_base);
    uint64_t rest = w;
    for (int32_t p = ctx->digits_per_word; p-- > 0;) {
        uint32_t digit;
        rest = fast_div_word(rest, &b, &digit);
        digits[p] = static_cast<uint8_t>(digit);
    }
}

bool fast_put_new_digit(uint32_t v, bignum x, int32_t i)
{
    const mp_context* ctx = current_context();
    if (ctx->trace_enabled) return false;
    const int32_t per_word = ctx->digits_per_word;
    const int32_t k = (i - 1) / per_word;
    const int64_t bound = ctx->overflow_check ? ctx->max_words : 2 * static_cast<int64_t>(ctx->max_words);
    if (k >= bound) return false;
    for (int32_t p = (i - 1) % per_word; p > 0; --p)
        v *= ctx->digit_base;
    x->digits[k] += v;
    // putdig raises the count to k + 1 and strips zero words: with nothing above, a non-zero word k
    // becomes the top word, and a zero one leaves the count as it was.
    if (x->digits[k] != 0 && k >= word_count(x))
        x->length_word = static_cast<uint32_t>(k + 1) | (x->length_word & SIGN_BIT);
    return true;
}
