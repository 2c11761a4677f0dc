#include "cli/text_chars.h"

bool is_blank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string describe_char(unsigned char c)
{
    if (c >= 0x21 && c <= 0x7E)
        return std::string("'") + static_cast<char>(c) + "'";
    static const char hex[] = "0123456789ABCDEF";
    return std::string("0x") + hex[c >> 4] + hex[c & 15];
}
