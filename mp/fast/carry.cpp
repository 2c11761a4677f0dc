// Linear passes of the fast word-array layer: the base record, strip, compare, add, subtract and the
// product by one word. The carry chains themselves are in mp/fast/carry.h, shared with the products.
#include "mp/fast/carry.h"

#include "mp/precondition.h"

using namespace fast_detail;

void fast_base_init(fast_base* b, uint32_t base)
{
    MP_EXPECTS(base != 1);
    b->base = base;
#if defined(__SIZEOF_INT128__)
    b->reciprocal = base == 0 ? 0 : UINT64_MAX / base;
#else
    b->shift = base == 0 ? 0 : __builtin_clz(base);
    b->divisor = base << b->shift;
    b->inverse = base == 0 ? 0 : static_cast<uint32_t>(UINT64_MAX / b->divisor - (uint64_t{1} << 32));
#endif
}

size_t fast_strip(const uint32_t* a, size_t n)
{
    return strip(a, n);
}

int fast_compare(const uint32_t* a, size_t an, const uint32_t* b, size_t bn)
{
    return compare(a, an, b, bn);
}

uint32_t fast_add(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base)
{
    MP_EXPECTS(array_base(base->base) && an >= bn);
    MP_EXPECTS(same_or_disjoint(r, an, a, an) && same_or_disjoint(r, an, b, bn));
    return add(r, a, an, b, bn, base->base);
}

uint32_t fast_sub(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base)
{
    MP_EXPECTS(array_base(base->base) && an >= bn);
    MP_EXPECTS(same_or_disjoint(r, an, a, an) && same_or_disjoint(r, an, b, bn));
    return sub(r, a, an, b, bn, base->base);
}

uint32_t fast_mul_word(uint32_t* r, const uint32_t* a, size_t n, uint32_t m, uint32_t c, const fast_base* base)
{
    MP_EXPECTS(base->base == 0 || (m < base->base && c < base->base));
    MP_EXPECTS(same_or_disjoint(r, n, a, n));
    uint64_t carry = c;
    if (base->base == 0) {
        for (size_t i = 0; i < n; ++i) {
            uint64_t t = static_cast<uint64_t>(a[i]) * m + carry;
            r[i] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
    } else {
        for (size_t i = 0; i < n; ++i) {
            uint32_t rem;
            carry = fast_div_word(static_cast<uint64_t>(a[i]) * m + carry, base, &rem);
            r[i] = rem;
        }
    }
    return static_cast<uint32_t>(carry);
}
