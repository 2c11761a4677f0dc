// The command's conversions, whole (argument parsing, input scan, the library started for the data,
// output alphabet), in-process: from raw bytes to a radix text and back, at the dialog's limit and at the
// command's own. The data is the same random value as the library's and GMP's rows (bench_mp.cpp), so
// BM_gmp_get_str/BM_gmp_set_str of the same radix and size compare side by side. Then the streaming
// byte codecs over STREAM_BYTES of the same data, in the pieces the command reads.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench/random_hex.h"
#include "cli/byte_codec.h"
#include "cli/limits.h"
#include "cli/run.h"
#include "engine/digit_alphabet.h"

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

// A column of ids, one a line, as --lines converts them: 1,000,000 decimal numbers of 1 to 20 digits
// (lengths drawn evenly, a fixed seed), to radix 62 and back.
constexpr int LINES_IDS = 1000000;

std::string decimal_ids()
{
    std::mt19937 generator(62);
    std::string ids;
    for (int i = 0; i < LINES_IDS; ++i) {
        const int digits = 1 + static_cast<int>(generator() % 20);
        ids += static_cast<char>('1' + generator() % 9);
        for (int d = 1; d < digits; ++d)
            ids += static_cast<char>('0' + generator() % 10);
        ids += '\n';
    }
    return ids;
}

void BM_cli_lines(benchmark::State& state, const char* from, const char* to)
{
    std::string input = decimal_ids();
    if (std::string(from) != "10")
        input = run_command({"--from", "10", "--to", from, "--lines"}, input);
    const std::vector<std::string> args = {"--from", from, "--to", to, "--lines"};
    for (auto _ : state)
        benchmark::DoNotOptimize(run_command(args, input));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * LINES_IDS);
}

constexpr size_t STREAM_BYTES = 16 << 20;
constexpr size_t STREAM_PIECE = 65536;

struct stream_form {
    const char* name;
    byte_codec_kind kind;
    const char* digits;
};

const stream_form stream_forms[] = {
    {"base64", byte_codec_kind::base64, BASE64_ALPHABET},
    {"base32", byte_codec_kind::base32, BASE32_DIGITS},
    {"base16", byte_codec_kind::base16, HEX_DIGITS_UPPER},
    {"base2msbf", byte_codec_kind::base2msbf, BINARY_DIGITS},
    {"z85", byte_codec_kind::z85, Z85_DIGITS},
};

// The text of data, encoded a piece at a time with each piece's text passed on (here: dropped).
size_t stream_encode(const stream_form& form, const std::string& data)
{
    byte_encoder encoder(form.kind, form.digits, true);
    std::string text;
    size_t chars = 0;
    for (size_t at = 0; at < data.size(); at += STREAM_PIECE) {
        encoder.put(reinterpret_cast<const uint8_t*>(data.data()) + at, std::min(STREAM_PIECE, data.size() - at), text);
        chars += text.size();
        text.clear();
    }
    encoder.finish(text);
    return chars + text.size();
}

// The bytes of text, decoded a piece at a time likewise.
size_t stream_decode(const stream_form& form, const digit_alphabet& alphabet, const std::string& text)
{
    byte_decoder decoder(form.kind, alphabet, false);
    std::string bytes;
    size_t count = 0;
    for (size_t at = 0; at < text.size(); at += STREAM_PIECE) {
        decoder.put(text.data() + at, std::min(STREAM_PIECE, text.size() - at), bytes);
        count += bytes.size();
        bytes.clear();
    }
    decoder.finish(bytes);
    return count + bytes.size();
}

// The bytes of random_hex, beyond the command's limit.
std::string stream_data()
{
    const std::string hex = random_hex(STREAM_BYTES);
    byte_decoder decoder(byte_codec_kind::base16, make_alphabet(HEX_DIGITS_UPPER), false);
    std::string data;
    decoder.put(hex.data(), hex.size(), data);
    decoder.finish(data);
    return data;
}

void BM_stream_encode(benchmark::State& state, const stream_form& form)
{
    const std::string data = stream_data();
    for (auto _ : state)
        benchmark::DoNotOptimize(stream_encode(form, data));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}

// Bytes processed are the data's, so that both directions compare.
void BM_stream_decode(benchmark::State& state, const stream_form& form)
{
    const std::string data = stream_data();
    std::string text;
    byte_encoder encoder(form.kind, form.digits, true);
    encoder.put(reinterpret_cast<const uint8_t*>(data.data()), data.size(), text);
    encoder.finish(text);
    const digit_alphabet alphabet = make_alphabet(form.digits);
    for (auto _ : state)
        benchmark::DoNotOptimize(stream_decode(form, alphabet, text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}

// One row each way for every form.
int register_stream_rows()
{
    for (const stream_form& form : stream_forms) {
        benchmark::RegisterBenchmark((std::string("BM_stream_encode/") + form.name).c_str(), BM_stream_encode, form)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_stream_decode/") + form.name).c_str(), BM_stream_decode, form)
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}

const int stream_rows = register_stream_rows();

}  // namespace

BENCHMARK_CAPTURE(BM_cli_lines, 10_to_62, "10", "62")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_cli_lines, 62_to_10, "62", "10")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_cli_to_radix)->Apply(radix_and_size_rows);
BENCHMARK(BM_cli_from_radix)->Apply(radix_and_size_rows);
