// The fast word-array layer on its own: products (schoolbook against Karatsuba, for the threshold) and the
// radix change both ways on random values of the application's sizes.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <random>
#include <vector>

#include "mp/fast/arith.h"
#include "mp/fast/radix.h"

namespace {

std::vector<uint32_t> random_words(size_t n, uint32_t base, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<uint32_t> w(n);
    for (auto& x : w)
        x = base == 0 ? static_cast<uint32_t>(rng()) : static_cast<uint32_t>(rng() % base);
    if (w[n - 1] == 0)
        w[n - 1] = 1;
    return w;
}

uint32_t word_base(uint32_t radix)
{
    uint64_t b = radix;
    while (b * radix <= (1ull << 31))
        b *= radix;
    return static_cast<uint32_t>(b);
}

// Arguments: words of each operand; base 0 (2^32) or 10^9 by the second argument. A square multiplies
// the first operand by itself.
void product(benchmark::State& state, bool schoolbook, bool square = false)
{
    const size_t n = static_cast<size_t>(state.range(0));
    const uint32_t base = state.range(1) == 0 ? 0 : 1000000000u;
    fast_base fb;
    fast_base_init(&fb, base);
    const auto a = random_words(n, base, 1), b = square ? a : random_words(n, base, 2);
    const uint32_t* second = square ? a.data() : b.data();
    std::vector<uint32_t> r(2 * n), scratch(fast_mul_scratch_words(n));
    for (auto _ : state) {
        if (schoolbook)
            fast_mul_basecase(r.data(), a.data(), n, second, n, &fb, fast_widest_vectors());
        else
            fast_mul(r.data(), a.data(), n, second, n, &fb, scratch.data());
        benchmark::DoNotOptimize(r.data());
    }
}

void BM_fast_mul(benchmark::State& state)
{
    product(state, false);
}
void BM_fast_mul_basecase(benchmark::State& state)
{
    product(state, true);
}
void BM_fast_sqr(benchmark::State& state)
{
    product(state, false, true);
}

// GMP's product of the same binary values, the anchor of BM_fast_mul/<words>/0 (its limbs are the
// instruction set's words: 32 bits on i686, 64 bits on x86-64, where it gets half as many).
void BM_gmp_mul(benchmark::State& state)
{
    const size_t n = static_cast<size_t>(state.range(0));
    const auto a = random_words(n, 0, 1), b = random_words(n, 0, 2);
    mpz_t x, y, r;
    mpz_inits(x, y, r, nullptr);
    mpz_import(x, n, -1, sizeof(uint32_t), 0, 0, a.data());
    mpz_import(y, n, -1, sizeof(uint32_t), 0, 0, b.data());
    mpz_mul(r, x, y);
    for (auto _ : state) {
        mpn_mul(mpz_limbs_modify(r, 2 * mpz_size(x)), mpz_limbs_read(x), mpz_size(x), mpz_limbs_read(y), mpz_size(y));
        benchmark::ClobberMemory();
    }
    mpz_clears(x, y, r, nullptr);
}

// Arguments: radix, bytes. Binary words of that many bytes to the radix's word base and back.
void BM_fast_to_radix(benchmark::State& state)
{
    const uint32_t base = word_base(static_cast<uint32_t>(state.range(0)));
    const size_t n = (static_cast<size_t>(state.range(1)) + 3) / 4;
    std::vector<uint32_t> block(fast_workspace_words(8193, 16387));
    fast_workspace w;
    fast_workspace_init(&w, block.data(), 8193, 16387);
    auto x = random_words(n, 0, 3);
    std::vector<uint32_t> out(fast_to_radix_words(n, base));
    for (auto _ : state)
        benchmark::DoNotOptimize(fast_to_radix(out.data(), x.data(), n, base, &w));
}

void BM_fast_from_radix(benchmark::State& state)
{
    const uint32_t base = word_base(static_cast<uint32_t>(state.range(0)));
    const size_t bytes = static_cast<size_t>(state.range(1));
    std::vector<uint32_t> block(fast_workspace_words(8193, 16387));
    fast_workspace w;
    fast_workspace_init(&w, block.data(), 8193, 16387);
    auto x = random_words((bytes + 3) / 4, 0, 3);
    std::vector<uint32_t> y(fast_to_radix_words(x.size(), base)), out(fast_from_radix_words(y.size()));
    const size_t m = fast_to_radix(y.data(), x.data(), x.size(), base, &w);
    for (auto _ : state)
        benchmark::DoNotOptimize(fast_from_radix(out.data(), y.data(), m, base, &w));
}

// The same conversions with the power tables rebuilt every time (the first keystroke after a radix change).
void BM_fast_to_radix_cold(benchmark::State& state)
{
    const uint32_t base = word_base(static_cast<uint32_t>(state.range(0)));
    const size_t n = (static_cast<size_t>(state.range(1)) + 3) / 4;
    std::vector<uint32_t> block(fast_workspace_words(8193, 16387));
    fast_workspace w;
    auto x = random_words(n, 0, 3);
    std::vector<uint32_t> out(fast_to_radix_words(n, base));
    for (auto _ : state) {
        fast_workspace_init(&w, block.data(), 8193, 16387);
        benchmark::DoNotOptimize(fast_to_radix(out.data(), x.data(), n, base, &w));
    }
}

}  // namespace

BENCHMARK(BM_fast_mul)->ArgsProduct({{16, 24, 32, 40, 48, 64, 96, 128, 256, 512, 2048, 4096, 16384}, {0, 1}});
BENCHMARK(BM_gmp_mul)->Arg(64)->Arg(128)->Arg(256)->Arg(512)->Arg(2048)->Arg(4096)->Arg(16384);
BENCHMARK(BM_fast_sqr)->ArgsProduct({{64, 512, 2048, 4096}, {0, 1}});
BENCHMARK(BM_fast_mul_basecase)->ArgsProduct({{16, 24, 32, 40, 48, 64, 96, 128}, {0, 1}});
BENCHMARK(BM_fast_to_radix)->ArgsProduct({{10, 36, 60}, {1024, 4096, 16384, 32767}});
BENCHMARK(BM_fast_from_radix)->ArgsProduct({{10, 36, 60}, {1024, 4096, 16384, 32767}});
BENCHMARK(BM_fast_to_radix_cold)->ArgsProduct({{10, 60}, {32767}});
