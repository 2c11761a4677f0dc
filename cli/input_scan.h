#pragma once
// Reading input text as digits: blanks are skipped, other characters that are not digits end the scan
// (or are dropped), and every character's position is followed so that a refusal can name it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/digit_alphabet.h"

// Where a character stands in the input: offset from 0, line and column from 1 (columns in bytes).
struct text_position {
    uint64_t offset = 0;
    uint64_t line = 1;
    uint64_t column = 1;
};

// The position for a message: "offset N (line L, column C)".
std::string describe_position(const text_position& at);

enum class scan_state { reading, bad_character, too_many_digits };

class input_scanner {
public:
    // Digits of alphabet; when split_zeros, leading zero digits are counted apart (zeros) and not kept.
    // A scan stops as too_many_digits once it has kept more than max_digits digits (or counted more
    // than max_zeros zeros); with drop_garbage characters that are not digits are skipped like blanks.
    input_scanner(const digit_alphabet& alphabet, bool split_zeros, bool drop_garbage, uint64_t max_digits,
                  uint64_t max_zeros);
    // Reads the next piece of the text; false once the scan has stopped (see state()).
    bool feed(const char* text, size_t length);

    scan_state state() const { return state_; }
    // The character that stopped the scan and its position (bad_character only).
    unsigned char bad_char() const { return bad_char_; }
    const text_position& bad_position() const { return position_; }
    // The digit values kept, most significant first.
    const std::string& digits() const { return digits_; }
    // Leading zero digits counted apart (split_zeros only).
    uint64_t zeros() const { return zeros_; }

private:
    const digit_alphabet& alphabet_;
    bool split_zeros_, drop_garbage_;
    uint64_t max_digits_, max_zeros_;
    scan_state state_ = scan_state::reading;
    unsigned char bad_char_ = 0;
    text_position position_;
    std::string digits_;
    uint64_t zeros_ = 0;
};
