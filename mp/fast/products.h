// The subquadratic products of the fast word-array layer, defined in mp/fast/karatsuba.cpp (the driver:
// schoolbook, pieces, Karatsuba) and mp/fast/toom3.cpp, and instantiated there for word_limbs and (where the
// compiler has a 128-bit integer) pair_limbs. One header for the two files: each step recurses through
// the other, so they are one idea, kept in two files for their length. Internal to mp/.
#pragma once

#include <cstddef>

#include "mp/fast/schoolbook.h"

namespace fast_detail {

// r[0..an+bn) = a * b for an >= bn >= 1: schoolbook below the threshold, pieces of b's length when a is
// at least about twice as long, Toom-3 for long balanced operands, Karatsuba otherwise.
template <typename Limbs>
void product(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b,
             size_t bn, const Limbs* lb, typename Limbs::limb* scratch, size_t threshold);

// r[0..an+bn) = a * b by one Toom-3 step for balanced an >= bn > 2 * ceil(an / 3), the five products of a
// third of the length by product; scratch as product_scratch counts it.
template <typename Limbs>
void toom3(typename Limbs::limb* r, const typename Limbs::limb* a, size_t an, const typename Limbs::limb* b, size_t bn,
           const Limbs* lb, typename Limbs::limb* scratch, size_t threshold);

}  // namespace fast_detail
