// Word-at-a-time digits for the text routines; see mp/fast/digits.h.
#include "mp/fast/digits.h"

#include "mp/digits.h"
#include "mp/fast/arith.h"
#include "mp/number.h"
#include "mp/precondition.h"

namespace {

// The current packing's digit_base and what the digit routines derive from it, kept until it changes.
struct digit_tables {
    uint32_t base;
    int32_t per_word;
    int bits;                  // log2 of a power-of-two digit_base, else 0
    uint32_t inverse;          // ceil(2^32 / digit_base): exact quotients of numbers below 2^24
    int32_t low_places;        // digits in the low half of a word, split off by one division
    fast_base low_divisor;     // digit_base^low_places
    uint64_t word_of;          // ceil(2^40 / digits_per_word): the word of a digit without dividing
    uint32_t place_value[32];  // digit_base^p for each place p in a word
};

digit_tables tables = {};

const digit_tables& current_tables()
{
    const mp_context* ctx = current_context();
    if (tables.base != ctx->digit_base || tables.per_word != ctx->digits_per_word) {
        tables.base = ctx->digit_base;
        tables.per_word = ctx->digits_per_word;
        tables.bits = 0;
        if ((tables.base & (tables.base - 1)) == 0)
            while ((1u << tables.bits) < tables.base)
                ++tables.bits;
        // A power-of-two digit_base takes the bits instead; every other one is 3 to 255.
        tables.inverse = tables.bits == 0 ? UINT32_MAX / tables.base + 1 : 0;
        tables.low_places = tables.per_word / 2;
        uint32_t low_value = 1;
        for (int32_t p = 0; p < tables.low_places; ++p)
            low_value *= tables.base;
        fast_base_init(&tables.low_divisor, low_value);
        tables.word_of =
            ((uint64_t{1} << 40) + static_cast<uint64_t>(tables.per_word) - 1) / static_cast<uint64_t>(tables.per_word);
        uint32_t value = 1;
        for (int32_t p = 0; p < tables.per_word && p < 32; ++p, value *= tables.base)
            tables.place_value[p] = value;
    }
    return tables;
}

// x / base for x below 2^24 and base 3 to 255, by the multiplication with inverse = ceil(2^32 / base):
// inverse = (2^32 + e) / base with e < base, so the product overshoots x / base by x e / (base 2^32),
// less than the 1 / base that keeps the quotient's floor. The digit x % base goes to *digit.
inline uint32_t divide_small(uint32_t x, const digit_tables& t, uint8_t* digit)
{
    const uint32_t q = static_cast<uint32_t>((static_cast<uint64_t>(x) * t.inverse) >> 32);
    *digit = static_cast<uint8_t>(x - q * t.base);
    return q;
}

}  // namespace

// A word below digit_base^per_word (at most 2^31) is split into a high and a low half by one division;
// each half is below 2^24 and gives its digits by divide_small, the two chains interleaved so that their
// latencies overlap. One chain of a 64-bit division per digit took 4-5% of writing 32767 bytes in radix
// 10; with the halves, the writing (with a word's characters stored at once) ran 4-10% faster on i686
// and the same natively (BM_cotstr/<radix>/4096 and /32767).
void fast_word_digits(uint32_t w, uint8_t* digits)
{
    MP_EXPECTS(digits != nullptr);
    const digit_tables& t = current_tables();
    if (t.bits != 0) {
        const uint32_t mask = t.base - 1;
        for (int32_t p = t.per_word; p-- > 0; w >>= t.bits)
            digits[p] = static_cast<uint8_t>(w & mask);
        return;
    }
    uint32_t low;
    uint32_t high = static_cast<uint32_t>(fast_div_word(w, &t.low_divisor, &low));
    const int32_t split = t.per_word - t.low_places;  // digits[0..split) are the high half's
    int32_t p = 0;
    for (; p < t.low_places; ++p) {
        low = divide_small(low, t, &digits[t.per_word - 1 - p]);
        high = divide_small(high, t, &digits[split - 1 - p]);
    }
    for (; p < split; ++p)
        high = divide_small(high, t, &digits[split - 1 - p]);
}

bool fast_put_new_digit(uint32_t v, bignum x, int32_t i)
{
    MP_EXPECTS(x != nullptr && v < current_context()->digit_base);
    const mp_context* ctx = current_context();
    if (ctx->trace_enabled || i < 1 || i > (1 << 22))
        return false;
    const digit_tables& t = current_tables();
    // (i - 1) / digits_per_word by the scaled reciprocal: exact for i - 1 below 2^22 and at most 32 digits
    // per word (the rounding adds under 2^-18, less than the 1/32 a quotient's fraction stays below 1).
    const int32_t k = static_cast<int32_t>((static_cast<uint64_t>(i - 1) * t.word_of) >> 40);
    const int32_t place = i - 1 - k * t.per_word;
    const int64_t bound = digit_word_bound(ctx, ctx->overflow_check != 0);
    if (k >= bound)
        return false;
    x->digits[k] += v * t.place_value[place];
    // putdig raises the count to k + 1 and strips zero words: with nothing above, a non-zero word k
    // becomes the top word, and a zero one leaves the count as it was.
    if (x->digits[k] != 0 && k >= word_count(x))
        x->length_word = static_cast<uint32_t>(k + 1) | (x->length_word & SIGN_BIT);
    return true;
}

int32_t fast_read_digits(bignum x, const char* text, int32_t start, int32_t i, int32_t* position, const int16_t* values)
{
    MP_EXPECTS(x != nullptr && text != nullptr && position != nullptr && values != nullptr);
    const mp_context* ctx = current_context();
    if (ctx->trace_enabled)
        return i;
    const digit_tables& t = current_tables();
    const int64_t bound = digit_word_bound(ctx, ctx->overflow_check != 0);
    int32_t stored = *position;
    int32_t k = stored / t.per_word, place = stored % t.per_word;  // where the next digit goes
    int32_t count = word_count(x);
    // The word being filled stays in a register and is stored once it is full (or the run ends): a store
    // and reload per digit made the loop wait on memory (measured: 1.4 ns a digit).
    uint32_t word = k < bound ? x->digits[k] : 0;
    const auto store_word = [&]() {
        x->digits[k] = word;
        if (word != 0 && k >= count) {
            count = k + 1;
            x->length_word = static_cast<uint32_t>(count) | (x->length_word & SIGN_BIT);
        }
    };
    for (; i >= start; --i) {
        // Whole words while they last: one check per word instead of the bookkeeping of every digit.
        while (place == 0 && k < bound && i - start + 1 >= t.per_word) {
            uint32_t w = 0, bad = 0;
            for (int32_t p = 0; p < t.per_word; ++p) {
                const uint32_t v = static_cast<uint32_t>(values[static_cast<unsigned char>(text[i - p])]);
                bad |= v >= t.base;  // a negative value (no digit) wraps above every base
                w += v * t.place_value[p];
            }
            if (bad != 0)
                break;
            word += w;
            store_word();
            ++k;
            word = k < bound ? x->digits[k] : 0;
            i -= t.per_word;
            stored += t.per_word;
        }
        if (i < start)
            break;
        const int v = values[static_cast<unsigned char>(text[i])];
        if (v < 0 || static_cast<uint32_t>(v) >= t.base || k >= bound)
            break;
        word += static_cast<uint32_t>(v) * t.place_value[place];
        ++stored;
        if (++place == t.per_word) {
            store_word();
            place = 0;
            ++k;
            word = k < bound ? x->digits[k] : 0;
        }
    }
    if (place != 0)
        store_word();
    *position = stored;
    return i;
}
