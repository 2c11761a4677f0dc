#pragma once
// The command's options: one table that the argument parser, --help and the manual page test read.
#include <string>
#include <vector>

enum class option_id {
    from,
    to,
    alphabet,
    from_alphabet,
    to_alphabet,
    list_alphabets,
    keep_leading_zeros,
    ignore_garbage,
    lines,
    lower,
    no_padding,
    wrap,
    help,
    version,
};

struct option_spec {
    option_id id;
    const char* long_name;   // with its dashes: "--from"
    const char* short_name;  // "-w", or "" when the option has none
    const char* argument;    // name of the option's value, or "" for a flag
    const char* help;        // one line of --help
};

// Every option, in the order --help lists them.
const std::vector<option_spec>& option_table();
// The option spelled name (long or short, without any "=value"), or null.
const option_spec* find_option(const std::string& name);
