// The schoolbook product of words (fast_mul_basecase); the product scanning itself is in mp/fast/schoolbook.h.
#include "mp/fast/schoolbook.h"

#include "mp/precondition.h"

using namespace fast_detail;

void fast_mul_basecase(uint32_t* r, const uint32_t* a, size_t an, const uint32_t* b, size_t bn, const fast_base* base,
                       fast_vectors vectors)
{
    MP_EXPECTS(array_base(base->base) && an >= bn && bn >= 1 && bn <= 65536 && vectors <= fast_widest_vectors());
    MP_EXPECTS(words_disjoint(r, an + bn, a, an) && words_disjoint(r, an + bn, b, bn));
    word_limbs w = word_limbs_of(base);
#if defined(__i386__)
    w.vector = vectors;
#endif
    basecase(r, a, an, b, bn, &w);
}
