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

std::optional<uint32_t> parse_decimal(const std::string& text, size_t max_digits)
{
    if (text.empty() || text.size() > max_digits)
        return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value;
}
