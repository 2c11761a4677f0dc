#pragma once
// The digit characters of one side of a conversion and the value of every byte read as a digit.
#include <cstdint>
#include <string>

#include "cli/forms.h"

constexpr uint8_t NO_DIGIT = 0xFF;

struct digit_alphabet {
    std::string digits;   // the character of each digit value, value 0 first
    uint8_t values[256];  // the digit value of each byte, NO_DIGIT for bytes that are not digits
};

// The alphabet of digits, in which each byte alias[2k] also reads as the digit alias[2k + 1]. digits
// holds distinct characters (see alphabet_problem).
digit_alphabet make_alphabet(const std::string& digits, const std::string& aliases = "");
// The alphabet a form has without --alphabet: a radix the first digits of ALPHABET62 (2-36 read in
// either case), hex and base16 "0-9A-F" read in either case, base58 the address alphabet, the other
// byte forms their standard digits. Raw has none.
digit_alphabet default_alphabet(const data_form& form);
// The same alphabet written in lower case (its letters are all upper case).
digit_alphabet lower_case(const digit_alphabet& alphabet);
// Why chars cannot be the alphabet of radix: a blank, a repeated character or a wrong count, named in
// the message; empty when it can.
std::string alphabet_problem(const std::string& chars, uint32_t radix);
