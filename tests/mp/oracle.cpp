#include "tests/mp/oracle.h"

#include <random>

#ifndef _WIN32
#include <gmp.h>
#endif

const char ORACLE_DIGITS60[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";

namespace {

typedef std::vector<uint32_t> words; // little-endian 32-bit words, no zero word on top

words to_words(const byte_value& value)
{
    words w((value.size() + 3) / 4, 0);
    for (size_t i = 0; i < value.size(); ++i) {
        const size_t from_bottom = value.size() - 1 - i;
        w[from_bottom / 4] |= static_cast<uint32_t>(value[i]) << (8 * (from_bottom % 4));
    }
    while (!w.empty() && w.back() == 0) w.pop_back();
    return w;
}

byte_value to_bytes(const words& w)
{
    byte_value v;
    for (size_t i = w.size(); i-- > 0;) {
        for (int b = 3; b >= 0; --b) v.push_back(static_cast<uint8_t>(w[i] >> (8 * b)));
    }
    size_t skip = 0;
    while (skip < v.size() && v[skip] == 0) skip++;
    return byte_value(v.begin() + static_cast<long>(skip), v.end());
}

// w = w / d, returns the remainder.
uint32_t divide_small(words& w, uint32_t d)
{
    uint64_t r = 0;
    for (size_t i = w.size(); i-- > 0;) {
        const uint64_t t = (r << 32) | w[i];
        w[i] = static_cast<uint32_t>(t / d);
        r = t % d;
    }
    while (!w.empty() && w.back() == 0) w.pop_back();
    return static_cast<uint32_t>(r);
}

// w = w * m + a.
void multiply_add_small(words& w, uint32_t m, uint32_t a)
{
    uint64_t carry = a;
    for (uint32_t& word : w) {
        const uint64_t t = static_cast<uint64_t>(word) * m + carry;
        word = static_cast<uint32_t>(t);
        carry = t >> 32;
    }
    if (carry != 0) w.push_back(static_cast<uint32_t>(carry));
}

// Largest power radix^k that fits in 32 bits, and k.
uint32_t chunk_of(uint32_t radix, int& k)
{
    uint64_t power = radix;
    k = 1;
    while (power * radix <= 0xFFFFFFFFull) {
        power *= radix;
        k++;
    }
    return static_cast<uint32_t>(power);
}

} // namespace

std::vector<uint32_t> schoolbook_digits(const byte_value& value, uint32_t radix)
{
    words w = to_words(value);
    int k;
    const uint32_t chunk = chunk_of(radix, k);
    std::vector<uint32_t> reversed;
    while (!w.empty()) {
        uint32_t part = divide_small(w, chunk);
        for (int i = 0; i < k; ++i) {
            reversed.push_back(part % radix);
            part /= radix;
        }
    }
    while (!reversed.empty() && reversed.back() == 0) reversed.pop_back();
    return std::vector<uint32_t>(reversed.rbegin(), reversed.rend());
}

byte_value schoolbook_value(const std::vector<uint32_t>& digits, uint32_t radix)
{
    words w;
    for (uint32_t d : digits) multiply_add_small(w, radix, d);
    return to_bytes(w);
}

byte_value schoolbook_mul_add(const byte_value& a, const byte_value& b, const byte_value& c)
{
    const words x = to_words(a);
    const words y = to_words(b);
    words z = to_words(c);
    z.resize(x.size() + y.size() + z.size() + 1, 0);
    for (size_t i = 0; i < x.size(); ++i) {
        uint64_t carry = 0;
        size_t j = 0;
        for (; j < y.size(); ++j) {
            const uint64_t t = static_cast<uint64_t>(x[i]) * y[j] + z[i + j] + carry;
            z[i + j] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        for (size_t m = i + j; carry != 0; ++m) {
            const uint64_t t = static_cast<uint64_t>(z[m]) + carry;
            z[m] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
    }
    return to_bytes(z);
}

int compare_values(const byte_value& a, const byte_value& b)
{
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

#ifdef _WIN32

std::string oracle_text(const byte_value& value, int radix)
{
    std::string text;
    for (uint32_t d : schoolbook_digits(value, static_cast<uint32_t>(radix))) text += ORACLE_DIGITS60[d];
    return text.empty() ? "0" : text;
}

byte_value oracle_value(const std::string& text, int radix)
{
    std::vector<uint32_t> digits;
    for (char c : text) {
        const std::string alphabet(ORACLE_DIGITS60);
        digits.push_back(static_cast<uint32_t>(alphabet.find(c)));
    }
    return schoolbook_value(digits, static_cast<uint32_t>(radix));
}

#else

// GMP's digits for radix 37 to 62 are 0-9, A-Z, a-z, and upper case for radix -2 to -36: for radix 2 to 60
// that is the library's alphabet.
std::string oracle_text(const byte_value& value, int radix)
{
    mpz_t z;
    mpz_init(z);
    mpz_import(z, value.size(), 1, 1, 1, 0, value.data());
    std::vector<char> buffer(mpz_sizeinbase(z, radix) + 2);
    mpz_get_str(buffer.data(), radix <= 36 ? -radix : radix, z);
    mpz_clear(z);
    return std::string(buffer.data());
}

byte_value oracle_value(const std::string& text, int radix)
{
    mpz_t z;
    mpz_init(z);
    mpz_set_str(z, text.c_str(), radix);
    byte_value value((mpz_sizeinbase(z, 2) + 7) / 8);
    size_t count = 0;
    mpz_export(value.data(), &count, 1, 1, 1, 0, z);
    value.resize(count);
    mpz_clear(z);
    return value;
}

#endif

std::string value_to_hex(const byte_value& value)
{
    return oracle_text(value, 16);
}

byte_value hex_to_value(const std::string& hex)
{
    return oracle_value(hex, 16);
}

byte_value random_value(uint32_t seed, int words)
{
    std::mt19937 generator(seed);
    byte_value value(4 * static_cast<size_t>(words));
    for (uint8_t& b : value) b = static_cast<uint8_t>(generator());
    if (value[0] == 0) value[0] = 1;
    return value;
}
