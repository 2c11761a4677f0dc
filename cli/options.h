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
    uint32_t wrap_columns = 0;  // 0: one line
    std::string file;           // empty: standard input
};

struct parsed_command {
    cli_options options;
    std::string error;  // why the command line is refused; empty when it is not
};

// Parses the arguments after the program name. --help, --version and --list-alphabets take effect
// where they stand; a conversion needs --from and --to, at most one FILE ("-" is standard input), and
// alphabets that fit their sides: --alphabet applies to each side that takes an alphabet with as many
// digits as it has and no alphabet of its own (--from-alphabet, --to-alphabet).
parsed_command parse_command(const std::vector<std::string>& args);
