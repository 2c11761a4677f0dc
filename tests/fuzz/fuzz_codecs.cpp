// Fuzz target: the byte codecs, input filters, alphabet tables and hex utilities on arbitrary bytes.
// The first input byte picks a radix; the rest is the data. Every buffer is sized exactly as each
// routine's contract asks, so a write past it is caught by the address sanitizer.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "engine/alphabets.h"
#include "engine/codecs.h"
#include "engine/filters.h"
#include "engine/hex_utils.h"

namespace {

const uint32_t radixes[] = {2, 8, 10, 16, 36, 60, 64, 5};

bool in_text(const char* alphabet, unsigned char c)
{
    return c != 0 && std::memchr(alphabet, c, std::strlen(alphabet)) != nullptr;
}

const char* radix_text_digits(uint32_t radix)
{
    switch (radix) {
    case 2: return "01";
    case 8: return "01234567";
    case 10: return "0123456789";
    case 16: return "0123456789ABCDEFabcdef";
    case 36: return "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    case 60: return ALPHABET60;
    case 64: return BASE64_ALPHABET;
    default: return "";
    }
}

void check_codecs(const std::vector<uint8_t>& data)
{
    const uint32_t n = uint32_t(data.size());

    std::vector<char> hex(2 * n + 1);
    require(hex_encode(data.data(), hex.data(), n) == int(2 * n));
    std::vector<uint8_t> back(n + 1);
    require(hex_decode(back.data(), hex.data(), 2 * n) == int(n));
    require(std::equal(data.begin(), data.end(), back.begin()));
    require(count_significant_bits(hex.data(), 2 * n) == int(bit_length(data)));

    std::vector<char> reversed(2 * n + 2), twice(2 * n + 2);
    reverse_hex_bytes(reversed.data(), hex.data(), 2 * n);
    if (n >= 2) {
        std::vector<uint8_t> rev_bytes(data.rbegin(), data.rend());
        std::vector<char> expected(2 * n + 1);
        hex_encode(rev_bytes.data(), expected.data(), n);
        require(std::strcmp(reversed.data(), expected.data()) == 0);
    }
    reverse_hex_bytes(twice.data(), reversed.data(), 2 * n);
    require(std::strcmp(twice.data(), hex.data()) == 0);

    std::vector<char> b64(4 * ((n + 2) / 3) + 1);
    const int chars = base64_encode(data.data(), b64.data(), n);
    require(chars == int(4 * (n / 3) + (n % 3 ? n % 3 + 1 : 0)));
    std::vector<uint8_t> decoded(3 * ((chars + 3) / 4) + 1);
    require(base64_decode(b64.data(), decoded.data()) == int(n));
    require(std::equal(data.begin(), data.end(), decoded.begin()));
}

// The data taken as text (NUL-terminated at its first zero byte, as a field would hold it).
void check_text(const std::vector<uint8_t>& data, uint32_t radix)
{
    std::vector<char> text(data.begin(), data.end());
    text.push_back('\0');
    const uint32_t len = uint32_t(std::strlen(text.data()));

    std::vector<uint8_t> bytes((len + 1) / 2 + 1);
    require(hex_decode(bytes.data(), text.data(), len) <= int((len + 1) / 2));
    std::vector<uint8_t> b64bytes(3 * ((len + 3) / 4) + 1);
    require(base64_decode(text.data(), b64bytes.data()) <= int(3 * len / 4));
    std::vector<char> bits_text(text);
    (void)count_significant_bits(bits_text.data(), len);

    // filter_radix_text keeps exactly the digits, in order, after an optional leading "-".
    std::vector<char> filtered(text);
    const int kept = filter_radix_text(filtered.data(), radix);
    size_t start = text[0] == '-' ? 1 : 0;
    std::vector<char> expected(text.begin(), text.begin() + start);
    for (size_t i = start; i < len; ++i)
        if (in_text(radix_text_digits(radix), uint8_t(text[i])))
            expected.push_back(text[i]);
    require(kept == int(expected.size()));
    require(std::equal(expected.begin(), expected.end(), filtered.begin()) && filtered[kept] == '\0');

    // filter_basex_text with the default alphabet keeps exactly that alphabet's characters.
    std::vector<char> basex(text);
    const int basex_kept = filter_basex_text(basex.data(), default_alphabet(radix));
    int members = 0;
    for (size_t i = 0; i < len; ++i)
        members += in_text(default_alphabet(radix).chars, uint8_t(text[i]));
    require(basex_kept == members && basex[basex_kept] == '\0');
}

// The data's first radix bytes as a custom alphabet: when they are distinct and not NUL, the filter
// keeps exactly them and its digit values read back as they were written.
void check_custom_alphabet(const std::vector<uint8_t>& data, uint32_t radix)
{
    if (radix == 5 || data.size() < radix)
        return;
    bool seen[256] = {};
    for (uint32_t i = 0; i < radix; ++i) {
        if (data[i] == 0 || seen[data[i]])
            return;
        seen[data[i]] = true;
    }
    std::vector<char> alphabet(data.begin(), data.begin() + radix);
    alphabet.push_back('\0');
    custom_alphabets custom;
    custom.store(alphabet.data(), radix);
    require(std::strcmp(custom.of(radix).chars, alphabet.data()) == 0);

    std::vector<char> text(data.begin() + radix, data.end());
    text.push_back('\0');
    const uint32_t len = uint32_t(std::strlen(text.data()));
    std::vector<char> filtered(text);
    const int kept = filter_basex_text(filtered.data(), custom.of(radix));
    int members = 0;
    for (size_t i = 0; i < len; ++i)
        members += seen[uint8_t(text[i])];
    require(kept == members);

    // Custom text -> digit values -> default text -> values -> custom text gives the text back.
    std::vector<uint8_t> values(size_t(kept) + 1);
    std::vector<char> round(filtered);
    read_digit_values(custom.of(radix), filtered.data(), values.data(), size_t(kept));
    write_digit_chars(default_alphabet(radix), values.data(), round.data(), size_t(kept));
    for (int i = 0; i < kept; ++i)
        require(values[i] < radix && in_text(default_alphabet(radix).chars, uint8_t(round[i])));
    read_digit_values(default_alphabet(radix), round.data(), values.data(), size_t(kept));
    write_digit_chars(custom.of(radix), values.data(), round.data(), size_t(kept));
    require(std::equal(round.begin(), round.begin() + kept, filtered.begin()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size == 0 || size > 40000)
        return 0;
    const uint32_t radix = radixes[input[0] % (sizeof radixes / sizeof radixes[0])];
    const std::vector<uint8_t> data(input + 1, input + size);
    check_codecs(data);
    check_text(data, radix);
    check_custom_alphabet(data, radix);
    return 0;
}
