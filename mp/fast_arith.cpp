// Word-array arithmetic in base 2^32 or a base B: linear passes, schoolbook and Karatsuba products.
#include "mp/fast_arith.h"

void fast_base_init(fast_base* b, uint32_t base)
{
    b->base = base;
    b->reciprocal = base == 0 ? 0 : UINT64_MAX / base;
}

size_t fast_strip(const uint32_t* a, size_t n)
{
    while (n > 0 && a[n - 1] == 0)
        --n;
    return n;
}

int fast_compare(const uint32_t* a, size_t an, const uint32_t* b, size_t bn)
{
    an = fast_strip(a, an);
    bn = fast_strip(b, bn);
    if (an != bn)
        return an < bn ? -1 : 1;
    while (an > 0) {
        --an;
        if (a[an] != b[an])
            return a[an] < b[an] ? -1 : 1;
    }
    return 0;
}

// Carries c (0 or 1) through a[i..an) into r; copies the rest when r is not a.
static uint32_t carry_through(uint32_t* r, const uint32_t* a, size_t i, size_t an, uint32_t c, uint32_t base)
{
    for (; c != 0 && i < an; ++i) {
        uint32_t s = a[i] + 1;
        c = base == 0 ? s == 0 : s == base;
        r[i] = c != 0 ? 0 : s;
    }
    if (r != a)
        for (; i < an; ++i)
            r[i] = a[i];
    return c;
}

uint32_t fast_add(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base)
{
    uint32_t c = 0;
    size_t i = 0;
    if (base->base == 0) {
        for (; i < bn; ++i) {
            uint64_t s = static_cast<uint64_t>(a[i]) + b[i] + c;
            r[i] = static_cast<uint32_t>(s);
            c = static_cast<uint32_t>(s >> 32);
        }
    } else {
        const uint32_t B = base->base;
        for (; i < bn; ++i) {
            uint32_t s = a[i] + b[i] + c; // below 2^32: both words are below 2^31
            c = s >= B;
            r[i] = c != 0 ? s - B : s;
        }
    }
    return carry_through(r, a, i, an, c, base->base);
}

uint32_t fast_sub(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base)
{
    uint32_t c = 0;
    size_t i = 0;
    for (; i < bn; ++i) {
        uint32_t t = b[i] + c; // b[i] + 1 only wraps to 0 in base 2^32, where it then borrows
        uint32_t ai = a[i];
        if (c != 0 && t == 0) {
            r[i] = ai;
            continue; // borrow stays 1
        }
        c = ai < t;
        r[i] = c == 0 ? ai - t : ai + (base->base - t); // base 0: ai - t modulo 2^32
    }
    for (; c != 0 && i < an; ++i) {
        uint32_t ai = a[i];
        c = ai == 0;
        r[i] = c != 0 ? (base->base == 0 ? UINT32_MAX : base->base - 1) : ai - 1;
    }
    if (r != a)
        for (; i < an; ++i)
            r[i] = a[i];
    return c;
}

uint32_t fast_mul_word(uint32_t* r, const uint32_t* a, size_t n, uint32_t m, uint32_t c, const fast_base* base)
{
    if (base->base == 0) {
        uint64_t carry = c;
        for (size_t i = 0; i < n; ++i) {
            uint64_t t = static_cast<uint64_t>(a[i]) * m + carry;
            r[i] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        return static_cast<uint32_t>(carry);
    }
    uint64_t carry = c;
    for (size_t i = 0; i < n; ++i) {
        uint32_t rem;
        carry = fast_div_word(static_cast<uint64_t>(a[i]) * m + carry, base, &rem);
        r[i] = rem;
    }
    return static_cast<uint32_t>(carry);
}

// Reduces the column sum hi * 2^64 + lo (its quotient by B below 2^64) to one base-B word; the quotient
// stays in lo as the carry into the next column.
static inline uint32_t reduce_column(uint64_t* lo, uint32_t* hi, const fast_base* b)
{
    uint32_t r1, digit;
    uint64_t q1 = fast_div_word((static_cast<uint64_t>(*hi) << 32) | (*lo >> 32), b, &r1);
    uint64_t q0 = fast_div_word((static_cast<uint64_t>(r1) << 32) | static_cast<uint32_t>(*lo), b, &digit);
    *lo = (q1 << 32) + q0;
    *hi = 0;
    return digit;
}

void fast_mul_basecase(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn,
                       const fast_base* base)
{
    const size_t columns = an + bn - 1;
    uint64_t lo = 0;
    uint32_t hi = 0;
    for (size_t k = 0; k < columns; ++k) {
        size_t i = k < bn ? 0 : k - bn + 1;
        size_t last = k < an ? k : an - 1;
        const uint32_t* bp = b + (k - i);
        for (; i <= last; ++i, --bp) {
            uint64_t p = static_cast<uint64_t>(a[i]) * *bp;
            lo += p;
            hi += lo < p;
        }
        if (base->base == 0) {
            r[k] = static_cast<uint32_t>(lo);
            lo = (lo >> 32) | (static_cast<uint64_t>(hi) << 32);
            hi = 0;
        } else {
            r[k] = reduce_column(&lo, &hi, base);
        }
    }
    r[columns] = static_cast<uint32_t>(lo);
}

size_t fast_mul_scratch_words(size_t n)
{
    size_t words = 0;
    while (n >= KARATSUBA_THRESHOLD) {
        size_t h = (n + 1) / 2;
        words += 6 * h + 2;
        n = h;
    }
    return words;
}

// d[0..n) = |x[0..n) - y[0..yn)|, yn <= n; returns 1 when x < y.
static int abs_difference(uint32_t* d, const uint32_t* x, size_t n, const uint32_t* y, size_t yn,
                          const fast_base* base)
{
    if (fast_compare(x, n, y, yn) >= 0) {
        fast_sub(d, x, n, y, yn, base);
        return 0;
    }
    size_t xn = fast_strip(x, n); // x < y, so x is no longer than y
    fast_sub(d, y, yn, x, xn, base);
    for (size_t i = yn; i < n; ++i)
        d[i] = 0;
    return 1;
}

// a is much longer than b: r = the sum of (b-sized pieces of a) * b, each shifted into place.
static void mul_pieces(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn,
                       const fast_base* base, uint32_t* scratch)
{
    uint32_t* piece = scratch;
    uint32_t* next = scratch + 2 * bn;
    fast_mul(r, a, bn, b, bn, base, next);
    for (size_t done = bn; done < an; done += bn) {
        size_t len = an - done < bn ? an - done : bn;
        if (len == bn)
            fast_mul(piece, a + done, len, b, bn, base, next);
        else
            fast_mul(piece, b, bn, a + done, len, base, next);
        fast_add(r + done, piece, len + bn, r + done, bn, base); // no carry out: the product fits
    }
}

void fast_mul(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
              uint32_t* scratch)
{
    if (bn < KARATSUBA_THRESHOLD) {
        fast_mul_basecase(r, a, an, b, bn, base);
        return;
    }
    const size_t h = (an + 1) / 2;
    if (bn <= h) {
        mul_pieces(r, a, an, b, bn, base, scratch);
        return;
    }
    // a = a1 * W^h + a0, b = b1 * W^h + b0; a0 b1 + a1 b0 = a0 b0 + a1 b1 - (a0 - a1)(b0 - b1).
    const size_t a1n = an - h, b1n = bn - h;
    uint32_t* da = scratch;
    uint32_t* db = da + h;
    uint32_t* z1 = db + h;
    uint32_t* t = z1 + 2 * h;
    uint32_t* next = t + 2 * h + 2;
    fast_mul(r, a, h, b, h, base, next);
    fast_mul(r + 2 * h, a + h, a1n, b + h, b1n, base, next);
    int na = abs_difference(da, a, h, a + h, a1n, base);
    int nb = abs_difference(db, b, h, b + h, b1n, base);
    fast_mul(z1, da, h, db, h, base, next);
    t[2 * h] = fast_add(t, r, 2 * h, r + 2 * h, a1n + b1n, base);
    if (na == nb)
        fast_sub(t, t, 2 * h + 1, z1, 2 * h, base);
    else
        fast_add(t, t, 2 * h + 1, z1, 2 * h, base);
    fast_add(r + h, r + h, an + bn - h, t, fast_strip(t, 2 * h + 1), base);
}
