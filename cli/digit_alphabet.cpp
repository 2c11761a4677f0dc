#include "cli/digit_alphabet.h"

#include <cstring>

#include "cli/byte_codec.h"
#include "cli/named_alphabets.h"
#include "cli/text_chars.h"
#include "engine/digit_alphabet.h"

namespace {

// Aliases that read each lower-case letter of digits as its upper-case digit.
std::string either_case(const std::string& digits)
{
    std::string aliases;
    for (char c : digits)
        if (c >= 'A' && c <= 'Z')
            aliases += {static_cast<char>(c - 'A' + 'a'), c};
    return aliases;
}

digit_alphabet caseless(const std::string& digits)
{
    return make_alphabet(digits, either_case(digits));
}

}  // namespace

digit_alphabet default_alphabet(const data_form& form)
{
    switch (form.kind) {
    case form_kind::hex:
    case form_kind::base16: return caseless(HEX_DIGITS_UPPER);
    case form_kind::base32: return make_alphabet(BASE32_DIGITS);
    case form_kind::base32hex: return make_alphabet(BASE32HEX_DIGITS);
    case form_kind::base64: return make_alphabet(BASE64_ALPHABET);
    case form_kind::base64url: return make_alphabet(find_named_alphabet("base64url")->digits);
    case form_kind::base2msbf: return make_alphabet(BINARY_DIGITS);
    case form_kind::z85: return make_alphabet(Z85_DIGITS);
    case form_kind::base58: return make_alphabet(find_named_alphabet("bitcoin")->digits);
    case form_kind::radix: {
        const std::string digits(ALPHABET62, form.radix);
        return form.radix <= MAX_CASELESS_RADIX ? caseless(digits) : make_alphabet(digits);
    }
    case form_kind::raw: break;
    }
    return make_alphabet("");
}

digit_alphabet lower_case(const digit_alphabet& alphabet)
{
    digit_alphabet lower = alphabet;  // written in lower case, read as before
    for (uint32_t i = 0; i < lower.count; ++i)
        if (lower.chars[i] >= 'A' && lower.chars[i] <= 'Z')
            lower.chars[i] = static_cast<char>(lower.chars[i] - 'A' + 'a');
    return lower;
}

std::string alphabet_problem(const std::string& chars, uint32_t radix)
{
    size_t first_seen[256];
    std::memset(first_seen, 0, sizeof first_seen);
    for (size_t i = 0; i < chars.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(chars[i]);
        if (is_blank(c))
            return "the alphabet holds a blank (" + describe_char(c) + ", character " + std::to_string(i + 1) +
                   "), which input text skips";
        if (first_seen[c] != 0)
            return "the alphabet repeats " + describe_char(c) + " (characters " + std::to_string(first_seen[c]) +
                   " and " + std::to_string(i + 1) + ")";
        first_seen[c] = i + 1;
    }
    if (chars.size() == radix)
        return "";
    std::string count = "the alphabet has " + std::to_string(chars.size()) + " characters; radix " +
                        std::to_string(radix) + " needs " + std::to_string(radix) + ": ";
    if (chars.size() < radix)
        return count + std::to_string(radix - chars.size()) + " missing";
    return count + std::to_string(chars.size() - radix) + " too many";
}
