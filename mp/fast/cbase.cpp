// Fast radix change behind cbase; see mp/fast/cbase.h.
//
// Why the conditions of fast_cbase keep the schoolbook results: that routine sums word * power over the
// words, so its only failures are the overflow tests of add and multiply_by_word, and the largest number
// it forms is the running power after the last word, B^n for a part of n words. Towards binary with
// overflow_check on, it fails exactly when B^n needs more than max_words words; the fast path takes only
// parts for which n log2 B is clearly below that capacity and leaves the others (those that fail, and a
// sliver too close to call in floating point) to the schoolbook routine, which then raises error 3 as
// always. From binary the fast path runs only with overflow_check off, when nothing is tested. With the
// trace printing on, the schoolbook's add calls would print lines; then it runs itself.
#include "mp/fast/cbase.h"

#include <cmath>
#include <cstdlib>

#include "mp/fast/radix.h"
#include "mp/flash.h"
#include "mp/memory.h"
#include "mp/number.h"
#include "mp/precondition.h"
#include "mp/report.h"

namespace {

// The workspace of the one instance, and the instance it was obtained for.
struct fast_cbase_state {
    const mp_context* owner;
    uint32_t* block;
    size_t block_words;
    fast_workspace work;
};

fast_cbase_state state = {nullptr, nullptr, 0, {}};

// Words a double-length scratch number holds (the results are written into scratch8 and scratch10).
size_t double_length(const mp_context* ctx)
{
    return 2 * static_cast<size_t>(ctx->max_words) + 1;
}

// Words the conversion of n words may write (the result and what it uses on its way).
size_t result_words(size_t n, uint32_t new_word_base)
{
    return new_word_base == 0 ? fast_from_radix_words(n) : fast_to_radix_words(n, new_word_base);
}

bool words_below(const uint32_t* w, size_t n, uint32_t base)
{
    for (size_t i = 0; i < n; ++i)
        if (w[i] >= base)
            return false;
    return true;
}

// Whether B^n stays clearly within max_words binary words: n log2 B at least 2^-20 below 32 max_words
// (far more than the rounding of the long double product, about 2^-45 here).
bool power_within_capacity(size_t n, uint32_t base, int32_t max_words)
{
    const long double bits = static_cast<long double>(n) * std::log2(static_cast<long double>(base));
    return bits < 32.0L * max_words - 1.0L / (1 << 20);
}

// A part of x (numerator or denominator) that the fast conversion takes: within the workspace, its result
// fits a double-length scratch number, and, from a base B, every word below B and no overflow due.
bool part_fits(const mp_context* ctx, const uint32_t* w, size_t n, uint32_t old_word_base)
{
    const size_t max_in = old_word_base == 0 ? state.work.max_to : state.work.max_from;
    if (n > max_in || result_words(n, ctx->word_base) > double_length(ctx))
        return false;
    if (old_word_base == 0)
        return true;
    if (ctx->overflow_check && !power_within_capacity(n, old_word_base, ctx->max_words))
        return false;
    return words_below(w, n, old_word_base);
}

bool applicable(const mp_context* ctx, bignum x, uint32_t old_word_base)
{
    if (state.owner != ctx || state.block == nullptr || ctx->trace_enabled)
        return false;
    if ((old_word_base == 0) == (ctx->word_base == 0))
        return false;  // neither or both binary
    if (ctx->word_base != 0 && ctx->overflow_check)
        return false;  // the power's overflow test is due
    const uint32_t numerator = x->length_word & NUMERATOR_MASK;
    const uint32_t denominator = (x->length_word & DENOMINATOR_MASK) >> DENOMINATOR_SHIFT;
    const uint32_t integer_words = x->length_word & COUNT_MASK;
    if (denominator == 0)
        return part_fits(ctx, x->digits, integer_words, old_word_base);
    return part_fits(ctx, x->digits, numerator, old_word_base) &&
           part_fits(ctx, x->digits + numerator, denominator, old_word_base);
}

// to = the value of the integer `from` (non-negative, words in old_word_base) in the current word base.
void convert_part(const mp_context* ctx, bignum from, uint32_t old_word_base, bignum to)
{
    const size_t n = static_cast<size_t>(word_count(from));
    clear_number(to);
    const size_t written = result_words(n, ctx->word_base);
    size_t m = ctx->word_base == 0 ? fast_from_radix(to->digits, from->digits, n, old_word_base, &state.work)
                                   : fast_to_radix(to->digits, from->digits, n, ctx->word_base, &state.work);
    for (size_t i = m; i < written; ++i)
        to->digits[i] = 0;  // words the conversion used on its way, beyond the result
    to->length_word = static_cast<uint32_t>(m);
}

}  // namespace

void fast_cbase_start(int32_t max_words)
{
    fast_cbase_stop();
    // Binary parts come from numbers of max_words words; parts in a base B from text that instr may have
    // read into a double-length scratch number.
    const size_t max_to = static_cast<size_t>(max_words), max_from = 2 * max_to + 1;
    const size_t words = fast_workspace_words(max_to, max_from);
    state.block = static_cast<uint32_t*>(std::calloc(words, sizeof(uint32_t)));
    if (state.block == nullptr)
        return;
    state.block_words = words;
    state.owner = current_context();
    fast_workspace_init(&state.work, state.block, max_to, max_from);
}

void fast_cbase_stop()
{
    if (state.block != nullptr) {
        // The block came zeroed: only what the conversions may have written needs the wipe, and the
        // pages behind it stay untouched (at 32767 bytes most of them: the other direction's scratch,
        // and the top level that only twice-as-long text reaches).
        const size_t written = static_cast<size_t>(fast_workspace_touched_end(&state.work) - state.block);
        wipe_memory(state.block, written * sizeof(uint32_t));
        release_memory(state.block);
    }
    state = {nullptr, nullptr, 0, {}};
}

bool fast_cbase(bignum x, uint32_t old_word_base, bignum y)
{
    MP_EXPECTS(x != nullptr && y != nullptr);
    mp_context* ctx = current_context();
    if (!applicable(ctx, x, old_word_base))
        return false;
    trace_scope trace(ROUTINE_CBASE);
    const int sign = sign_of(x);
    numerator_of(x, ctx->scratch2);
    denominator_of(x, ctx->scratch3);
    set_sign(+1, ctx->scratch2);
    convert_part(ctx, ctx->scratch2, old_word_base, ctx->scratch10);
    convert_part(ctx, ctx->scratch3, old_word_base, ctx->scratch8);
    fpack(ctx->scratch10, ctx->scratch8, y);
    set_sign(sign, y);
    return true;
}
