// Fuzz target: the library reading arbitrary text in every io_base (errors recorded, not fatal), and
// for every text that reads without error: writing it back and reading that again gives the same
// number, and (natively) GMP agrees on the value of a plain integer text. The same bytes, each taken
// modulo the radix, as digit values: cindigits reads what cinstr reads from those digits as text,
// cotdigits writes them back without leading zeros, and cotbytes/cinbytes carry the number unchanged.
// Input: the first byte picks io_base 2-256, the rest is the text (it ends at its first NUL).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "mp/mp.h"
#include "tests/fuzz/fuzz_support.h"
#include "mp/number.h"

#ifdef MORVANE_HAVE_GMP
#include <gmp.h>
#endif

namespace {

bignum number_x, number_y;

// A fresh instance, as the application starts it, with errors recorded instead of fatal.
void start_library()
{
    if (current_context()) {
        release_number(number_x);
        release_number(number_y);
        release_context();
    }
    mpsys(65536, 16);
    set_io_buffer_size(262144);
    number_x = mpvar(0);
    number_y = mpvar(0);
    current_context()->errors_return = 1;
}

bool same_number(bignum a, bignum b)
{
    if (a->length_word != b->length_word)
        return false;
    const int32_t words = stored_length(a);
    return words == 0 || std::memcmp(a->digits, b->digits, size_t(words) * 4) == 0;
}

#ifdef MORVANE_HAVE_GMP
bool has_denominator_bits(bignum x)
{
    return (x->length_word & DENOMINATOR_MASK) != 0;
}

// The digits of a plain integer text (spaces, one sign, digits, an optional trailing "/"), or false
// when the text has any other form. Mirrors only the text's shape; the digit values are GMP's.
bool plain_integer(const std::string& text, std::string& digits, bool& negative)
{
    std::string t = text.substr(0, text.find('\n'));
    if (!t.empty() && t.back() == '/')
        t.pop_back();
    size_t i = t.find_first_not_of(' ');
    if (i == std::string::npos)
        i = t.size();
    negative = i < t.size() && t[i] == '-';
    i += negative;
    if (negative && i < t.size() && t[i] == '+')
        ++i;
    digits = t.substr(i);
    return digits.find_first_of("/.-+ ") == std::string::npos;
}

void check_with_gmp(const std::string& text, int radix)
{
    std::string digits;
    bool negative = false;
    if (radix > 60 || has_denominator_bits(number_x) || !plain_integer(text, digits, negative))
        return;
    static std::vector<char> hex(1 << 20);
    current_context()->io_base = 16;
    cotstr(number_x, hex.data());
    current_context()->io_base = radix;
    mpz_t expected, actual;
    mpz_inits(expected, actual, nullptr);
    require(digits.empty() || mpz_set_str(expected, digits.c_str(), radix) == 0);
    if (negative)
        mpz_neg(expected, expected);
    require(mpz_set_str(actual, hex.data(), 16) == 0);
    require(mpz_cmp(expected, actual) == 0);
    mpz_clears(expected, actual, nullptr);
}
#endif

// The input's bytes modulo radix as digit values, read by cindigits and by cinstr from the same digits
// as characters (radix 2-60 and the Base64 ones of 64) or codes (the other radixes): both agree, and the number writes back as those values.
void check_digit_values(const std::string& text, int radix)
{
    mp_context* mp = current_context();
    std::vector<uint8_t> values(text.begin(), text.end());
    std::string chars(values.size(), '\0');
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<uint8_t>(values[i] % radix);
        chars[i] = radix <= 60 ? DIGITS60[values[i]] : radix == 64 ? DIGITS64[values[i]] : static_cast<char>(values[i]);
    }
    mp->io_base = radix;
    const int read = cindigits(number_y, values.data(), static_cast<int32_t>(values.size()));
    const int code = mp->error_number;
    mp->error_number = 0;
    mp->input_length = radix > 60 ? static_cast<int32_t>(chars.size()) : 0;
    cinstr(number_x, chars.c_str());
    require(mp->error_number == code && (code == 0 || code == 3) && read == (code ? 0 : int(values.size())));
    mp->error_number = 0;
    if (code != 0)
        return;
    require(same_number(number_x, number_y));

    static std::vector<uint8_t> written(1 << 21);
    const size_t first = std::min(values.size() - 1, size_t(std::find_if(values.begin(), values.end(),
                                                                           [](uint8_t v) { return v != 0; }) - values.begin()));
    const int count = values.empty() ? 0 : cotdigits(number_x, written.data());
    require(values.empty() || (size_t(count) == values.size() - first &&
                               std::equal(values.begin() + long(first), values.end(), written.begin())));
    const int bytes = cotbytes(number_x, written.data());
    cinbytes(number_y, written.data(), bytes);
    require(mp->error_number == 0 && same_number(number_x, number_y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size == 0 || size > 300000)
        return 0;
    if (!current_context() || current_context()->error_number != 0)
        start_library();
    mp_context* mp = current_context();
    const int radix = 2 + input[0] % 255;
    const std::string text(reinterpret_cast<const char*>(input) + 1, size - 1);
    const char* c_text = text.c_str();
    check_digit_values(text, radix);

    mp->io_base = radix;
    const int read = cinstr(number_x, c_text);
    require(read >= 0 && size_t(read) <= std::strlen(c_text));
    require(mp->io_base == radix && mp->digit_base == 16 && mp->word_base == 0);
    if (mp->error_number != 0) {
        const int code = mp->error_number;
        require(code == 3 || code == 5 || code == 13);
        mp->io_base = 16;
        return 0;
    }

    static std::vector<char> written(1 << 20);
    const int count = cotstr(number_x, written.data());
    require(mp->error_number == 0 && count >= 0 && written[size_t(count)] == '\0');
    // Raw-byte radixes write a zero digit as a NUL byte, which ends the text: no round trip then.
    if (std::strlen(written.data()) == size_t(count)) {
        cinstr(number_y, written.data());
        require(mp->error_number == 0);
        require(same_number(number_x, number_y));
    }
#ifdef MORVANE_HAVE_GMP
    check_with_gmp(text.c_str(), radix);
#endif
    mp->io_base = 16;
    return 0;
}
