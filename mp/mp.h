// Public interface of the multiprecision library: one process-wide instance, numbers made by mpvar,
// text in any radix read by cinstr and written by cotstr.
#pragma once

#include <cstdint>
#include <cstdio>

// Error codes recorded in error_number (with errors_return set) or named by the error report before the
// process ends. The values are fixed: each is the index of its report text.
enum mp_error : int32_t {
    MP_ERROR_NONE = 0,
    MP_ERROR_BASE_TOO_BIG = 1,  // the digit radix has no text form (0 or above 256)
    MP_ERROR_DIVISION_BY_ZERO = 2,
    MP_ERROR_OVERFLOW = 3,           // a result needs more than max_words words
    MP_ERROR_NEGATIVE_RESULT = 4,    // an internal subtraction would go below zero
    MP_ERROR_INPUT_FORMAT = 5,       // a character of the text is no digit of the radix
    MP_ERROR_ILLEGAL_BASE = 6,       // 1 or above 2^31 as the radix of a packing
    MP_ERROR_ILLEGAL_PARAMETER = 7,  // operands that must differ are the same number
    MP_ERROR_OUT_OF_SPACE = 8,       // memory cannot be had
    MP_ERROR_EVEN_ROOT_OF_NEGATIVE = 9,
    MP_ERROR_NEGATIVE_POWER = 10,
    MP_ERROR_ILLEGAL_ROOT = 11,
    MP_ERROR_FLASH_OPERAND = 12,    // an integer operation given a fraction
    MP_ERROR_FLASH_OVERFLOW = 13,   // a fraction's parts do not fit, or a zero denominator
    MP_ERROR_NUMBERS_TOO_BIG = 14,  // the capacity asked of mpsys is beyond a length word
    MP_ERROR_LOG_OF_NON_POSITIVE = 15,
    MP_ERROR_FLASH_TO_DOUBLE = 16,
    MP_ERROR_IO_BUFFER_OVERFLOW = 17,  // text longer than io_buffer
    MP_ERROR_NOT_INITIALISED = 18,     // no instance, or an instance without scratch numbers
    MP_ERROR_ILLEGAL_MODULUS = 19,
    MP_ERROR_NO_MODULUS = 20,
    MP_ERROR_EXPONENT_TOO_BIG = 21,
    MP_ERROR_UNSUPPORTED_FEATURE = 22,
    MP_ERROR_NOT_DOUBLE_LENGTH = 23,
    MP_ERROR_BASIS_NOT_IRREDUCIBLE = 24,
    MP_ERROR_ROUNDING_CONTROL = 25,
    MP_ERROR_BASE_NOT_BINARY = 26,
    MP_ERROR_NO_IRREDUCIBLE_BASIS = 27,
    MP_ERROR_COMPOSITE_MODULUS = 28,
    MP_ERROR_LAST = MP_ERROR_COMPOSITE_MODULUS,
};

// Digit characters of the text forms: radix 2-60 use the first radix characters of DIGITS60, radix 64
// the 64 characters of DIGITS64 (the Base64 alphabet).
inline constexpr char DIGITS60[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
inline constexpr char DIGITS64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// A number: bit 31 of length_word is the sign, bits 0-15 the (numerator) word count, bits 16-30 the
// denominator word count of a fraction; digits points at the words, least significant first.
struct bignum_record {
    uint32_t length_word;
    uint32_t* digits;
};
typedef bignum_record* bignum;

// The library's instance record. Flags are 0 or non-zero; word_base 0 stands for 2^32.
struct mp_context {
    uint32_t word_base;         // radix of one stored word
    uint32_t digit_base;        // radix whose digits are packed into a word
    int32_t digits_per_word;    // digits of digit_base per word
    int32_t word_bits;          // floor(log2(word_base)); 32 for word_base 0
    int32_t max_words;          // capacity of a number in words (numerator and denominator together)
    int32_t call_depth;         // depth of the routine trace; 0 is the calling program
    int32_t call_trace[24];     // routine codes by depth
    int32_t overflow_check;     // 1: results longer than max_words are error 3
    int32_t output_to_stream;   // written text goes to output_stream
    int32_t input_from_stream;  // text is read from input_stream
    int32_t instance_ready;     // the scratch numbers exist
    FILE* input_stream;
    FILE* output_stream;
    bignum scratch0, scratch2, scratch3, scratch6, scratch8, scratch10;
    int32_t io_buffer_length;    // usable characters of io_buffer (one more byte holds the NUL)
    int32_t errors_return;       // non-zero: errors are only recorded in error_number
    int32_t error_number;        // recorded error; traced routines return at once while it is set
    int32_t io_base;             // radix of the text read by cinstr and written by cotstr
    int32_t input_length;        // non-zero: instr reads exactly this many characters
    int32_t radix_point_output;  // write fractions as radix-point expansions
    int32_t trace_enabled;       // print a line for every traced routine entry
    char* io_buffer;
    char* workspace_block;  // the one block the scratch numbers are carved from
};

// Creates, starts and returns the instance for numbers of `digits` digits of `radix` (digits <= 0: -digits
// bytes); radix 0 means 2^32. Null only when the record cannot be allocated.
mp_context* mpsys(int32_t digits, uint32_t radix);
// The current instance, or null before mpsys and after release_context.
mp_context* current_context();
// Replaces io_buffer by a zeroed one of `length` usable characters; negative lengths are ignored.
void set_io_buffer_size(int32_t length);
// A new number of max_words capacity set to initial_value; null when an error is recorded or memory runs out.
bignum mpvar(int32_t initial_value);
// Wipes and frees a number made by mpvar; null is ignored.
void release_number(bignum x);
// Wipes and frees the scratch numbers, io_buffer and the record; numbers from mpvar are not released.
void release_context();
// Reads text in radix io_base into x (working packing); returns the characters that make up the text.
int cinstr(bignum x, const char* text);
// The most digits of radix (2 to 256) that cinstr of the current instance reads with io_base = radix:
// more are error 3, leading zeros included; the value read must also fit max_words working words.
// 0 without a started instance or for a radix without a text form.
int32_t cinstr_digit_capacity(uint32_t radix);
// Writes x in radix io_base into text, NUL-terminated; returns the characters written.
int cotstr(bignum x, char* text);

// Reads count digit values of radix io_base (2 to 256), most significant first, into x (working packing);
// returns count (0 on an error). A value not below the radix is error 5; more digits than
// cinstr_digit_capacity, or a value beyond max_words words, is error 3.
int cindigits(bignum x, const uint8_t* values, int32_t count);
// Writes the digit values of the integer |x| in radix io_base (2 to 256) into values, most significant
// first, without leading zeros (one 0 for zero); returns the digits written. A fraction is error 12.
int cotdigits(bignum x, uint8_t* values);
// Reads count big-endian bytes into x (a non-negative integer, working packing); returns count. Error 3
// when the value needs more than max_words words.
int cinbytes(bignum x, const uint8_t* bytes, int32_t count);
// Writes the integer |x| as its shortest big-endian bytes (none for zero; room for 4 a word of the
// 2^32 packing); returns the bytes written. A fraction is error 12.
int cotbytes(bignum x, uint8_t* bytes);
