// Fast radix change against independent conversions: GMP natively (every length up to the application's
// capacity), the schoolbook references everywhere (shorter lengths); round trips; power-table reuse
// across bases; the workspace never written past its size.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "mp/fast/radix.h"
#include "oracle.h"

namespace {

// The capacity of the application's numbers: 65536 hex digits give 8193 words.
const size_t MAX_WORDS = 8193;
const uint32_t GUARD = 0xA5A5A5A5u;

// Non-binary radixes 2..60 and beyond; power-of-two bases that are not full words take the bit path.
std::vector<uint32_t> radixes()
{
    std::vector<uint32_t> r;
    for (uint32_t radix = 3; radix <= 60; ++radix)
        if ((radix & (radix - 1)) != 0 || word_base_of_radix(radix) != 0)
            r.push_back(radix);
    for (uint32_t radix : {61u, 100u, 255u, 1000u, 46341u, 65535u, 131072u, 2147483647u, 2147483648u})
        r.push_back(radix);
    return r;
}

// A workspace for inputs of max_to and max_from words, with a guard zone behind it.
struct guarded_workspace {
    std::vector<uint32_t> block;
    size_t words;
    fast_workspace w;
};

std::unique_ptr<guarded_workspace> make_workspace(size_t max_to, size_t max_from)
{
    auto g = std::make_unique<guarded_workspace>();
    g->words = fast_workspace_words(max_to, max_from);
    g->block.assign(g->words + 64, GUARD);
    fast_workspace_init(&g->w, g->block.data(), max_to, max_from);
    return g;
}

// Nothing written behind the end that the workspace reports as touched (the block came filled with the
// guard, so this covers the guard zone too).
bool guard_intact(const guarded_workspace& g)
{
    const auto touched = fast_workspace_touched_end(&g.w) - g.block.data();
    return std::all_of(g.block.begin() + touched, g.block.end(), [](uint32_t w) { return w == GUARD; });
}

words to_radix(const words& x, uint32_t base, fast_workspace* w)
{
    words out(fast_to_radix_words(x.size(), base) + 1, GUARD);
    size_t n = fast_to_radix(out.data(), x.data(), x.size(), base, w);
    EXPECT_EQ(out.back(), GUARD) << "result overrun";
    out.resize(n);
    return out;
}

words from_radix(const words& y, uint32_t base, fast_workspace* w)
{
    words out(fast_from_radix_words(y.size()) + 1, GUARD);
    size_t n = fast_from_radix(out.data(), y.data(), y.size(), base, w);
    EXPECT_EQ(out.back(), GUARD) << "result overrun";
    out.resize(n);
    return out;
}

#if defined(MPFAST_HAVE_GMP) && !defined(__SANITIZE_ADDRESS__)
const size_t LENGTH_STEP = 1;  // every length
#elif defined(MPFAST_HAVE_GMP)
const size_t LENGTH_STEP = 23;
#else
const size_t LENGTH_STEP = 0;  // no fast oracle: the schoolbook lengths below only
#endif

// Lengths around every split of the recursion, the thresholds and the capacity.
std::vector<size_t> boundary_lengths(size_t limit)
{
    std::vector<size_t> n = {1, 2, 3};
    for (size_t leaf : {TO_RADIX_LEAF, FROM_RADIX_LEAF})
        for (size_t s = leaf; s <= limit; s *= 2)
            for (size_t d : {s - 1, s, s + 1, s + s / 2})
                if (d >= 1 && d <= limit)
                    n.push_back(d);
    n.push_back(limit);
    return n;
}

#if defined(MPFAST_HAVE_GMP)
TEST(FastRadix, EveryLengthUpToCapacityMatchesGmpBothWays)
{
    auto g = make_workspace(MAX_WORDS, MAX_WORDS);
    const std::vector<uint32_t> rs = radixes();
    std::mt19937 rng(2026);
    size_t step = 0;
    for (size_t n = 1; n <= MAX_WORDS; n += LENGTH_STEP, ++step) {
        // Each length takes the next radix and value kind in turn, so every radix meets every size class.
        const uint32_t base = word_base_of_radix(rs[step % rs.size()]);
        const int kind = static_cast<int>(step % VALUE_KINDS);
        words x = make_value(rng, n, kind, 0);
        ASSERT_EQ(to_radix(x, base, &g->w), gmp_to_radix(x, base)) << "to base " << base << ", " << n << " words";
        words y = make_value(rng, n, kind, base);
        ASSERT_EQ(from_radix(y, base, &g->w), gmp_from_radix(y, base)) << "from base " << base << ", " << n;
    }
    EXPECT_TRUE(guard_intact(*g));
}

TEST(FastRadix, StructuredValuesAtEverySplitMatchGmpInEveryRadix)
{
    auto g = make_workspace(MAX_WORDS, MAX_WORDS);
    std::mt19937 rng(7);
    for (uint32_t radix : radixes()) {
        const uint32_t base = word_base_of_radix(radix);
        for (size_t n : boundary_lengths(MAX_WORDS))
            for (int kind = 1; kind < VALUE_KINDS; ++kind) {
                if (n > 600 && kind != 1 && rng() % 4 != 0)
                    continue;  // long values: all-ones always, the other shapes by sample
                words x = make_value(rng, n, kind, 0);
                ASSERT_EQ(to_radix(x, base, &g->w), gmp_to_radix(x, base)) << "radix " << radix << ", " << n;
                words y = make_value(rng, n, kind, base);
                ASSERT_EQ(from_radix(y, base, &g->w), gmp_from_radix(y, base)) << "radix " << radix << ", " << n;
            }
    }
    EXPECT_TRUE(guard_intact(*g));
}
#endif

TEST(FastRadix, ShortValuesMatchSchoolbookConversionInEveryRadix)
{
    // Every length through the first levels of the recursion, for every radix and shape.
    auto g = make_workspace(MAX_WORDS, MAX_WORDS);
    std::mt19937 rng(3);
    for (uint32_t radix : radixes()) {
        const uint32_t base = word_base_of_radix(radix);
        for (size_t n = 1; n <= 4 * TO_RADIX_LEAF + 3; ++n) {
            const int kind = static_cast<int>((n + radix) % VALUE_KINDS);
            words x = make_value(rng, n, kind, 0);
            ASSERT_EQ(to_radix(x, base, &g->w), reference_to_radix(x, base)) << "radix " << radix << ", " << n;
            words y = make_value(rng, n, kind, base);
            ASSERT_EQ(from_radix(y, base, &g->w), reference_from_radix(y, base)) << "radix " << radix << ", " << n;
        }
    }
    EXPECT_TRUE(guard_intact(*g));
}

TEST(FastRadix, LongValuesMatchSchoolbookConversion)
{
    // The deep levels against the schoolbook references (the only oracle on 32-bit Windows).
    auto g = make_workspace(MAX_WORDS, MAX_WORDS);
    std::mt19937 rng(4);
    const uint32_t rs[] = {10, 60, 36, 3, 7, 8};
    size_t i = 0;
    for (size_t n : boundary_lengths(MAX_WORDS)) {
        if (n > 1100 && n != MAX_WORDS)
            continue;
        const uint32_t base = word_base_of_radix(rs[i++ % 6]);
        words x = make_value(rng, n, static_cast<int>(i % VALUE_KINDS), 0);
        words y = to_radix(x, base, &g->w);
        ASSERT_EQ(y, reference_to_radix(x, base)) << "to base " << base << ", " << n;
        ASSERT_EQ(from_radix(y, base, &g->w), stripped(x)) << "round trip " << base << ", " << n;
    }
    EXPECT_TRUE(guard_intact(*g));
}

TEST(FastRadix, ZeroAndLeadingZeroWordsGiveNormalForm)
{
    auto g = make_workspace(64, 64);
    words zero(20, 0);
    EXPECT_EQ(to_radix(zero, 1000000000u, &g->w), words{});
    EXPECT_EQ(from_radix(zero, 1000000000u, &g->w), words{});
    words padded = {7, 3, 0, 0, 0};  // 3 * 2^32 + 7 = 12884901895 -> 884901895, 12 in base 10^9
    EXPECT_EQ(to_radix(padded, 1000000000u, &g->w), (words{884901895u, 12u}));
    EXPECT_EQ(from_radix(words{884901895u, 12u, 0, 0}, 1000000000u, &g->w), (words{7, 3}));
    EXPECT_EQ(to_radix(words{0, 0, 1}, 1u << 30, &g->w), (words{0, 0, 16}));  // 2^64 in 30-bit words
    EXPECT_EQ(from_radix(words{0, 0, 16}, 1u << 30, &g->w), (words{0, 0, 1}));
}

TEST(FastRadix, SmallWorkspacesHoldTheirLongestInput)
{
    // A block sized for max_to and max_from words converts values of every length up to those without
    // overrun, also when the two directions are sized differently.
    std::mt19937 rng(9);
    const std::pair<size_t, size_t> sizes[] = {{1, 1}, {2, 5}, {16, 33}, {17, 17}, {33, 67}, {100, 1}, {257, 515}};
    for (auto [max_to, max_from] : sizes) {
        for (uint32_t base : {word_base_of_radix(46341), word_base_of_radix(10)}) {
            auto g = make_workspace(max_to, max_from);  // fresh: each base's conversions set its touched end
            for (size_t n = 1; n <= max_to; ++n) {
                words x = make_value(rng, n, 1, 0);
                ASSERT_EQ(to_radix(x, base, &g->w), reference_to_radix(x, base)) << max_to << " " << n;
                ASSERT_TRUE(guard_intact(*g)) << "written past the touched end: " << max_to << " " << n;
            }
            for (size_t n = 1; n <= max_from; ++n) {
                words y = make_value(rng, n, 1, base);
                ASSERT_EQ(from_radix(y, base, &g->w), reference_from_radix(y, base)) << max_from << " " << n;
                ASSERT_TRUE(guard_intact(*g)) << "written past the touched end: " << max_from << " " << n;
            }
        }
    }
}

}  // namespace
