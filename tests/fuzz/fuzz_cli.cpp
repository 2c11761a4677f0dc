// Fuzz target: the command's argument parser and input scanner through run(). The input is arguments
// separated by newlines, then a NUL, then the data. Whatever they are, run() answers with one of its
// exit statuses, says why on standard error exactly when it refuses, and writes nothing to standard
// output then. When a conversion from raw data succeeds, the data comes back through the form.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/output_writer.h"
#include "cli/run.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

struct outcome {
    exit_status status;
    std::string out, err;
};

outcome run_with(const std::vector<std::string>& args, const std::string& data)
{
    std::istringstream in(data);
    std::ostringstream out, err;
    exit_status status = run(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> split_args(const std::string& text)
{
    std::vector<std::string> args;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
        args.push_back(line);
    return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size > 20000)
        return 0;
    const std::string all(reinterpret_cast<const char*>(input), size);
    const size_t split = all.find('\0');
    const std::vector<std::string> args = split_args(all.substr(0, split));
    const std::string data = split == std::string::npos ? "" : all.substr(split + 1);

    // A FILE argument would read the machine's files: the fuzzer reads only its own data.
    const parsed_command parsed = parse_command(args);
    if (parsed.error.empty() && parsed.options.from_file)
        return 0;

    const outcome result = run_with(args, data);
    require(result.status == exit_status::done || result.status == exit_status::failed ||
            result.status == exit_status::usage_error);
    require((result.status == exit_status::usage_error) == !parsed.error.empty());
    if (result.status != exit_status::done) {
        // Nothing of a refused value is written while it is held; --lines keeps the lines before it.
        require(result.out.empty() || parsed.options.lines || result.out.size() >= output_writer::FLUSH_BYTES);
        require(result.err.rfind("morvane-cli: ", 0) == 0 && result.err.back() == '\n');
    } else {
        require(result.err.empty());
    }

    // The data as raw bytes through the output form, in its alphabet, leading zeros kept, and back.
    const cli_options& options = parsed.options;
    if (result.status != exit_status::done || options.action != cli_action::convert ||
        options.to.kind == form_kind::raw || (options.to.kind == form_kind::z85 && data.size() % 4 != 0))
        return 0;
    std::vector<std::string> there = {"--from", "raw", "--to", form_name(options.to), "--keep-leading-zeros"};
    std::vector<std::string> back = {"--from", form_name(options.to), "--to", "raw", "--keep-leading-zeros"};
    if (!options.padding)
        there.push_back("--no-padding");
    if (takes_alphabet(options.to)) {
        there.insert(there.end(), {"--to-alphabet", std::string(options.to_alphabet.digits())});
        back.insert(back.end(), {"--from-alphabet", std::string(options.to_alphabet.digits())});
    }
    const outcome encoded = run_with(there, data);
    require(encoded.status == exit_status::done);
    const outcome decoded = run_with(back, encoded.out);
    require(decoded.status == exit_status::done);
    require(decoded.out == data);
    return 0;
}
