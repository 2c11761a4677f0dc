// The command's conversions, whole (argument parsing, input scan, the library started for the data,
// output alphabet), in-process: from raw bytes to a radix text and back, at the dialog's limit and at the
// command's own. The data is the same random value as the library's and GMP's rows (bench_mp.cpp), so
// BM_gmp_get_str/BM_gmp_set_str of the same radix and size compare side by side.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "bench/random_hex.h"
#include "cli/limits.h"
#include "cli/run.h"

namespace {

const int radixes[] = {10, 36, 58, 60};
const int sizes[] = {static_cast<int>(MAX_DATA_BYTES), static_cast<int>(MAX_CLI_BYTES)};

// Runs the command on input; its output, empty when it refused.
std::string run_command(const std::vector<std::string>& args, const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out, err;
    return run(args, in, out, err) == exit_status::done ? out.str() : "";
}

std::string random_bytes(size_t bytes)
{
    return run_command({"--from", "hex", "--to", "raw"}, random_hex(bytes));
}

void BM_cli_to_radix(benchmark::State& state)
{
    const std::string data = random_bytes(static_cast<size_t>(state.range(1)));
    const std::vector<std::string> args = {"--from", "raw", "--to", std::to_string(state.range(0))};
    for (auto _ : state)
        benchmark::DoNotOptimize(run_command(args, data));
}

void BM_cli_from_radix(benchmark::State& state)
{
    const std::string radix = std::to_string(state.range(0));
    const std::string text =
        run_command({"--from", "raw", "--to", radix}, random_bytes(static_cast<size_t>(state.range(1))));
    const std::vector<std::string> args = {"--from", radix, "--to", "raw"};
    for (auto _ : state)
        benchmark::DoNotOptimize(run_command(args, text));
}

void radix_and_size_rows(benchmark::internal::Benchmark* b)
{
    for (int radix : radixes)
        for (int bytes : sizes)
            b->Args({radix, bytes});
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_cli_to_radix)->Apply(radix_and_size_rows);
BENCHMARK(BM_cli_from_radix)->Apply(radix_and_size_rows);
