#include "tests/reference/reference.h"

#include <algorithm>

const char REFERENCE_DIGITS60[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";

namespace {

// The word base as a 64-bit number.
uint64_t radix_of(uint32_t base)
{
    return base == 0 ? (1ull << 32) : base;
}

}  // namespace

ref_words ref_strip(ref_words w)
{
    while (!w.empty() && w.back() == 0)
        w.pop_back();
    return w;
}

ref_words ref_to_radix(const ref_words& binary, uint32_t base)
{
    ref_words rest = ref_strip(binary), out;
    while (!rest.empty()) {
        uint64_t r = 0;
        for (size_t i = rest.size(); i-- > 0;) {
            const uint64_t cur = (r << 32) | rest[i];
            rest[i] = static_cast<uint32_t>(cur / base);
            r = cur % base;
        }
        out.push_back(static_cast<uint32_t>(r));
        rest = ref_strip(rest);
    }
    return out;
}

ref_words ref_digits(const ref_words& binary, uint32_t radix)
{
    uint64_t power = radix;
    int per_word = 1;
    for (; power * radix <= 0xFFFFFFFFull; power *= radix)
        per_word++;
    ref_words digits;
    for (uint32_t w : ref_to_radix(binary, static_cast<uint32_t>(power)))
        for (int i = 0; i < per_word; ++i, w /= radix)
            digits.push_back(w % radix);
    return ref_strip(digits);
}

ref_words ref_from_radix(const ref_words& digits, uint32_t base)
{
    ref_words acc;
    for (size_t i = digits.size(); i-- > 0;) {
        uint64_t carry = digits[i];
        for (uint32_t& w : acc) {
            const uint64_t t = static_cast<uint64_t>(w) * base + carry;
            w = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0)
            acc.push_back(static_cast<uint32_t>(carry));
    }
    return ref_strip(acc);
}

ref_words ref_product(const ref_words& a, const ref_words& b, uint32_t base)
{
    const uint64_t radix = radix_of(base);
    ref_words r(a.size() + b.size(), 0);
    for (size_t i = 0; i < a.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < b.size(); ++j) {
            const uint64_t t = static_cast<uint64_t>(a[i]) * b[j] + r[i + j] + carry;
            r[i + j] = static_cast<uint32_t>(t % radix);
            carry = t / radix;
        }
        for (size_t k = i + b.size(); carry != 0; ++k) {
            const uint64_t t = r[k] + carry;
            r[k] = static_cast<uint32_t>(t % radix);
            carry = t / radix;
        }
    }
    return ref_strip(r);
}

ref_words ref_sum(const ref_words& a, const ref_words& b, uint32_t base)
{
    const uint64_t radix = radix_of(base);
    ref_words r(std::max(a.size(), b.size()) + 1, 0);
    uint64_t carry = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        const uint64_t t = (i < a.size() ? a[i] : 0) + static_cast<uint64_t>(i < b.size() ? b[i] : 0) + carry;
        r[i] = static_cast<uint32_t>(t % radix);
        carry = t / radix;
    }
    return ref_strip(r);
}

ref_words ref_words_of_bytes(const std::vector<uint8_t>& bytes)
{
    ref_words w((bytes.size() + 3) / 4, 0);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const size_t from_bottom = bytes.size() - 1 - i;
        w[from_bottom / 4] |= static_cast<uint32_t>(bytes[i]) << (8 * (from_bottom % 4));
    }
    return ref_strip(w);
}

std::vector<uint8_t> ref_bytes_of_words(const ref_words& w)
{
    std::vector<uint8_t> v;
    for (size_t i = w.size(); i-- > 0;)
        for (int b = 3; b >= 0; --b)
            v.push_back(static_cast<uint8_t>(w[i] >> (8 * b)));
    size_t skip = 0;
    while (skip < v.size() && v[skip] == 0)
        skip++;
    return std::vector<uint8_t>(v.begin() + static_cast<long>(skip), v.end());
}

std::string ref_text(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    const ref_words digits = ref_digits(ref_words_of_bytes(bytes), radix);
    std::string text;
    for (size_t i = digits.size(); i-- > 0;)
        text += REFERENCE_DIGITS60[digits[i]];
    return text.empty() ? "0" : text;
}

std::vector<uint8_t> ref_value(const std::string& text, uint32_t radix)
{
    const std::string alphabet(REFERENCE_DIGITS60);
    ref_words digits;
    for (size_t i = text.size(); i-- > 0;)
        digits.push_back(static_cast<uint32_t>(alphabet.find(text[i])));
    return ref_bytes_of_words(ref_from_radix(digits, radix));
}

std::string ref_hex_bytes(const std::vector<uint8_t>& bytes)
{
    std::string s;
    for (uint8_t b : bytes) {
        s += REFERENCE_DIGITS60[b >> 4];
        s += REFERENCE_DIGITS60[b & 15];
    }
    return s;
}

std::vector<uint8_t> ref_bytes_of_hex(const std::string& hex)
{
    const std::string upper = "0123456789ABCDEF", lower = "0123456789abcdef";
    std::vector<uint8_t> bytes;
    unsigned value = 0;
    for (size_t i = 0; i < hex.size(); ++i) {
        const size_t digit = upper.find(hex[i]) != std::string::npos ? upper.find(hex[i]) : lower.find(hex[i]);
        value = value * 16 + static_cast<unsigned>(digit);
        if ((hex.size() - i) % 2 == 1) {  // the last digit of a byte
            bytes.push_back(static_cast<uint8_t>(value));
            value = 0;
        }
    }
    return bytes;
}

const char REFERENCE_BASE64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string ref_base64(const std::vector<uint8_t>& bytes)
{
    std::string text;
    const size_t bits = 8 * bytes.size();
    for (size_t at = 0; at < bits; at += 6) {
        unsigned value = 0;
        for (size_t b = at; b < at + 6; ++b)
            value = value * 2 + (b < bits ? (bytes[b / 8] >> (7 - b % 8) & 1) : 0);
        text += REFERENCE_BASE64[value];
    }
    return text;
}

std::vector<uint8_t> ref_base64_bytes(const std::string& text)
{
    const std::string alphabet(REFERENCE_BASE64);
    std::vector<uint8_t> bytes(6 * text.size() / 8, 0);
    for (size_t b = 0; b < 8 * bytes.size(); ++b)
        if (alphabet.find(text[b / 6]) >> (5 - b % 6) & 1)
            bytes[b / 8] = static_cast<uint8_t>(bytes[b / 8] | 1 << (7 - b % 8));
    return bytes;
}
