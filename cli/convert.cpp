#include "cli/convert.h"

#include <algorithm>
#include <cmath>

#include "cli/limits.h"
#include "engine/codecs.h"
#include "mp/mp.h"

namespace {

// The largest radix whose digits the library reads and writes as the characters of ALPHABET60.
constexpr uint32_t LIBRARY_LETTER_RADIX = 60;

// The library started for numbers of up to `bytes` bytes (plus headroom) with one number, and released
// when the conversion is done. Errors are recorded, not reported: the process goes on.
class library_session {
public:
    explicit library_session(uint64_t bytes)
    {
        const uint64_t size = std::min<uint64_t>(bytes, MAX_CLI_BYTES) + LIBRARY_HEADROOM_BYTES;
        context_ = mpsys(-static_cast<int32_t>(size), 16);
        if (context_ != nullptr) {
            context_->errors_return = 1;
            number_ = mpvar(0);
        }
    }
    ~library_session()
    {
        release_number(number_);
        release_context();
    }
    library_session(const library_session&) = delete;
    library_session& operator=(const library_session&) = delete;

    // Reads the first length characters of text in radix into the number; nothing once the session has
    // failed. Above radix 60 the library takes each character's code as the digit, zero included.
    void read(const char* text, size_t length, uint32_t radix)
    {
        if (failed())
            return;
        context_->io_base = static_cast<int32_t>(radix);
        context_->input_length = radix > LIBRARY_LETTER_RADIX ? static_cast<int32_t>(length) : 0;
        cinstr(number_, text);
    }
    // Writes the number in radix into text (room for every digit and a NUL) and returns the characters
    // written; nothing once failed. Above radix 60 each character's code is the digit, and zero is no text.
    size_t write(char* text, uint32_t radix)
    {
        if (failed())
            return 0;
        context_->io_base = static_cast<int32_t>(radix);
        return static_cast<size_t>(cotstr(number_, text));
    }
    // True when the library could not start or has recorded an error.
    bool failed() const { return number_ == nullptr || context_->error_number != 0; }

private:
    mp_context* context_ = nullptr;
    bignum number_ = nullptr;
};

// The digit values of count characters of text, by one of the engine's digit maps.
std::string values_of(const char* text, size_t count, const uint8_t* map)
{
    std::string values(count, '\0');
    for (size_t i = 0; i < count; ++i)
        values[i] = static_cast<char>(map[static_cast<unsigned char>(text[i])]);
    return values;
}

// Builds the engine's digit maps that this file reads (each once).
void build_maps()
{
    if (!hex_map_built)
        build_hex_digit_map();
    if (!base64_map_built)
        build_base64_digit_map();
    if (!alpha60_map_built)
        build_alpha60_digit_map();
}

std::vector<char> chars_of(const std::string& values, const char* alphabet)
{
    std::vector<char> text(values.size() + 1, '\0');
    for (size_t i = 0; i < values.size(); ++i)
        text[i] = alphabet[static_cast<uint8_t>(values[i])];
    return text;
}

} // namespace

std::string encode_hex(const std::vector<uint8_t>& bytes)
{
    std::vector<char> text(2 * bytes.size() + 1);
    int count = hex_encode(bytes.data(), text.data(), static_cast<uint32_t>(bytes.size()));
    build_maps();
    return values_of(text.data(), static_cast<size_t>(count), hex_digit_map);
}

std::vector<uint8_t> decode_hex(const std::string& digits)
{
    std::vector<char> text = chars_of(digits, HEX_DIGITS_UPPER);
    std::vector<uint8_t> bytes((digits.size() + 1) / 2 + 1);
    int count = hex_decode(bytes.data(), text.data(), static_cast<uint32_t>(digits.size()));
    bytes.resize(static_cast<size_t>(count));
    return bytes;
}

std::string encode_base64(const std::vector<uint8_t>& bytes)
{
    std::vector<char> text(4 * ((bytes.size() + 2) / 3) + 1);
    int count = base64_encode(bytes.data(), text.data(), static_cast<uint32_t>(bytes.size()));
    build_maps();
    return values_of(text.data(), static_cast<size_t>(count), base64_digit_map);
}

std::vector<uint8_t> decode_base64(const std::string& digits)
{
    std::vector<char> text = chars_of(digits, BASE64_ALPHABET);
    std::vector<uint8_t> bytes(3 * ((digits.size() + 3) / 4) + 1);
    int count = base64_decode(text.data(), bytes.data());
    bytes.resize(static_cast<size_t>(count));
    return bytes;
}

std::optional<std::string> number_to_digits(const std::vector<uint8_t>& bytes, uint32_t radix)
{
    std::vector<char> hex(2 * bytes.size() + 1);
    hex_encode(bytes.data(), hex.data(), static_cast<uint32_t>(bytes.size()));
    std::vector<char> text(8 * bytes.size() + 2);  // radix 2 writes the most digits: 8 a byte
    library_session library(bytes.size());
    library.read(hex.data(), hex.size() - 1, 16);
    const size_t count = library.write(text.data(), radix);
    if (library.failed())
        return std::nullopt;
    if (radix > LIBRARY_LETTER_RADIX)
        return count == 0 ? std::string(1, '\0') : std::string(text.data(), count);
    build_maps();
    return values_of(text.data(), count, alpha60_digit_map);
}

std::optional<std::vector<uint8_t>> digits_to_number(const std::string& digits, uint32_t radix)
{
    const uint64_t bound = number_bytes_bound(digits.size(), radix);
    std::vector<char> text(digits.begin(), digits.end());
    text.push_back('\0');
    if (radix <= LIBRARY_LETTER_RADIX)
        text = chars_of(digits, ALPHABET60);
    std::vector<char> hex(2 * (std::min<uint64_t>(bound, MAX_CLI_BYTES) + LIBRARY_HEADROOM_BYTES) + 2);
    library_session library(bound);
    library.read(text.data(), digits.size(), radix);
    const size_t count = library.write(hex.data(), 16);
    if (library.failed())
        return std::nullopt;
    std::vector<uint8_t> bytes((count + 1) / 2 + 1);
    bytes.resize(static_cast<size_t>(hex_decode(bytes.data(), hex.data(), static_cast<uint32_t>(count))));
    return bytes;
}

uint64_t number_bytes_bound(uint64_t digits, uint32_t radix)
{
    return static_cast<uint64_t>(static_cast<double>(digits) * std::log2(static_cast<double>(radix)) / 8.0) + 1;
}
