#include "oracle.h"

#if defined(MPFAST_HAVE_GMP)
#include <gmp.h>
#endif

uint32_t word_base_of_radix(uint32_t radix)
{
    uint64_t base = radix;
    while (base * radix <= (1ull << 31))
        base *= radix;
    return static_cast<uint32_t>(base);
}

#if defined(MPFAST_HAVE_GMP)
static void to_mpz(mpz_t v, const words& binary)
{
    mpz_import(v, binary.size(), -1, sizeof(uint32_t), 0, 0, binary.data());
}

// Words of v (< base^count) in base B by splitting at base^(count/2), into out[at..at+count).
static void split_words(words& out, size_t at, const mpz_t v, size_t count, uint32_t base)
{
    if (count <= 16) {
        mpz_t q;
        mpz_init_set(q, v);
        for (size_t i = 0; i < count; ++i)
            out[at + i] = static_cast<uint32_t>(mpz_tdiv_q_ui(q, q, base));
        mpz_clear(q);
        return;
    }
    const size_t h = count / 2;
    mpz_t p, q, r;
    mpz_inits(p, q, r, nullptr);
    mpz_ui_pow_ui(p, base, h);
    mpz_tdiv_qr(q, r, v, p);
    split_words(out, at, r, h, base);
    split_words(out, at + h, q, count - h, base);
    mpz_clears(p, q, r, nullptr);
}

words gmp_to_radix(const words& binary, uint32_t base)
{
    mpz_t v;
    mpz_init(v);
    to_mpz(v, binary);
    size_t count = 1;
    int bits = 0;
    while ((base >> bits) > 1)
        ++bits;
    count = mpz_sizeinbase(v, 2) / bits + 2;
    words out(count, 0);
    split_words(out, 0, v, count, base);
    mpz_clear(v);
    return stripped(out);
}

// The value of digits[at..at+count) in base B.
static void join_words(mpz_t v, const words& digits, size_t at, size_t count, uint32_t base)
{
    if (count <= 16) {
        mpz_set_ui(v, 0);
        for (size_t i = count; i-- > 0;) {
            mpz_mul_ui(v, v, base);
            mpz_add_ui(v, v, digits[at + i]);
        }
        return;
    }
    const size_t h = count / 2;
    mpz_t p, hi;
    mpz_inits(p, hi, nullptr);
    join_words(v, digits, at, h, base);
    join_words(hi, digits, at + h, count - h, base);
    mpz_ui_pow_ui(p, base, h);
    mpz_addmul(v, hi, p);
    mpz_clears(p, hi, nullptr);
}

words gmp_from_radix(const words& digits, uint32_t base)
{
    mpz_t v;
    mpz_init(v);
    join_words(v, digits, 0, digits.size(), base);
    words out((mpz_sizeinbase(v, 2) + 31) / 32, 0);
    size_t written = 0;
    mpz_export(out.data(), &written, -1, sizeof(uint32_t), 0, 0, v);
    out.resize(written);
    mpz_clear(v);
    return stripped(out);
}
#endif

words make_value(std::mt19937& rng, size_t n, int kind, uint32_t base)
{
    const uint32_t top = base == 0 ? UINT32_MAX : base - 1;
    auto any = [&]() { return base == 0 ? static_cast<uint32_t>(rng()) : static_cast<uint32_t>(rng() % base); };
    words w(n, 0);
    switch (kind) {
    case 0:
        for (auto& x : w)
            x = any();
        break;
    case 1:
        for (auto& x : w)
            x = top;
        break;
    case 2:
        for (int i = 0; i < 3; ++i)
            w[rng() % n] |= 1u << (rng() % 15);
        break;
    case 3:  // base^n - 2 (all maxima but the lowest) or base^(n-1) + 1
        if (rng() % 2 == 0) {
            for (auto& x : w)
                x = top;
            w[0] = top - 1;
        } else {
            w[0] = 1;
        }
        break;
    default:
        for (size_t i = 0; i < n;) {
            size_t run = 1 + rng() % 40;
            uint32_t v = rng() % 3 == 0 ? any() : (rng() % 2 == 0 ? 0 : top);
            for (; run > 0 && i < n; --run, ++i)
                w[i] = v;
        }
        break;
    }
    if (w[n - 1] == 0)
        w[n - 1] = 1;
    return w;
}
