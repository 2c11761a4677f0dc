#include "cli/help.h"

#include "cli/limits.h"
#include "cli/option_table.h"

std::string help_text()
{
    std::string text = "Usage: morvane-cli --from FORM --to FORM [OPTIONS] [FILE]\n"
                       "Converts data between forms: reads FILE (standard input when it is absent or -), writes the\n"
                       "result and one newline to standard output (raw output: the bytes alone).\n"
                       "\n"
                       "Byte forms (any size, converted as the data streams):\n"
                       "  raw        the bytes themselves\n"
                       "  hex        hexadecimal, either case in, upper case out; an odd digit count makes the\n"
                       "             first digit a byte of its own\n"
                       "  base16     RFC 4648 base16: hexadecimal, two digits a byte\n"
                       "  base32     RFC 4648 base32, '=' padded (read padded or not)\n"
                       "  base32hex  RFC 4648 base32 with the extended hex alphabet\n"
                       "  base64     RFC 4648 base64, '=' padded (read padded or not)\n"
                       "  base64url  RFC 4648 base64 with the URL and file name alphabet\n"
                       "  base2msbf  eight binary digits a byte, most significant bit first\n"
                       "  z85        Z85: five digits for every four bytes (a multiple of four bytes)\n"
                       "Number forms (the bytes read as one unsigned big-endian number):\n"
                       "  2 to 62    that radix, digits 0-9, A-Z, a-z (as many as the radix has; up to 36\n"
                       "             read in either case) unless an alphabet is given\n"
                       "  base58     Base58 as addresses write it: the bitcoin alphabet, each leading zero\n"
                       "             byte a '1'\n"
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
            "ALPHABET is the digits of the form, each once, or the name (either case) of an alphabet that\n"
            "--list-alphabets prints. Input text may hold blanks and line breaks anywhere; any other\n"
            "character that is not a digit is refused, unless --ignore-garbage. By default a number has no\n"
            "leading zero digits, and reading one gives its shortest bytes. A number is limited to " +
            std::to_string(MAX_CLI_BYTES) +
            " bytes.\n"
            "With --lines each input line is a value of its own and gives one output line.\n"
            "\n"
            "Exit status: 0 done; 1 the input is refused (not a digit, too big) or a read or a write\n"
            "failed; 2 usage error.\n"
            "\n"
            "Examples:\n"
            "  sha256sum file | cut -c1-64 | morvane-cli --from hex --to base58\n"
            "  printf '255\\n65535\\n' | morvane-cli --from 10 --to hex --lines\n"
            "  printf hello | base64 | morvane-cli --from base64 --to raw\n"
            "  morvane-cli --from raw --to 36 --keep-leading-zeros file > file.b36\n"
            "  morvane-cli --from 36 --to raw --keep-leading-zeros file.b36 > file.copy\n";
    return text;
}

std::string version_text()
{
    return std::string("morvane-cli ") + MORVANE_VERSION + "\n";
}
