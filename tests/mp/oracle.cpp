#include "tests/mp/oracle.h"

#include <random>

#include "tests/reference/reference.h"

#ifndef _WIN32
#include <gmp.h>
#endif

const char* const ORACLE_DIGITS60 = REFERENCE_DIGITS60;

std::vector<uint32_t> schoolbook_digits(const byte_value& value, uint32_t radix)
{
    const ref_words digits = ref_digits(ref_words_of_bytes(value), radix);
    return std::vector<uint32_t>(digits.rbegin(), digits.rend());
}

byte_value schoolbook_value(const std::vector<uint32_t>& digits, uint32_t radix)
{
    return ref_bytes_of_words(ref_from_radix(ref_words(digits.rbegin(), digits.rend()), radix));
}

byte_value schoolbook_mul_add(const byte_value& a, const byte_value& b, const byte_value& c)
{
    const ref_words product = ref_product(ref_words_of_bytes(a), ref_words_of_bytes(b), 0);
    return ref_bytes_of_words(ref_sum(product, ref_words_of_bytes(c), 0));
}

int compare_values(const byte_value& a, const byte_value& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

#ifdef _WIN32

std::string oracle_text(const byte_value& value, int radix)
{
    std::string text;
    for (uint32_t d : schoolbook_digits(value, static_cast<uint32_t>(radix)))
        text += ORACLE_DIGITS60[d];
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
    for (uint8_t& b : value)
        b = static_cast<uint8_t>(generator());
    if (value[0] == 0)
        value[0] = 1;
    return value;
}
