#include "cli/named_alphabets.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>

namespace {

char folded(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Letters to insert, delete or change to turn a into b, case aside.
size_t edit_distance(const std::string& a, const std::string& b)
{
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (folded(a[i - 1]) == folded(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

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
        if (edit_distance(name, a.name) == 0)
            return &a;
    return nullptr;
}

name_match nearest_alphabet_name(const std::string& word)
{
    name_match nearest{nullptr, SIZE_MAX};
    for (const named_alphabet& a : named_alphabets()) {
        const size_t distance = edit_distance(word, a.name);
        if (distance < nearest.distance)
            nearest = {a.name, distance};
    }
    return nearest;
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
