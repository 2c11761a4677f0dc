#pragma once
// The one door into the multiprecision library. A converter starts the library sized for a number of
// data bytes and holds the one library number a radix change runs through; it reads that number from
// big-endian bytes or from digit values of a radix and writes it back either way. Nothing else outside
// the library includes a library header: the instance, the number and the library's text radix stay
// behind this door, and errors come out named.
//
// The library's instance is process-wide, so one converter lives at a time.
#include <cstddef>
#include <cstdint>

struct bignum_record;

// Words of data the library's largest number holds: the length word counts a number's words in 16
// bits and the library reads digits through 2 * max_words + 1 words of their own radix, so mpsys takes
// at most 32767 words a number, one of them a spare it adds itself.
constexpr uint32_t LIBRARY_DATA_WORDS = 32766;
// The largest capacity a converter starts with: the data words less the headroom byte (see below).
constexpr uint32_t MAX_CONVERTER_BYTES = 4 * LIBRARY_DATA_WORDS - 1;
// The radixes of digit values.
constexpr uint32_t MIN_DIGIT_RADIX = 2;
constexpr uint32_t MAX_DIGIT_RADIX = 256;

// What a library error does: end the process with the library's report, or be recorded so that the
// converter reports it by error() and the caller goes on.
enum class library_errors { end_process, recorded };

// The first error a converter met; reads and writes change nothing after one.
enum class converter_error {
    none,
    out_of_memory,  // the library could not start, or could not get memory for a conversion
    too_big,        // a value or a digit count beyond what the converter was started for
    not_a_digit,    // a digit value not below its radix
    library_fault,  // any other error the library reported
};

class radix_converter {
public:
    // Starts the library for values of capacity_bytes (at most MAX_CONVERTER_BYTES) bytes plus one
    // byte of headroom: a text whose digit count cannot tell may exceed the capacity by under 8 bits
    // and is still read to be judged.
    explicit radix_converter(uint32_t capacity_bytes, library_errors errors = library_errors::end_process);
    // Releases the number and the library instance.
    ~radix_converter();
    radix_converter(const radix_converter&) = delete;
    radix_converter& operator=(const radix_converter&) = delete;

    // Reads count big-endian bytes (at most the capacity and the headroom byte) as the number.
    void read_bytes(const uint8_t* bytes, size_t count);
    // Reads count digit values of radix (2-256), most significant first, as the number: at most
    // digit_capacity(radix) of them, leading zeros included.
    void read_digits(const uint8_t* values, size_t count, uint32_t radix);
    // Writes the number's shortest big-endian bytes into out (room for byte_count()); none for zero.
    // Returns the bytes written.
    size_t write_bytes(uint8_t* out);
    // Writes the number's digit values in radix (2-256) into out, most significant first, without
    // leading zeros (one 0 for zero); out has room for 8 a byte of the capacity and headroom in radix
    // 2, fewer in larger radixes. Returns the digits written.
    size_t write_digits(uint8_t* out, uint32_t radix);

    // Bytes of the number as last read, without leading zero bytes (0 for zero).
    size_t byte_count() const;
    // The most digit values of radix read_digits takes.
    size_t digit_capacity(uint32_t radix) const;
    // The first error met, none while all went well.
    converter_error error() const;
    bool failed() const { return error() != converter_error::none; }

private:
    bignum_record* number_ = nullptr;
};
