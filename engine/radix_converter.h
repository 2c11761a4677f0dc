#pragma once
// The one start-up of the multiprecision library: a value that starts it sized for a number of data
// bytes, holds the one library number a radix change runs through, and reads and writes that number
// as text of a radix. The dialog's engine and the console program both convert through it.
//
// The library's instance is process-wide, so one converter lives at a time.
#include <cstddef>
#include <cstdint>

#include "mp/mp.h"

// Words of data the library's largest number holds: the length word counts a number's words in 16
// bits and cinstr carries a text through 2 * max_words + 1 of them, so mpsys takes at most 32767
// words a number, one of them a spare it adds itself.
constexpr uint32_t LIBRARY_DATA_WORDS = 32766;
// The largest capacity a converter starts with: the data words less the headroom byte (see below).
constexpr uint32_t MAX_CONVERTER_BYTES = 4 * LIBRARY_DATA_WORDS - 1;

// The largest radix whose digits the library reads and writes as the characters of DIGITS60; above
// it each character's code is the digit.
constexpr uint32_t LIBRARY_LETTER_RADIX = 60;

// What a library error does: end the process with the library's report, or be recorded so that the
// converter reports failed() and the caller goes on.
enum class library_errors { end_process, recorded };

class radix_converter {
public:
    // Starts the library for values of capacity_bytes (at most MAX_CONVERTER_BYTES) bytes plus one
    // byte of headroom: a text whose digit count cannot tell may exceed the capacity by under 8 bits
    // and is still read to be judged. The io buffer holds the radix-2 text of such a value.
    explicit radix_converter(uint32_t capacity_bytes, library_errors errors = library_errors::end_process);
    // Releases the number and the library instance.
    ~radix_converter();
    radix_converter(const radix_converter&) = delete;
    radix_converter& operator=(const radix_converter&) = delete;

    // Reads the NUL-terminated text of radix 2-60 (DIGITS60 characters) into the number.
    void read(const char* text, uint32_t radix);
    // Reads the first length characters of text in radix 61-256, each character's code a digit (NUL
    // included), into the number.
    void read_codes(const char* text, size_t length, uint32_t radix);
    // Writes the number in radix into out (room for every digit and a NUL), NUL-terminated, and
    // returns the characters written: radix 2-60 in DIGITS60 ("0" for zero), above 60 character codes
    // (none for zero). Each read and write keeps the library's io_base as it found it.
    size_t write(char* out, uint32_t radix);

    // The number as last read, in the working packing (full 32-bit words).
    const bignum_record* number() const { return number_; }
    // True when the library could not start or has recorded an error (library_errors::recorded only;
    // otherwise the process has ended). Reads and writes then change nothing.
    bool failed() const { return number_ == nullptr || current_context()->error_number != 0; }

private:
    bignum number_ = nullptr;
};
