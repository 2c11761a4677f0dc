// The vector kernels of the number-theoretic transforms (mp/fast/ntt.cpp): butterflies, products of
// residues with Montgomery's reduction and Garner's step of the Chinese remainders, four at a time in SSE2
// (mp/fast/ntt_sse2.cpp), or eight at a time in AVX2 (mp/fast/ntt_avx2.cpp, which leaves the spans below
// eight and Garner's step to the SSE2 kernels). Values are residues in [0, 2p) for a prime p < 2^30;
// transform lengths are powers of two from 8. Internal to mp/.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fast_detail {

// A prime field for Montgomery's reduction with R = 2^32: p and -p^-1 mod 2^32.
struct ntt_field {
    uint32_t p;
    uint32_t negated_inverse;
};

// Forward transform (decimation in frequency: bit-reversed order out) of a[0..n) in place, spans from
// `largest` (n / 2 for a whole transform) down to 1; w[span + j] the twiddle root^j R mod p of the roots of
// order 2 span.
void ntt_forward_sse2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f, size_t largest);

// Inverse transform (decimation in time, bit-reversed order in, natural out; without the division by
// n) of a[0..n) in place, spans from 1 up to `largest`, w the inverse roots' twiddles.
void ntt_inverse_sse2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f, size_t largest);

// c[i] = c[i] m[i] R^-1 mod p in [0, 2p) for c[i] m[i] < p 2^32, or with m[0] for every i when
// `constant`; reduced to [0, p) when `reduce`.
void ntt_multiply_sse2(uint32_t* c, const uint32_t* m, size_t n, bool constant, bool reduce, const ntt_field& f);

// The constants of Garner's step for the primes p1 < p2 < p3 (all Montgomery multipliers times R).
struct ntt_garner {
    ntt_field f2, f3;
    uint32_t p1;
    uint32_t inverse1;   // p1^-1 mod p2
    uint32_t p1_mod3;    // p1 mod p3
    uint32_t inverse12;  // (p1 p2)^-1 mod p3
};

// Garner's mixed-radix digits of n coefficients from their residues r1, r2, r3 (in [0, p)) modulo the
// three primes, in place of r2 and r3: v2 = (r2 - r1) p1^-1 mod p2 and v3 = (r3 - r1 - v2 p1) (p1 p2)^-1
// mod p3, so that the coefficient is r1 + p1 (v2 + p2 v3); n a multiple of 4.
void ntt_garner_sse2(const uint32_t* r1, uint32_t* r2, uint32_t* r3, size_t n, const ntt_garner& g);

// True when the processor (and the system) runs AVX2 (asked once).
bool avx2_available();

// The same as the SSE2 kernels for whole transforms, on a processor with AVX2.
void ntt_forward_avx2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f);
void ntt_inverse_avx2(uint32_t* a, size_t n, const uint32_t* w, const ntt_field& f);
void ntt_multiply_avx2(uint32_t* c, const uint32_t* m, size_t n, bool constant, bool reduce, const ntt_field& f);

}  // namespace fast_detail
