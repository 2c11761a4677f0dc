// Fast radix change between binary words (base 2^32) and words of a base B (2^15 < B <= 2^31).
//
// Divide and conquer, by multiplication only, carried out in the target base:
// - binary -> base B (fast_to_radix): split the binary words at s = TO_RADIX_LEAF * 2^k words (the largest
//   such s below the length), convert both halves, and combine hi * P_k + lo with base-B arithmetic, where
//   P_k = (2^32)^s held in base B. Below TO_RADIX_LEAF + 1 words: Horner's rule in base B (acc * 2^32 + w).
// - base B -> binary (fast_from_radix): the same over base-B words with Q_k = B^s held in binary. Below
//   FROM_RADIX_LEAF + 1 words: Horner's rule in binary (acc * B + w).
// With Karatsuba products (mp/fast/arith.h) a conversion of n words costs O(n^1.585); the schoolbook radix
// change, one multiplication of a growing power and one addition per word, costs O(n^2).
// A power-of-two B = 2^b takes neither: the bits are regrouped into b-bit words and back, O(n).
// Towards a base B = r^k the conversion runs in the widest power W = r^j of its radix within
// FAST_WIDEST_BASE (mp/fast/arith.h) and regroups the digits of r into words of B at the end, O(n): the
// products then work on limbs of more bits (36^6: 62 bits a two-word limb against 52 for 36^5, a sixth
// fewer limbs; measured 3.2 ms -> 2.7 ms at 32767 bytes, bench/bench_fast.cpp).
//
// The powers P_k and Q_k of the last base used are kept in the workspace, built as far as the inputs have
// needed them (P_{k+1} = P_k^2), and rebuilt when another base comes. All storage is one block that the
// owner obtains once, sized by fast_workspace_words for the longest input.
#pragma once

#include <cstddef>
#include <cstdint>

// Binary words converted by Horner's rule below a split (measured, bench/bench_fast.cpp).
constexpr size_t TO_RADIX_LEAF = 16;
// Base-B words converted by Horner's rule below a split (measured, bench/bench_fast.cpp).
constexpr size_t FROM_RADIX_LEAF = 16;
// Levels of powers: enough for inputs of up to (leaf * 2^24) words.
constexpr int FAST_MAX_LEVELS = 24;

// The powers of one word base, level k held at power[k] (length[k] words, least significant first).
struct fast_power_table {
    uint32_t base;  // the word base B the powers belong to; 0 while the table is empty
    int levels;     // levels built so far
    uint32_t* power[FAST_MAX_LEVELS];
    size_t length[FAST_MAX_LEVELS];
};

// The workspace of the fast radix change: power tables and scratch, carved from one block of words.
struct fast_workspace {
    size_t max_to, max_from;      // longest inputs, in words, of each direction that the block is sized for
    int to_levels, from_levels;   // levels the longest inputs may need
    fast_power_table to_radix;    // P_k = (2^32)^(TO_RADIX_LEAF * 2^k) in base W (the wider power of B)
    fast_power_table from_radix;  // Q_k = B^(FROM_RADIX_LEAF * 2^k) in base 2^32
    uint32_t* scratch;
    size_t scratch_words;
    size_t scratch_touched;  // the scratch words that conversions since fast_workspace_init may have written
};

// Words of the block that fast_workspace_init needs for inputs of up to max_to binary words (towards a
// base B) and max_from base-B words (towards binary).
size_t fast_workspace_words(size_t max_to, size_t max_from);

// Carves w from block (fast_workspace_words(max_to, max_from) words) and marks both tables empty.
void fast_workspace_init(fast_workspace* w, uint32_t* block, size_t max_to, size_t max_from);

// The end of the part of the block that conversions since fast_workspace_init may have written: the
// power tables and the scratch that their lengths use. The words behind it are as the owner left them
// (a block obtained zeroed and never touched there needs no wipe, and its pages no faults).
const uint32_t* fast_workspace_touched_end(const fast_workspace* w);

// Result capacity, in words, that fast_to_radix needs for n binary words in word base `base`.
size_t fast_to_radix_words(size_t n, uint32_t base);

// Result capacity, in words, that fast_from_radix needs for n base-B words.
size_t fast_from_radix_words(size_t n);

// out = the value of the binary words x[0..n) in base-B words; returns the words of the result in normal
// form (0 for zero). n <= w->max_to, 2^15 < base <= 2^31, out has fast_to_radix_words(n, base) words and
// does not overlap x or the workspace.
size_t fast_to_radix(uint32_t* out, const uint32_t* x, size_t n, uint32_t base, fast_workspace* w);

// out = the value of the base-B words y[0..n) (each below base) in binary words; returns the words of the
// result in normal form. n <= FROM_RADIX_LEAF * 2^(w->from_levels) (the levels built for w->max_from),
// 2^15 < base <= 2^31, out has fast_from_radix_words(n) words and does not overlap y or the workspace.
size_t fast_from_radix(uint32_t* out, const uint32_t* y, size_t n, uint32_t base, fast_workspace* w);
