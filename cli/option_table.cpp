#include "cli/option_table.h"

const std::vector<option_spec>& option_table()
{
    static const std::vector<option_spec> table = {
        {option_id::from, "--from", "", "FORM", "form of the input (see Forms below)"},
        {option_id::to, "--to", "", "FORM", "form of the output, as for --from"},
        {option_id::alphabet, "--alphabet", "", "ALPHABET",
         "digits, or a listed name, of each side with as many digits"},
        {option_id::from_alphabet, "--from-alphabet", "", "ALPHABET", "digits of the input side only"},
        {option_id::to_alphabet, "--to-alphabet", "", "ALPHABET", "digits of the output side only"},
        {option_id::list_alphabets, "--list-alphabets", "", "", "print the named alphabets and exit"},
        {option_id::keep_leading_zeros, "--keep-leading-zeros", "", "",
         "write one zero digit per leading zero byte, and read it back"},
        {option_id::ignore_garbage, "--ignore-garbage", "", "", "drop input characters that are not digits"},
        {option_id::lines, "--lines", "", "", "convert each input line as a value of its own, one output line each"},
        {option_id::lower, "--lower", "", "", "write hex, base16 and radix 2 to 36 in lower case"},
        {option_id::no_padding, "--no-padding", "", "", "write base32 and base64 forms without '=' padding"},
        {option_id::wrap, "--wrap", "-w", "COLS", "break output lines after COLS characters (0: no breaks)"},
        {option_id::help, "--help", "-h", "", "print this help and exit"},
        {option_id::version, "--version", "", "", "print the version and exit"},
    };
    return table;
}

const option_spec* find_option(const std::string& name)
{
    for (const option_spec& o : option_table())
        if (name == o.long_name || (o.short_name[0] != '\0' && name == o.short_name))
            return &o;
    return nullptr;
}
