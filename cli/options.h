#pragma once
// The command line, parsed and checked: what to do, between which forms, in which alphabets.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/digit_alphabet.h"
#include "cli/forms.h"

enum class cli_action { convert, help, version, list_alphabets };

struct cli_options {
    cli_action action = cli_action::convert;
    data_form from{form_kind::raw, 256}, to{form_kind::raw, 256};
    digit_alphabet from_alphabet, to_alphabet;  // for the sides that take one
    bool keep_leading_zeros = false;
    bool ignore_garbage = false;
    bool lines = false;         // each input line a value of its own
    bool padding = true;        // '=' padding where the output form has it
    uint32_t wrap_columns = 0;  // 0: one line
    bool from_file = false;     // false: standard input
    std::string file;           // the FILE argument
};

// True when the side's leading zero bytes are each a zero digit: always for base58, for a radix with
// --keep-leading-zeros.
inline bool keeps_zeros(const data_form& form, const cli_options& options)
{
    return form.kind == form_kind::base58 || (form.kind == form_kind::radix && options.keep_leading_zeros);
}

struct parsed_command {
    cli_options options;
    std::string error;  // why the command line is refused; empty when it is not
};

// Parses the arguments after the program name. --help, --version and --list-alphabets take effect
// where they stand; a conversion needs --from and --to, at most one FILE ("-" is standard input, an
// empty name is refused), and alphabets that fit their sides: --alphabet applies to each side that
// takes an alphabet with as many digits as it has and no alphabet of its own (--from-alphabet,
// --to-alphabet). A name matches in either case; a word that is neither a name nor the digits of the
// side is refused as an unknown alphabet, with the nearest name. --lower and --no-padding must change
// the output form, --wrap needs a text output.
parsed_command parse_command(const std::vector<std::string>& args);
