// Numbers as big-endian bytes: four bytes a word of the 2^32 packing, converted from and to the working
// packing by cbase when that is another one.
#include "mp/cbase.h"
#include "mp/number.h"
#include "mp/precondition.h"
#include "mp/report.h"

namespace {

constexpr uint32_t FULL_WORDS = 0;  // the packing radix of 2^32: four bytes a word
constexpr int32_t BYTES_PER_WORD = 4;

// Error 18 when the instance has no scratch numbers; true when it has.
bool check_scratch_numbers(const mp_context* ctx)
{
    if (ctx->instance_ready)
        return true;
    report_error(MP_ERROR_NOT_INITIALISED);
    return false;
}

}  // namespace

int cinbytes(bignum x, const uint8_t* bytes, int32_t count)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_if_ready(ROUTINE_CINBYTES);
    if (ctx == nullptr || !check_scratch_numbers(ctx))
        return 0;
    MP_EXPECTS(x != nullptr && count >= 0 && (bytes != nullptr || count == 0));
    int32_t first = 0;
    while (first < count && bytes[first] == 0)
        ++first;
    const int32_t words = (count - first + BYTES_PER_WORD - 1) / BYTES_PER_WORD;
    // 2^32 is the densest packing: a value over max_words of its words is over in any packing.
    if (words > ctx->max_words) {
        report_error(MP_ERROR_OVERFLOW);
        return 0;
    }
    const bool full_words = ctx->word_base == 0;
    bignum packed = full_words ? x : ctx->scratch6;
    clear_number(packed);
    for (int32_t w = 0; w < words; ++w) {
        uint32_t word = 0;
        const int32_t low = count - BYTES_PER_WORD * w;  // one past the word's last byte
        for (int32_t b = low - BYTES_PER_WORD; b < low; ++b)
            word = (word << 8) | (b >= first ? bytes[b] : 0u);
        packed->digits[w] = word;
    }
    packed->length_word = static_cast<uint32_t>(words);
    if (!full_words) {
        cbase(packed, FULL_WORDS, packed);
        copy_number(packed, x);
        clear_number(packed);
    }
    return count;
}

int cotbytes(bignum x, uint8_t* bytes)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_if_ready(ROUTINE_COTBYTES);
    if (ctx == nullptr || !check_scratch_numbers(ctx))
        return 0;
    MP_EXPECTS(x != nullptr && x != ctx->scratch6 && bytes != nullptr);
    if (x->length_word & DENOMINATOR_MASK) {
        report_error(MP_ERROR_FLASH_OPERAND);
        return 0;
    }
    bignum words = x;
    if (ctx->word_base != 0) {
        const uint32_t working_radix = ctx->digit_base;
        const uint32_t working_word_base = ctx->word_base;
        choose_word_base(FULL_WORDS);
        ctx->overflow_check = 0;
        cbase(x, working_word_base, ctx->scratch6);
        ctx->overflow_check = 1;
        choose_word_base(working_radix);
        words = ctx->scratch6;
        if (ctx->error_number) {
            clear_number(words);
            return 0;
        }
    }
    int32_t count = 0;
    const int32_t n = word_count(words);
    for (int32_t w = n - 1; w >= 0; --w) {
        const uint32_t word = words->digits[w];
        for (int shift = 8 * (BYTES_PER_WORD - 1); shift >= 0; shift -= 8) {
            const uint8_t byte = static_cast<uint8_t>(word >> shift);
            if (count > 0 || byte != 0)
                bytes[count++] = byte;
        }
    }
    if (words != x)
        clear_number(words);
    return count;
}
