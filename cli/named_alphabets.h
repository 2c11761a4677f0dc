#pragma once
// Well-known alphabets that --alphabet takes by name.
#include <cstdint>
#include <string>
#include <vector>

struct named_alphabet {
    const char* name;
    uint32_t radix;
    const char* digits;   // the digit characters, value 0 first
    const char* aliases;  // pairs: a character that also reads as a digit, then that digit
    const char* note;     // what the alphabet is known for, for --list-alphabets
};

// Every named alphabet, in the order --list-alphabets prints them.
const std::vector<named_alphabet>& named_alphabets();
// The alphabet called name in either case ("Bitcoin"), or null.
const named_alphabet* find_named_alphabet(const std::string& name);
struct name_match {
    const char* name;
    size_t distance;  // letters inserted, deleted or changed to make the name of word, case aside
};
// The name nearest to word, for a suggestion.
name_match nearest_alphabet_name(const std::string& word);
// The --list-alphabets text: one line per alphabet (name, radix, digits, note).
std::string alphabet_list();
