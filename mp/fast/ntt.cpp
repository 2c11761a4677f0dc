// Products of long word arrays by number-theoretic transforms (fast_mul_ntt): the convolution of the two
// word sequences is computed modulo three primes below 2^30, put together by the Chinese remainder
// theorem, and its coefficients carried into words of the base. O(n log n); for any word base, as the
// transforms see only the words.
//
// - Primes p = c * 2^k + 1 with k >= 24 (transforms of up to 2^24 points) and p < 2^30, so that sums of
//   two values below 2p, and differences plus 2p, stay below 2^32 (lazy reduction: values live in
//   [0, 2p) and are reduced to [0, p) once, at the end). Their product exceeds 2^85, and a coefficient of
//   the convolution is below min(an, bn) * 2^64, so FAST_NTT_MAX_WORDS keeps it exact.
// - Multiplication modulo p by Montgomery's reduction with R = 2^32 (three word multiplications, no
//   division): twiddles are kept multiplied by R, the inputs are taken in multiplied by R, and the last
//   scaling takes out R and the transform length.
// - The forward transform is decimation in frequency (natural order in, bit-reversed out), the inverse
//   decimation in time (bit-reversed in, natural out), so that no permutation is needed between them.
// - The butterflies run four or eight at a time in vector registers (mp/fast/ntt_kernels.h): SSE2, or
//   AVX2 where the processor has it; Garner's step of the Chinese remainders four at a time in SSE2, so
//   that the carry pass keeps three word products a coefficient (the step had been about half the time
//   outside the kernels: on i686 BM_fast_mul/4096/0 0.37 -> 0.31 ms, /4096/1 0.52 -> 0.43 ms).
// - Transform lengths are powers of two; a product that passes one by a little takes the cyclic
//   convolution of that length and its top coefficients from a transform of its operands' top words
//   (plan_of): the radix change's products in a base B, whose powers take a few more words than the binary
//   ones, took twice the length before (i686 BM_cotstr/10/32767 4.93 -> 4.19 ms, x86-64 3.55 -> 3.03 ms).
#include "mp/fast/ntt_kernels.h"
#include "mp/fast/schoolbook.h"

#include "mp/precondition.h"

using fast_detail::ntt_field;

namespace {

typedef ntt_field field;

constexpr uint32_t PRIMES[3] = {167772161u, 469762049u, 754974721u};  // 5 * 2^25 + 1, 7 * 2^26 + 1, 45 * 2^24 + 1
constexpr uint32_t GENERATORS[3] = {3, 3, 11};                        // of each prime's multiplicative group

field field_of(uint32_t p)
{
    uint32_t inverse = p;  // p * p = 1 mod 8; each Newton step doubles the correct low bits
    for (int i = 0; i < 4; ++i)
        inverse *= 2 - p * inverse;
    return {p, 0u - inverse};
}

// x * y * 2^-32 mod p, in [0, 2p), for x * y < p * 2^32.
inline uint32_t redc(uint64_t t, const field& f)
{
    const uint32_t m = static_cast<uint32_t>(t) * f.negated_inverse;
    return static_cast<uint32_t>((t + static_cast<uint64_t>(m) * f.p) >> 32);
}

inline uint32_t mul_redc(uint32_t x, uint32_t y, const field& f)
{
    return redc(static_cast<uint64_t>(x) * y, f);
}

// x - p when x >= p, for x < 2p (and the same with 2p).
inline uint32_t reduce_once(uint32_t x, uint32_t p)
{
    return x - (p & (0u - static_cast<uint32_t>(x >= p)));
}

// Setup arithmetic, a handful of operations a transform: exact, by 64-bit remainders.
uint32_t mul_mod(uint32_t x, uint32_t y, uint32_t p)
{
    return static_cast<uint32_t>(static_cast<uint64_t>(x) * y % p);
}

uint32_t pow_mod(uint32_t x, uint32_t e, uint32_t p)
{
    uint32_t r = 1;
    for (; e != 0; e >>= 1, x = mul_mod(x, x, p))
        if (e & 1)
            r = mul_mod(r, x, p);
    return r;
}

// x * 2^32 mod p: x in Montgomery form.
uint32_t montgomery_form(uint32_t x, uint32_t p)
{
    return static_cast<uint32_t>((static_cast<uint64_t>(x) << 32) % p);
}

// w[len + j] = root^j * R mod p for the roots of order 2 len, len = 1, 2, 4, ..., n / 2 (w[0] unused),
// from `root` of order n. Only the top level is multiplied out, in four interleaved chains (one chain
// waits on each multiplication); the roots of order 2 len are the even powers of those of order 4 len.
void twiddles(uint32_t* w, size_t n, uint32_t root, const field& f)
{
    if (n < 2)
        return;
    const size_t top = n / 2;
    uint32_t* level = w + top;
    level[0] = montgomery_form(1, f.p);
    for (size_t j = 1; j < 4 && j < top; ++j)
        level[j] = reduce_once(mul_redc(level[j - 1], montgomery_form(root, f.p), f), f.p);
    const uint32_t step = montgomery_form(pow_mod(root, 4, f.p), f.p);
    for (size_t j = 4; j < top; ++j)
        level[j] = reduce_once(mul_redc(level[j - 4], step, f), f.p);
    for (size_t len = top / 2; len >= 1; len /= 2)
        for (size_t j = 0; j < len; ++j)
            w[len + j] = w[2 * len + 2 * j];
}

// The twiddles of `root` (twiddles) turned into those of root^-1, in place: for a root of order 2 len,
// root^-j = -root^(len - j), so each level but its first entry is reversed and negated.
void invert_twiddles(uint32_t* w, size_t n, uint32_t p)
{
    for (size_t len = 2; len < n; len *= 2)
        for (size_t j = 1, i = len - 1; j <= i; ++j, --i) {
            const uint32_t x = w[len + j], y = w[len + i];
            w[len + j] = p - y;
            w[len + i] = p - x;
        }
}

// The kernels of one instruction set.
struct kernels {
    void (*forward)(uint32_t* a, size_t n, const uint32_t* w, const field& f);
    void (*inverse)(uint32_t* a, size_t n, const uint32_t* w, const field& f);
    void (*multiply)(uint32_t* c, const uint32_t* m, size_t n, bool constant, bool reduce, const field& f);
};

void forward_sse2(uint32_t* a, size_t n, const uint32_t* w, const field& f)
{
    fast_detail::ntt_forward_sse2(a, n, w, f, n / 2);
}

void inverse_sse2(uint32_t* a, size_t n, const uint32_t* w, const field& f)
{
    fast_detail::ntt_inverse_sse2(a, n, w, f, n / 2);
}

kernels kernels_of(fast_vectors vectors)
{
    if (vectors == fast_vectors::avx2)
        return {fast_detail::ntt_forward_avx2, fast_detail::ntt_inverse_avx2, fast_detail::ntt_multiply_avx2};
    return {forward_sse2, inverse_sse2, fast_detail::ntt_multiply_sse2};
}

// t[0..n) = the words of a[0..an) times R mod p, in [0, 2p), and zeros up to n.
void load(uint32_t* t, const uint32_t* a, size_t an, size_t n, const field& f, const kernels& k)
{
    for (size_t i = 0; i < an; ++i)
        t[i] = a[i];
    for (size_t i = an; i < n; ++i)
        t[i] = 0;
    const uint32_t r2 = mul_mod(montgomery_form(1, f.p), montgomery_form(1, f.p), f.p);  // R^2 mod p
    k.multiply(t, &r2, n, true, false, f);
}

// The least power of two from 8 that holds `words` values.
size_t transform_length(size_t words)
{
    size_t n = 8;  // the vector transforms' least
    while (n < words)
        n *= 2;
    return n;
}

// The transforms of a product of an x bn words: a cyclic convolution of n points, and the top `wrapped`
// coefficients (those from n up, which the cyclic one adds onto its first ones) computed apart by a
// transform of `small` points (0: none).
struct plan {
    size_t n, wrapped, small;
};

// A product whose an + bn - 1 coefficients just pass a power of two (as the radix change's are: its
// powers of a base B < 2^32 take a few more words than the binary ones) would double the transforms. When
// the excess m is at most a quarter of that power n and a fits in n points, the convolution is cyclic of
// n points instead and its top m coefficients come from the top m words of each operand, by a transform
// of at most n / 2 points: about 0.6 of the doubled cost.
plan plan_of(size_t an, size_t bn)
{
    const size_t coefficients = an + bn - 1, doubled = transform_length(coefficients), n = doubled / 2;
    if (n >= 8 && an <= n && coefficients - n <= n / 4) {
        const size_t m = coefficients - n;
        return {n, m, transform_length(2 * m - 1)};
    }
    return {doubled, 0, 0};
}

// The scaling of an inverse transform of n points: its values are n R times the convolution (the inputs
// came in times R, the products took one R out), so they are multiplied by n^-1 (p - (p - 1) / n, as n
// divides p - 1) with one more R taken out, and reduced to [0, p).
void scale(uint32_t* c, size_t n, const field& f, const kernels& k)
{
    const uint32_t n_inverse = f.p - (f.p - 1) / static_cast<uint32_t>(n);
    k.multiply(c, &n_inverse, n, true, true, f);
}

// c = the transform of a[0..an) (n points), times that of b (a square when b is a), pointwise; t holds n
// values. Both in the transform's order, as the inverse takes them.
void transformed_product(uint32_t* c, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, size_t n,
                         const uint32_t* w, const field& f, const kernels& k, uint32_t* t)
{
    load(c, a, an, n, f, k);
    k.forward(c, n, w, f);
    if (a == b && an == bn) {
        k.multiply(c, c, n, false, false, f);
    } else {
        load(t, b, bn, n, f, k);
        k.forward(t, n, w, f);
        k.multiply(c, t, n, false, false, f);
    }
}

// Residues of the convolution of a and b modulo prime `which` into c[0..an+bn-1), in [0, p), by the
// transforms of `pl`; scratch holds 2 n + pl.small values.
void convolve(uint32_t* c, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const plan& pl, int which,
              const kernels& k, uint32_t* scratch)
{
    const field f = field_of(PRIMES[which]);
    const size_t n = pl.n, m = pl.wrapped;
    uint32_t* t = scratch;
    uint32_t* w = t + n;
    uint32_t* u = w + n;
    const uint32_t root = pow_mod(GENERATORS[which], (f.p - 1) / static_cast<uint32_t>(n), f.p);
    twiddles(w, n, root, f);  // those of a shorter transform are their first entries
    transformed_product(c, a, an, b, bn, n, w, f, k, t);
    if (m != 0) {
        // Coefficient n + j (j < m) takes a[i] b[n + j - i] for n - bn < i < an: the top m words of
        // each operand, whose linear convolution d has it at d[m - 1 + j].
        transformed_product(t, a + (an - m), m, b + (bn - m), m, pl.small, w, f, k, u);
    }
    invert_twiddles(w, n, f.p);
    k.inverse(c, n, w, f);
    scale(c, n, f, k);
    if (m != 0) {
        k.inverse(t, pl.small, w, f);
        scale(t, pl.small, f, k);
        for (size_t j = 0; j < m; ++j) {
            const uint32_t top = t[m - 1 + j];
            c[j] = c[j] >= top ? c[j] - top : c[j] + f.p - top;
            c[n + j] = top;
        }
    }
}

// The constants of Garner's step for PRIMES.
fast_detail::ntt_garner garner_of()
{
    const uint32_t p1 = PRIMES[0], p2 = PRIMES[1], p3 = PRIMES[2];
    fast_detail::ntt_garner g;
    g.f2 = field_of(p2);
    g.f3 = field_of(p3);
    g.p1 = p1;
    g.inverse1 = montgomery_form(pow_mod(p1 % p2, p2 - 2, p2), p2);
    g.p1_mod3 = montgomery_form(p1 % p3, p3);
    g.inverse12 = montgomery_form(pow_mod(mul_mod(p1 % p3, p2 % p3, p3), p3 - 2, p3), p3);
    return g;
}

}  // namespace

using namespace fast_detail;

fast_vectors fast_widest_vectors()
{
    if (avx2_available())
        return fast_vectors::avx2;
#if defined(__i386__)
    return sse2_available() ? fast_vectors::sse2 : fast_vectors::none;
#else
    return fast_vectors::sse2;  // part of x86-64
#endif
}

size_t fast_mul_ntt_scratch_words(size_t an, size_t bn)
{
    return 5 * transform_length(an + bn - 1);
}

void fast_mul_ntt(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
                  fast_vectors vectors, uint32_t* scratch)
{
    MP_EXPECTS(array_base(base->base) && an >= bn && bn >= 1 && an + bn <= FAST_NTT_MAX_WORDS);
    MP_EXPECTS(vectors != fast_vectors::none && vectors <= fast_widest_vectors());
    MP_EXPECTS(words_disjoint(r, an + bn, a, an) && words_disjoint(r, an + bn, b, bn));
    MP_EXPECTS(words_disjoint(r, an + bn, scratch, fast_mul_ntt_scratch_words(an, bn)));
    // Three residue arrays of the coefficients (rounded up for the four lanes of Garner's step) or of the
    // cyclic transform, then the transforms' scratch: within five times the doubled transform length.
    const plan pl = plan_of(an, bn);
    const size_t columns = an + bn - 1, lanes = (columns + 3) / 4 * 4, stride = lanes > pl.n ? lanes : pl.n;
    uint32_t* residues[3] = {scratch, scratch + stride, scratch + 2 * stride};
    const kernels k = kernels_of(vectors);
    for (int which = 0; which < 3; ++which)
        convolve(residues[which], a, an, b, bn, pl, which, k, scratch + 3 * stride);
    fast_detail::ntt_garner_sse2(residues[0], residues[1], residues[2], lanes, garner_of());
    const word_limbs words = word_limbs_of(base);
    const uint64_t p1 = PRIMES[0], p2 = PRIMES[1];
    uint64_t carry = 0;
    for (size_t i = 0; i < columns; ++i) {
        // The coefficient r1 + p1 (v2 + p2 v3), below 2^86: the low word of w, and high * 2^32.
        const uint64_t u = residues[1][i] + p2 * residues[2][i];  // below p2 p3 < 2^60
        const uint64_t w = p1 * static_cast<uint32_t>(u) + residues[0][i];
        const uint64_t high = (w >> 32) + p1 * static_cast<uint32_t>(u >> 32);
        uint64_t lo = static_cast<uint32_t>(w) | (high << 32);
        uint32_t hi = static_cast<uint32_t>(high >> 32);
        lo += carry;
        hi += lo < carry;
        carry = reduce_column(lo, hi, &r[i], &words);
    }
    r[columns] = static_cast<uint32_t>(carry);
}
