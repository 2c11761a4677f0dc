#pragma once
// Runs the command in-process, as main does, on text given and caught in strings.
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"

struct cli_result {
    exit_status status;
    std::string out, err;
};

inline cli_result run_cli(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    exit_status status = run(args, in, out, err);
    return {status, out.str(), err.str()};
}

inline std::string bytes_text(const std::vector<uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// Random bytes from a fixed seed; the first `zeros` of them are zero.
inline std::vector<uint8_t> random_bytes(size_t count, uint32_t seed, size_t zeros = 0)
{
    std::mt19937 generator(seed);
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i)
        bytes[i] = i < zeros ? 0 : static_cast<uint8_t>(generator());
    return bytes;
}

// The text output of a conversion without its final newline.
inline std::string line_of(const cli_result& result)
{
    std::string text = result.out;
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}
