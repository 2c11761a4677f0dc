#pragma once
// Characters as the command's input text and its messages see them.
#include <string>

// True for the characters input text may hold between digits: space, tab, CR, LF, VT and FF.
bool is_blank(unsigned char c);
// The character for a message: 'x' when printable ASCII, else its code as 0xNN.
std::string describe_char(unsigned char c);
