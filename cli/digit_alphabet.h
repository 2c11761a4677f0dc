#pragma once
// The alphabets of the command's forms (engine/digit_alphabet.h): what each form reads and writes
// without --alphabet, and the checks of one given.
#include <cstdint>
#include <string>

#include "cli/forms.h"
#include "engine/digit_alphabet.h"
// The alphabet a form has without --alphabet: a radix the first digits of ALPHABET62 (2-36 read in
// either case), hex and base16 "0-9A-F" read in either case, base58 the address alphabet, the other
// byte forms their standard digits. Raw has none.
digit_alphabet default_alphabet(const data_form& form);
// The same alphabet written in lower case (its letters are all upper case).
digit_alphabet lower_case(const digit_alphabet& alphabet);
// Why chars cannot be the alphabet of radix: a blank, a repeated character or a wrong count, named in
// the message; empty when it can.
std::string alphabet_problem(const std::string& chars, uint32_t radix);
