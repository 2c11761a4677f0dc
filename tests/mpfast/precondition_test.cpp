// The sanitizer build checks the fast layer's stated preconditions: each call outside its contract stops
// the process with the broken condition named. Elsewhere the checks are compiled out and nothing runs.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "mp/fast/arith.h"
#include "mp/fast/radix.h"

namespace {

#if defined(MORVANE_CHECK_PRECONDITIONS)

struct broken_call {
    const char* name;
    std::function<void()> call;
    const char* condition;  // a pattern of the condition that the message names
};

TEST(FastPreconditionDeathTest, CallsOutsideTheContractStopNamingTheCondition)
{
    static std::vector<uint32_t> a(8, 1), b(8, 1), r(32, 0), scratch(fast_mul_scratch_words(8) + 64, 0);
    static fast_base binary, small;
    fast_base_init(&binary, 0);
    fast_base_init(&small, 1000);  // a digit table's divisor: fine for fast_div_word, not for the arrays
    const broken_call calls[] = {
        {"shorter first operand", [] { fast_add(r.data(), a.data(), 4, b.data(), 8, &binary); }, "an >= bn"},
        {"result overlapping an operand", [] { fast_sub(a.data() + 1, a.data(), 6, b.data(), 6, &binary); },
         "same_or_disjoint"},
        {"digit above the base", [] { fast_mul_word(r.data(), a.data(), 8, 1000, 0, &small); }, "m < base->base"},
        {"base too small for the arrays", [] { fast_add(r.data(), a.data(), 8, b.data(), 8, &small); }, "array_base"},
        {"product into its operand", [] { fast_mul(a.data(), a.data(), 4, b.data(), 4, &binary, scratch.data()); },
         "words_disjoint"},
        {"empty second operand",
         [] { fast_mul_basecase(r.data(), a.data(), 8, b.data(), 0, &binary, fast_vectors::none); }, "bn >= 1"},
    };
    for (const broken_call& c : calls)
        EXPECT_DEATH(c.call(), std::string("precondition failed: .*") + c.condition) << c.name;
}

#endif

}  // namespace
