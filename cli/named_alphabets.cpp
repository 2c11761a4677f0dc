#include "cli/named_alphabets.h"

#include <cstdio>

const std::vector<named_alphabet>& named_alphabets()
{
    static const std::vector<named_alphabet> table = {
        {"bitcoin", 58, "123456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz", "",
         "Base58 of addresses and keys"},
        {"flickr", 58, "123456789abcdefghijkmnopqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ", "", "Base58 of short photo links"},
        {"digits-upper-lower", 62, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", "",
         "Base62, upper case before lower case"},
        {"digits-lower-upper", 62, "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", "",
         "Base62, lower case before upper case"},
        // Crockford's Base32 reads either case, I and L as 1, and O as 0.
        {"crockford", 32, "0123456789ABCDEFGHJKMNPQRSTVWXYZ",
         "aAbBcCdDeEfFgGhHjJkKmMnNpPqQrRsStTvVwWxXyYzZi1I1l1L1o0O0", "Crockford's Base32; reads i, l, o as 1, 1, 0"},
        {"digits-lower", 36, "0123456789abcdefghijklmnopqrstuvwxyz", "", "Base36 in lower case"},
        {"base64url", 64, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_", "",
         "Base64 for URLs and file names"},
    };
    return table;
}

const named_alphabet* find_named_alphabet(const std::string& name)
{
    for (const named_alphabet& a : named_alphabets())
        if (name == a.name)
            return &a;
    return nullptr;
}

std::string alphabet_list()
{
    std::string text;
    for (const named_alphabet& a : named_alphabets()) {
        char line[256];
        std::snprintf(line, sizeof line, "%-19s %2u  %-64s  %s\n", a.name, static_cast<unsigned>(a.radix), a.digits,
                      a.note);
        text += line;
    }
    return text;
}
