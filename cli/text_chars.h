#pragma once
// Characters as the command's input text and its messages see them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// True for the characters input text may hold between digits: space, tab, CR, LF, VT and FF.
bool is_blank(unsigned char c);
// The character for a message: 'x' when printable ASCII, else its code as 0xNN.
std::string describe_char(unsigned char c);
// The value of text when it is 1 to max_digits decimal digits (max_digits <= 9: no overflow); none otherwise.
std::optional<uint32_t> parse_decimal(const std::string& text, size_t max_digits);
