#include "cli/digit_alphabet.h"

#include <cstring>

#include "cli/text_chars.h"
#include "engine/digit_maps.h"

digit_alphabet make_alphabet(const std::string& digits, const std::string& aliases)
{
    digit_alphabet alphabet;
    alphabet.digits = digits;
    std::memset(alphabet.values, NO_DIGIT, sizeof alphabet.values);
    for (size_t i = 0; i < digits.size(); ++i)
        alphabet.values[static_cast<unsigned char>(digits[i])] = static_cast<uint8_t>(i);
    for (size_t i = 0; i + 1 < aliases.size(); i += 2) {
        uint8_t value = alphabet.values[static_cast<unsigned char>(aliases[i + 1])];
        alphabet.values[static_cast<unsigned char>(aliases[i])] = value;
    }
    return alphabet;
}

digit_alphabet default_alphabet(const data_form& form)
{
    switch (form.kind) {
    case form_kind::hex: return make_alphabet(HEX_DIGITS_UPPER, "aAbBcCdDeEfF");
    case form_kind::base64: return make_alphabet(BASE64_ALPHABET);
    case form_kind::radix: return make_alphabet(std::string(ALPHABET62, form.radix));
    case form_kind::raw: break;
    }
    return make_alphabet("");
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
