#include "cli/help.h"

#include "cli/limits.h"
#include "cli/option_table.h"

std::string help_text()
{
    std::string text = "Usage: morvane-cli --from FORM --to FORM [OPTIONS] [FILE]\n"
                       "Converts data between forms: reads FILE (standard input when it is absent or -), writes the\n"
                       "result and one newline to standard output (raw output: the bytes alone).\n"
                       "\n"
                       "Forms:\n"
                       "  hex        hexadecimal text, either case in, upper case out; an odd digit count makes the\n"
                       "             first digit a byte of its own\n"
                       "  raw        the bytes themselves\n"
                       "  base64     Base64 without padding\n"
                       "  2 to 62    the bytes read as one unsigned big-endian number, in that radix; digits\n"
                       "             0-9, A-Z, a-z (as many as the radix has) unless an alphabet is given\n"
                       "\n"
                       "Options:\n";
    for (const option_spec& o : option_table()) {
        std::string names = o.short_name[0] != '\0' ? std::string(o.short_name) + ", " : std::string("    ");
        names += o.long_name;
        if (o.argument[0] != '\0')
            names += std::string(" ") + o.argument;
        names.resize(names.size() < 30 ? 30 : names.size() + 1, ' ');
        text += "  " + names + o.help + "\n";
    }
    text += "\n"
            "ALPHABET is the digits of the radix, each once, or the name of an alphabet that\n"
            "--list-alphabets prints. Input text may hold blanks and line breaks anywhere; any other\n"
            "character that is not a digit is refused, unless --ignore-garbage. By default a number has no\n"
            "leading zero digits, and reading one gives its shortest bytes.\n"
            "Data is limited to " +
            std::to_string(MAX_CLI_BYTES) +
            " bytes.\n"
            "\n"
            "Exit status: 0 done, 1 the input is refused (not a digit, too big, unreadable), 2 usage error.\n"
            "\n"
            "Examples:\n"
            "  sha256sum file | cut -c1-64 | morvane-cli --from hex --to 58 --alphabet bitcoin\n"
            "  echo 255 | morvane-cli --from 10 --to hex\n"
            "  morvane-cli --from raw --to 36 --keep-leading-zeros file > file.b36\n"
            "  morvane-cli --from 36 --to raw --keep-leading-zeros file.b36 > file.copy\n";
    return text;
}

std::string version_text()
{
    return std::string("morvane-cli ") + MORVANE_VERSION + "\n";
}
