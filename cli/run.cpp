#include "cli/run.h"

#include <fstream>
#include <optional>

#include "cli/help.h"
#include "cli/limits.h"
#include "cli/named_alphabets.h"
#include "cli/options.h"
#include "cli/output_text.h"
#include "cli/text_chars.h"
#include "cli/transcode.h"

namespace {

constexpr char PROGRAM[] = "morvane-cli";
constexpr size_t READ_PIECE = 65536;

// Prints "morvane-cli: [FILE: ]message" and gives the status.
exit_status refuse(std::ostream& error, const cli_options& options, const std::string& message)
{
    error << PROGRAM << ": " << (options.file.empty() ? "" : options.file + ": ") << message << '\n';
    return exit_status::input_refused;
}

std::string too_big_message()
{
    return "the input holds more than " + std::to_string(MAX_CLI_BYTES) + " bytes of data, the limit";
}

std::string digit_kind(const data_form& form)
{
    switch (form.kind) {
    case form_kind::hex: return "a hex digit";
    case form_kind::base64: return "a Base64 digit";
    default: return "a digit of radix " + std::to_string(form.radix);
    }
}

// The bytes of raw input, or none (having said why) when there are too many.
std::optional<std::vector<uint8_t>> read_raw(std::istream& in, std::ostream& error, const cli_options& options)
{
    std::vector<uint8_t> bytes;
    char piece[READ_PIECE];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        bytes.insert(bytes.end(), piece, piece + in.gcount());
        if (bytes.size() > MAX_CLI_BYTES) {
            refuse(error, options, too_big_message());
            return std::nullopt;
        }
    }
    return bytes;
}

// The bytes of input text in the form, or none (having said why) when it is refused.
std::optional<std::vector<uint8_t>> read_text(std::istream& in, std::ostream& error, const cli_options& options)
{
    input_scanner scan = make_scanner(options.from, options.from_alphabet, options.keep_leading_zeros,
                                      options.ignore_garbage, MAX_CLI_BYTES);
    char piece[READ_PIECE];
    while ((in.read(piece, sizeof piece) || in.gcount() > 0) && scan.feed(piece, static_cast<size_t>(in.gcount()))) {
    }
    if (scan.state() == scan_state::bad_character) {
        const text_position& at = scan.bad_position();
        refuse(error, options,
               "offset " + std::to_string(at.offset) + " (line " + std::to_string(at.line) + ", column " +
                   std::to_string(at.column) + "): " + describe_char(scan.bad_char()) + " is not " +
                   digit_kind(options.from));
        return std::nullopt;
    }
    if (scan.state() == scan_state::too_many_digits) {
        refuse(error, options, too_big_message());
        return std::nullopt;
    }
    decoded_data data = decode_text(options.from, scan, options.keep_leading_zeros, MAX_CLI_BYTES);
    switch (data.status) {
    case decode_status::ok: return data.bytes;
    case decode_status::too_big: refuse(error, options, too_big_message()); break;
    case decode_status::lone_digit:
        refuse(error, options,
               "the Base64 text ends in a lone digit (" + std::to_string(scan.digits().size()) +
                   " digits), which holds no whole byte");
        break;
    case decode_status::library_error: refuse(error, options, "the conversion failed in the library"); break;
    }
    return std::nullopt;
}

exit_status convert(const cli_options& options, std::istream& in, std::ostream& output, std::ostream& error)
{
    std::optional<std::vector<uint8_t>> bytes =
        options.from.kind == form_kind::raw ? read_raw(in, error, options) : read_text(in, error, options);
    if (!bytes)
        return exit_status::input_refused;
    if (options.to.kind == form_kind::raw) {
        output.write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
        return exit_status::done;
    }
    std::optional<std::string> digits = encode_bytes(options.to, *bytes, options.keep_leading_zeros);
    if (!digits)
        return refuse(error, options, "the conversion failed in the library");
    for (char& c : *digits)
        c = options.to_alphabet.digits[static_cast<uint8_t>(c)];
    write_lines(output, *digits, options.wrap_columns);
    return exit_status::done;
}

}  // namespace

exit_status run(const std::vector<std::string>& args, std::istream& input, std::ostream& output, std::ostream& error)
{
    parsed_command command = parse_command(args);
    if (!command.error.empty()) {
        error << PROGRAM << ": " << command.error << "\nTry '" << PROGRAM << " --help' for more information.\n";
        return exit_status::usage_error;
    }
    const cli_options& options = command.options;
    switch (options.action) {
    case cli_action::help: output << help_text(); return exit_status::done;
    case cli_action::version: output << version_text(); return exit_status::done;
    case cli_action::list_alphabets: output << alphabet_list(); return exit_status::done;
    case cli_action::convert: break;
    }
    if (options.file.empty())
        return convert(options, input, output, error);
    std::ifstream file(options.file, std::ios::binary);
    if (!file)
        return refuse(error, options, "cannot be opened");
    return convert(options, file, output, error);
}
