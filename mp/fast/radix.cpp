// Radix change by divide and conquer over cached powers of the word bases; see mp/fast/radix.h.
#include "mp/fast/radix.h"

#include <cmath>

#include "mp/fast/arith.h"
#include "mp/precondition.h"

// floor(log2(B)) of the smallest base B the workspace is sized for (B > 2^15).
static const int SMALLEST_WORD_BITS = 15;

static int word_bits_of(uint32_t base)
{
    int bits = 0;
    while ((base >> 1) >> bits != 0)
        ++bits;
    return bits;
}

static bool is_power_of_two(uint32_t base)
{
    return (base & (base - 1)) == 0;
}

// Words that hold a value below 2^(32 n) in a base of at least 2^word_bits, with one word to spare for
// the sum of two such bounds (hi * P + lo).
static size_t to_bound(size_t n, int word_bits)
{
    return (32 * n) / static_cast<size_t>(word_bits) + 2;
}

// Words that hold a value below B^n (B <= 2^31) in binary, with the same spare.
static size_t from_bound(size_t n)
{
    return n + 2;
}

// The level k of the split of n words (n > leaf): s = leaf * 2^k is the largest such s below n.
static int split_level(size_t n, size_t leaf)
{
    int k = 0;
    while ((leaf << (k + 1)) < n)
        ++k;
    return k;
}

// Levels of powers that inputs of up to n words use.
static int levels_for(size_t n, size_t leaf)
{
    return n > leaf ? split_level(n, leaf) + 1 : 0;
}

static size_t max_of(size_t a, size_t b)
{
    return a > b ? a : b;
}

// Scratch words for inputs of up to leaf * 2^levels words (words of a result of s input words: bound(s)):
// level k keeps the converted high part and the product, and runs the high part's own conversion or the
// multiplication behind them; the table build needs the multiplication's scratch and leaf + 1 words.
static size_t scratch_for(int levels, size_t leaf, size_t (*bound)(size_t, int), int word_bits)
{
    size_t need = leaf + 1;
    for (int k = 0; k < levels; ++k) {
        size_t s = leaf << k;
        size_t below = need;
        need =
            bound(s, word_bits) + max_of(below, bound(2 * s, word_bits) + fast_mul_scratch_words(bound(s, word_bits)));
    }
    return need;
}

static size_t from_bound_bits(size_t n, int)
{
    return from_bound(n);
}

size_t fast_workspace_words(size_t max_to, size_t max_from)
{
    const int to_levels = levels_for(max_to, TO_RADIX_LEAF);
    const int from_levels = levels_for(max_from, FROM_RADIX_LEAF);
    size_t words = 0;
    for (int k = 0; k < to_levels; ++k)
        words += to_bound(TO_RADIX_LEAF << k, SMALLEST_WORD_BITS);
    for (int k = 0; k < from_levels; ++k)
        words += from_bound(FROM_RADIX_LEAF << k);
    // Towards a base, the result in a wider power of its radix comes first (fast_to_radix).
    return words + max_of(to_bound(max_to, SMALLEST_WORD_BITS) +
                              scratch_for(to_levels, TO_RADIX_LEAF, to_bound, SMALLEST_WORD_BITS),
                          scratch_for(from_levels, FROM_RADIX_LEAF, from_bound_bits, 0));
}

void fast_workspace_init(fast_workspace* w, uint32_t* block, size_t max_to, size_t max_from)
{
    MP_EXPECTS(block != nullptr);
    w->max_to = max_to;
    w->max_from = max_from;
    w->to_levels = levels_for(max_to, TO_RADIX_LEAF);
    w->from_levels = levels_for(max_from, FROM_RADIX_LEAF);
    w->to_radix.base = 0;
    w->to_radix.levels = 0;
    w->from_radix.base = 0;
    w->from_radix.levels = 0;
    uint32_t* at = block;
    for (int k = 0; k < w->to_levels; ++k) {
        w->to_radix.power[k] = at;
        at += to_bound(TO_RADIX_LEAF << k, SMALLEST_WORD_BITS);
    }
    for (int k = 0; k < w->from_levels; ++k) {
        w->from_radix.power[k] = at;
        at += from_bound(FROM_RADIX_LEAF << k);
    }
    w->scratch = at;
    w->scratch_words = fast_workspace_words(max_to, max_from) - static_cast<size_t>(at - block);
    w->scratch_touched = 0;
}

size_t fast_to_radix_words(size_t n, uint32_t base)
{
    const int bits = word_bits_of(base);
    if (is_power_of_two(base))
        return (32 * n + static_cast<size_t>(bits) - 1) / static_cast<size_t>(bits) + 1;
    return to_bound(n, bits);
}

size_t fast_from_radix_words(size_t n)
{
    return from_bound(n);
}

// Binary words to b-bit words (base 2^b): the bits regrouped, O(n).
static size_t to_bit_groups(uint32_t* out, const uint32_t* x, size_t n, int bits)
{
    const uint32_t mask = (1u << bits) - 1;
    uint64_t pending = 0;
    int have = 0;
    size_t m = 0;
    for (size_t i = 0; i < n; ++i) {
        pending |= static_cast<uint64_t>(x[i]) << have;
        have += 32;
        while (have >= bits) {
            out[m++] = static_cast<uint32_t>(pending) & mask;
            pending >>= bits;
            have -= bits;
        }
    }
    if (have > 0)
        out[m++] = static_cast<uint32_t>(pending);
    return fast_strip(out, m);
}

// b-bit words (base 2^b) to binary words, O(n).
static size_t from_bit_groups(uint32_t* out, const uint32_t* y, size_t n, int bits)
{
    uint64_t pending = 0;
    int have = 0;
    size_t m = 0;
    for (size_t i = 0; i < n; ++i) {
        pending |= static_cast<uint64_t>(y[i]) << have;
        have += bits;
        if (have >= 32) {
            out[m++] = static_cast<uint32_t>(pending);
            pending >>= 32;
            have -= 32;
        }
    }
    if (have > 0)
        out[m++] = static_cast<uint32_t>(pending);
    return fast_strip(out, m);
}

// Horner's rule in base B: out = x[0..n) (binary), built from the top word down as acc * 2^32 + word.
static size_t to_radix_leaf(uint32_t* out, const uint32_t* x, size_t n, const fast_base* b)
{
    size_t m = 0;
    for (size_t i = n; i-- > 0;) {
        uint64_t carry = x[i];  // every step stays below B 2^32 < 2^64: out[j] < B, carry < 2^32
        for (size_t j = 0; j < m; ++j) {
            uint32_t rem;
            carry = fast_div_word((static_cast<uint64_t>(out[j]) << 32) + carry, b, &rem);
            out[j] = rem;
        }
        while (carry != 0) {
            uint32_t rem;
            carry = fast_div_word(carry, b, &rem);
            out[m++] = rem;
        }
    }
    return m;
}

// Horner's rule in binary: out = y[0..n) (base B), built from the top word down as acc * B + word.
static size_t from_radix_leaf(uint32_t* out, const uint32_t* y, size_t n, uint32_t base)
{
    size_t m = 0;
    for (size_t i = n; i-- > 0;) {
        uint64_t carry = y[i];
        for (size_t j = 0; j < m; ++j) {
            uint64_t t = static_cast<uint64_t>(out[j]) * base + carry;
            out[j] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0)
            out[m++] = static_cast<uint32_t>(carry);
    }
    return m;
}

// One step of either direction: out = convert(hi) * power[k] + convert(lo), where the caller's convert
// writes lo straight into out and hi into scratch. `bound` sizes a converted part; arith is the target base.
struct radix_step {
    const fast_power_table* powers;
    const fast_base* arith;
    size_t leaf;
    int word_bits;
    size_t (*bound)(size_t, int);
    size_t (*leaf_convert)(uint32_t*, const uint32_t*, size_t, const fast_base*);
    const fast_base* source;  // the source word base, for the leaf conversion
};

static size_t convert(uint32_t* out, const uint32_t* x, size_t n, const radix_step* st, uint32_t* scratch)
{
    n = fast_strip(x, n);
    if (n <= st->leaf)
        return st->leaf_convert(out, x, n, st->source);
    const int k = split_level(n, st->leaf);
    const size_t s = st->leaf << k;
    const uint32_t* power = st->powers->power[k];
    const size_t pl = st->powers->length[k];

    const size_t ml = convert(out, x, s, st, scratch);  // lo < power, so ml <= pl
    for (size_t i = ml; i < pl; ++i)
        out[i] = 0;
    uint32_t* high = scratch;
    uint32_t* rest = scratch + st->bound(n - s, st->word_bits);
    const size_t mh = convert(high, x + s, n - s, st, rest);
    // Low zero words of the power need no products: B^s held in binary ends in s * v zero bits when
    // 2^v divides B (10^9: 9 bits of every 29.9; 36^5: 10 of 25.8), a quarter to a third of its words.
    size_t zeros = 0;
    while (power[zeros] == 0)
        ++zeros;
    uint32_t* product = rest;
    uint32_t* mul_scratch = product + pl + mh;
    for (size_t i = 0; i < zeros; ++i)
        product[i] = 0;
    const uint32_t* nonzero = power + zeros;
    const size_t nl = pl - zeros;
    if (nl >= mh)
        fast_mul(product + zeros, nonzero, nl, high, mh, st->arith, mul_scratch);
    else
        fast_mul(product + zeros, high, mh, nonzero, nl, st->arith, mul_scratch);
    fast_add(out, product, pl + mh, out, pl, st->arith);
    return fast_strip(out, pl + mh);
}

static size_t to_leaf(uint32_t* out, const uint32_t* x, size_t n, const fast_base* target)
{
    return to_radix_leaf(out, x, n, target);
}

static size_t from_leaf(uint32_t* out, const uint32_t* y, size_t n, const fast_base* source)
{
    return from_radix_leaf(out, y, n, source->base);
}

// Builds the levels of p up to `levels` for the step's word base B. Level 0 is the source words
// 0 ... 0 1 (leaf zeros) converted as a leaf: (2^32)^leaf in base B, or B^leaf in binary. Each level
// above squares the one below.
static void build_powers(fast_power_table* p, int levels, const radix_step* st, uint32_t* scratch)
{
    const uint32_t base = st->source->base;
    if (p->base != base) {
        p->base = base;
        p->levels = 0;
    }
    for (; p->levels < levels; ++p->levels) {
        const int k = p->levels;
        if (k == 0) {
            for (size_t i = 0; i < st->leaf; ++i)
                scratch[i] = 0;
            scratch[st->leaf] = 1;
            p->length[0] = st->leaf_convert(p->power[0], scratch, st->leaf + 1, st->source);
        } else {
            const size_t len = p->length[k - 1];
            fast_mul(p->power[k], p->power[k - 1], len, p->power[k - 1], len, st->arith, scratch);
            p->length[k] = fast_strip(p->power[k], 2 * len);
        }
    }
}

// A word base B = r^k with r its smallest root, and the widest power W = r^j (j >= k) of r within
// FAST_WIDEST_BASE.
struct radix_powers {
    uint32_t root;
    int k, j;
    uint32_t wide;
};

static radix_powers powers_of(uint32_t base)
{
    radix_powers rp = {base, 1, 1, base};
    for (int e = 31; e >= 2 && rp.k == 1; --e) {
        const uint64_t guess = static_cast<uint64_t>(std::pow(static_cast<double>(base), 1.0 / e));
        for (uint64_t r = guess > 2 ? guess - 1 : 2; r <= guess + 1; ++r) {
            uint64_t v = 1;
            for (int i = 0; i < e && v <= base; ++i)
                v *= r;
            if (v == base) {
                rp = {static_cast<uint32_t>(r), e, e, base};
                break;
            }
        }
    }
    while (static_cast<uint64_t>(rp.wide) * rp.root <= FAST_WIDEST_BASE) {
        rp.wide *= rp.root;
        ++rp.j;
    }
    return rp;
}

// Words of base r^j (w[0..m) in normal form, least significant first) to words of base r^k, k < j, in
// normal form: the digits of r regrouped, O(m). The pending value stays below r^(j + k - 1) < 2^62.
static size_t regroup(uint32_t* out, const uint32_t* w, size_t m, const radix_powers* rp)
{
    uint64_t scale[32];  // r^0 .. r^(k-1)
    scale[0] = 1;
    for (int i = 1; i < rp->k; ++i)
        scale[i] = scale[i - 1] * rp->root;
    fast_base target;
    fast_base_init(&target, static_cast<uint32_t>(scale[rp->k - 1] * rp->root));
    uint64_t pending = 0;
    int have = 0;  // digits of r pending
    size_t o = 0;
    for (size_t i = 0; i < m; ++i) {
        pending += w[i] * scale[have];
        have += rp->j;
        // After the top word, only the words the value still has (no zero words above it).
        for (; i + 1 < m ? have >= rp->k : pending != 0; have -= rp->k)
            pending = fast_div_word(pending, &target, &out[o++]);
    }
    return o;
}

// True when p[0..n) shares no word with the workspace block (the power tables, then the scratch).
// Not static: where preconditions are compiled out only unevaluated operands name it, which clang
// reports for a function of internal linkage.
inline bool outside_workspace(const uint32_t* p, size_t n, const fast_workspace* w)
{
    const uint32_t* first = w->to_levels > 0     ? w->to_radix.power[0]
                            : w->from_levels > 0 ? w->from_radix.power[0]
                                                 : w->scratch;
    return words_disjoint(p, n, first, static_cast<size_t>(w->scratch + w->scratch_words - first));
}

const uint32_t* fast_workspace_touched_end(const fast_workspace* w)
{
    return w->scratch + w->scratch_touched;
}

// Records that a conversion writes the first `words` words of the scratch.
static void touch_scratch(fast_workspace* w, size_t words)
{
    w->scratch_touched = max_of(w->scratch_touched, words);
}

// fast_to_radix in word base `base` itself, with the given scratch.
static size_t to_base(uint32_t* out, const uint32_t* x, size_t n, uint32_t base, fast_workspace* w, uint32_t* scratch)
{
    fast_base target;
    fast_base_init(&target, base);
    const radix_step st = {&w->to_radix, &target, TO_RADIX_LEAF, word_bits_of(base), to_bound, to_leaf, &target};
    build_powers(&w->to_radix, levels_for(n, TO_RADIX_LEAF), &st, scratch);
    return convert(out, x, n, &st, scratch);
}

size_t fast_to_radix(uint32_t* out, const uint32_t* x, size_t n, uint32_t base, fast_workspace* w)
{
    MP_EXPECTS(n <= w->max_to && base > (1u << 15) && base <= 0x80000000u);
    MP_EXPECTS(words_disjoint(out, fast_to_radix_words(n, base), x, n));
    MP_EXPECTS(outside_workspace(out, fast_to_radix_words(n, base), w));
    if (is_power_of_two(base))
        return to_bit_groups(out, x, fast_strip(x, n), word_bits_of(base));
    n = fast_strip(x, n);
    const radix_powers rp = powers_of(base);
    const size_t steps = scratch_for(levels_for(n, TO_RADIX_LEAF), TO_RADIX_LEAF, to_bound, SMALLEST_WORD_BITS);
    if (rp.wide == base) {
        touch_scratch(w, steps);
        return to_base(out, x, n, base, w, w->scratch);
    }
    uint32_t* wide = w->scratch;
    touch_scratch(w, to_bound(w->max_to, SMALLEST_WORD_BITS) + steps);
    const size_t m = to_base(wide, x, n, rp.wide, w, wide + to_bound(w->max_to, SMALLEST_WORD_BITS));
    return regroup(out, wide, m, &rp);
}

size_t fast_from_radix(uint32_t* out, const uint32_t* y, size_t n, uint32_t base, fast_workspace* w)
{
    MP_EXPECTS(levels_for(n, FROM_RADIX_LEAF) <= w->from_levels && words_below_base(y, n, base));
    MP_EXPECTS(base > (1u << 15) && base <= 0x80000000u);
    MP_EXPECTS(words_disjoint(out, fast_from_radix_words(n), y, n));
    MP_EXPECTS(outside_workspace(out, fast_from_radix_words(n), w));
    if (is_power_of_two(base))
        return from_bit_groups(out, y, fast_strip(y, n), word_bits_of(base));
    fast_base binary, source;
    fast_base_init(&binary, 0);
    fast_base_init(&source, base);
    n = fast_strip(y, n);
    const radix_step st = {&w->from_radix, &binary, FROM_RADIX_LEAF, 0, from_bound_bits, from_leaf, &source};
    touch_scratch(w, scratch_for(levels_for(n, FROM_RADIX_LEAF), FROM_RADIX_LEAF, from_bound_bits, 0));
    build_powers(&w->from_radix, levels_for(n, FROM_RADIX_LEAF), &st, w->scratch);
    return convert(out, y, n, &st, w->scratch);
}
