// The library's text conversion (cinstr, cotstr) against GMP on the same random values: random bytes
// from a fixed seed, cut to the size of each row, in the working packing of radix 16. The warm rows time
// conversions in one started library; the cold rows start it before each one, as the console program does.
// The long division (divide) has rows of its own.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <string>
#include <vector>

#include "bench/random_hex.h"
#include "cli/limits.h"
#include "engine/radix_converter.h"
#include "mp/divide.h"
#include "mp/mp.h"
#include "mp/number.h"

namespace {

const int radixes[] = {10, 36, 60};
const int sizes[] = {1024, 4096, 16384, 32767};

// Characters of the longest text of a value of that many bytes (radix 2) with its NUL.
size_t text_room(size_t bytes)
{
    return 8 * bytes + 2;
}

// The library started for values of at least 32,767 bytes (the dialog's start-up) and of the row's,
// with the value of the row read into number.
struct library_row {
    bignum number;
    std::vector<char> text;
};

library_row start_library(size_t bytes)
{
    const size_t capacity = bytes > MAX_DATA_BYTES ? bytes : MAX_DATA_BYTES;
    mp_context* ctx = mpsys(static_cast<int32_t>(2 * (capacity + 1)), 16);
    set_io_buffer_size(static_cast<int32_t>(text_room(capacity + 1)));
    library_row row{mpvar(0), std::vector<char>(text_room(capacity + 1))};
    ctx->io_base = 16;
    cinstr(row.number, random_hex(bytes).c_str());
    return row;
}

void stop_library(library_row& row)
{
    release_number(row.number);
    release_context();
}

void BM_cotstr(benchmark::State& state)
{
    library_row row = start_library(static_cast<size_t>(state.range(1)));
    current_context()->io_base = static_cast<int32_t>(state.range(0));
    cotstr(row.number, row.text.data());  // builds the powers of the radix: every timed call finds them
    for (auto _ : state) {
        benchmark::DoNotOptimize(cotstr(row.number, row.text.data()));
    }
    stop_library(row);
}

void BM_cinstr(benchmark::State& state)
{
    library_row row = start_library(static_cast<size_t>(state.range(1)));
    mp_context* ctx = current_context();
    ctx->io_base = static_cast<int32_t>(state.range(0));
    cotstr(row.number, row.text.data());
    cinstr(row.number, row.text.data());  // builds the powers of the radix: every timed call finds them
    for (auto _ : state) {
        benchmark::DoNotOptimize(cinstr(row.number, row.text.data()));
    }
    stop_library(row);
}

// Cold rows: each conversion in a library started for the row's bytes and stopped after it, through the
// console program's start-up (radix_converter), bytes to digit values and back. The value is read in with
// the timing paused.
void BM_cotstr_cold(benchmark::State& state)
{
    const uint32_t radix = static_cast<uint32_t>(state.range(0));
    const size_t bytes = static_cast<size_t>(state.range(1));
    const std::vector<uint8_t> data = random_bytes(bytes);
    std::vector<uint8_t> digits(text_room(bytes + 1));
    for (auto _ : state) {
        radix_converter converter(static_cast<uint32_t>(bytes));
        state.PauseTiming();
        converter.read_bytes(data.data(), data.size());
        state.ResumeTiming();
        benchmark::DoNotOptimize(converter.write_digits(digits.data(), radix));
    }
}

void BM_cinstr_cold(benchmark::State& state)
{
    const uint32_t radix = static_cast<uint32_t>(state.range(0));
    const size_t bytes = static_cast<size_t>(state.range(1));
    std::vector<uint8_t> digits(text_room(bytes + 1));
    {
        radix_converter converter(static_cast<uint32_t>(bytes));
        const std::vector<uint8_t> data = random_bytes(bytes);
        converter.read_bytes(data.data(), data.size());
        digits.resize(converter.write_digits(digits.data(), radix));
    }
    for (auto _ : state) {
        radix_converter converter(static_cast<uint32_t>(bytes));
        converter.read_digits(digits.data(), digits.size(), radix);
        benchmark::DoNotOptimize(converter.byte_count());
    }
}

// What a cold row pays beyond the conversion and the build of the powers: the start and the stop alone.
void BM_converter_start(benchmark::State& state)
{
    for (auto _ : state) {
        radix_converter converter(static_cast<uint32_t>(state.range(0)));
        benchmark::DoNotOptimize(converter.failed());
    }
}

// divide of a value of range(1) bytes by one of range(2) bytes (the bytes that follow it in the random
// data), in the working packing of radix range(0). divide leaves the remainder in the dividend, so each
// timed call starts from a copy, which costs a pass over the words against the division's product of the
// lengths.
void BM_divide(benchmark::State& state)
{
    const size_t dividend_bytes = static_cast<size_t>(state.range(1));
    const size_t divisor_bytes = static_cast<size_t>(state.range(2));
    mpsys(static_cast<int32_t>(2 * (MAX_DATA_BYTES + 1)), static_cast<uint32_t>(state.range(0)));
    current_context()->io_base = 16;
    bignum dividend = mpvar(0);
    bignum divisor = mpvar(0);
    bignum remainder = mpvar(0);
    bignum quotient = mpvar(0);
    const std::string hex = random_hex(dividend_bytes + divisor_bytes);
    cinstr(dividend, hex.substr(0, 2 * dividend_bytes).c_str());
    cinstr(divisor, ("1" + hex.substr(2 * dividend_bytes)).c_str());
    for (auto _ : state) {
        copy_number(dividend, remainder);
        divide(remainder, divisor, quotient);
        benchmark::DoNotOptimize(quotient->digits[0]);
    }
    for (bignum x : {dividend, divisor, remainder, quotient})
        release_number(x);
    release_context();
}

void BM_gmp_get_str(benchmark::State& state)
{
    mpz_t z;
    mpz_init_set_str(z, random_hex(static_cast<size_t>(state.range(1))).c_str(), 16);
    const int radix = static_cast<int>(state.range(0));
    std::vector<char> text(mpz_sizeinbase(z, radix) + 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mpz_get_str(text.data(), radix, z));
    }
    mpz_clear(z);
}

void BM_gmp_set_str(benchmark::State& state)
{
    mpz_t z;
    mpz_init_set_str(z, random_hex(static_cast<size_t>(state.range(1))).c_str(), 16);
    const int radix = static_cast<int>(state.range(0));
    std::vector<char> text(mpz_sizeinbase(z, radix) + 2);
    mpz_get_str(text.data(), radix, z);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mpz_set_str(z, text.data(), radix));
    }
    mpz_clear(z);
}

void radix_and_size_rows(benchmark::internal::Benchmark* b)
{
    for (int radix : radixes) {
        for (int bytes : sizes)
            b->Args({radix, bytes});
    }
    b->Unit(benchmark::kMillisecond);
}

// The library and GMP at the command's largest data too, beside its BM_cli_* rows (bench_cli.cpp).
void largest_data_rows(benchmark::internal::Benchmark* b)
{
    for (int radix : radixes)
        b->Args({radix, static_cast<int>(MAX_CLI_BYTES)});
    b->Unit(benchmark::kMillisecond);
}

// Cold starts at the dialog's capacity and the command's largest data.
void cold_rows(benchmark::internal::Benchmark* b)
{
    for (int radix : radixes)
        for (int bytes : {static_cast<int>(MAX_DATA_BYTES), static_cast<int>(MAX_CLI_BYTES)})
            b->Args({radix, bytes});
    b->Unit(benchmark::kMillisecond);
}

// Dividend and divisor bytes for full words (radix 16) and words of 10^9 (radix 10): small, long with a
// divisor of half the length, and long with a divisor of one word (the short path).
void division_rows(benchmark::internal::Benchmark* b)
{
    const int lengths[][2] = {{64, 32}, {4096, 2048}, {4096, 3}};
    for (int radix : {16, 10})
        for (const auto& length : lengths)
            b->Args({radix, length[0], length[1]});
    b->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_divide)->Apply(division_rows);
BENCHMARK(BM_cotstr)->Apply(radix_and_size_rows);
BENCHMARK(BM_cinstr)->Apply(radix_and_size_rows);
BENCHMARK(BM_gmp_get_str)->Apply(radix_and_size_rows);
BENCHMARK(BM_gmp_set_str)->Apply(radix_and_size_rows);
BENCHMARK(BM_cotstr)->Apply(largest_data_rows);
BENCHMARK(BM_cinstr)->Apply(largest_data_rows);
BENCHMARK(BM_gmp_get_str)->Apply(largest_data_rows);
BENCHMARK(BM_gmp_set_str)->Apply(largest_data_rows);
BENCHMARK(BM_cotstr_cold)->Apply(cold_rows);
BENCHMARK(BM_cinstr_cold)->Apply(cold_rows);
BENCHMARK(BM_converter_start)->Arg(MAX_DATA_BYTES)->Arg(MAX_CLI_BYTES)->Unit(benchmark::kMillisecond);
