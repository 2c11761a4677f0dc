// Public interface of the multiprecision library: one process-wide instance, numbers made by mpvar,
// text in any radix read by cinstr and written by cotstr.
#pragma once

#include <cstdint>
#include <cstdio>

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
    uint32_t word_base;        // radix of one stored word
    uint32_t digit_base;       // radix whose digits are packed into a word
    int32_t digits_per_word;   // digits of digit_base per word
    int32_t word_bits;         // floor(log2(word_base)); 32 for word_base 0
    int32_t max_words;         // capacity of a number in words (numerator and denominator together)
    int32_t call_depth;        // depth of the routine trace; 0 is the calling program
    int32_t call_trace[24];    // routine codes by depth
    int32_t overflow_check;    // 1: results longer than max_words are error 3
    int32_t output_to_stream;  // written text goes to output_stream
    int32_t input_from_stream; // text is read from input_stream
    int32_t instance_ready;    // the scratch numbers exist
    FILE* input_stream;
    FILE* output_stream;
    bignum scratch0, scratch2, scratch3, scratch6, scratch8, scratch10;
    int32_t io_buffer_length;   // usable characters of io_buffer (one more byte holds the NUL)
    int32_t errors_return;      // non-zero: errors are only recorded in error_number
    int32_t error_number;       // recorded error; traced routines return at once while it is set
    int32_t io_base;            // radix of the text read by cinstr and written by cotstr
    int32_t input_length;       // non-zero: instr reads exactly this many characters
    int32_t radix_point_output; // write fractions as radix-point expansions
    int32_t trace_enabled;      // print a line for every traced routine entry
    char* io_buffer;
    char* workspace_block;      // the one block the scratch numbers are carved from
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
// Writes x in radix io_base into text, NUL-terminated; returns the characters written.
int cotstr(bignum x, char* text);
