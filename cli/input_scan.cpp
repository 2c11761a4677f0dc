#include "cli/input_scan.h"

#include "cli/text_chars.h"

input_scanner::input_scanner(const digit_alphabet& alphabet, bool drop_garbage, uint64_t max_digits, uint64_t max_zeros)
    : alphabet_(alphabet), drop_garbage_(drop_garbage), max_digits_(max_digits), max_zeros_(max_zeros)
{
}

std::string describe_position(const text_position& at)
{
    return "offset " + std::to_string(at.offset) + " (line " + std::to_string(at.line) + ", column " +
           std::to_string(at.column) + ")";
}

void input_scanner::restart(const text_position& at)
{
    state_ = scan_state::reading;
    position_ = at;
    digits_.clear();
    zeros_ = 0;
}
bool input_scanner::feed(const char* text, size_t length)
{
    for (size_t i = 0; i < length && state_ == scan_state::reading; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const uint8_t value = alphabet_.values[c];
        if (value != NOT_A_DIGIT) {
            if (value == 0 && digits_.empty()) {
                if (++zeros_ > max_zeros_)
                    state_ = scan_state::too_many_digits;
            } else {
                digits_.push_back(static_cast<char>(value));
                if (digits_.size() > max_digits_)
                    state_ = scan_state::too_many_digits;
            }
        } else if (!is_blank(c) && !drop_garbage_) {
            bad_char_ = c;
            state_ = scan_state::bad_character;
            return false;
        }
        ++position_.offset;
        if (c == '\n') {
            ++position_.line;
            position_.column = 1;
        } else {
            ++position_.column;
        }
    }
    return state_ == scan_state::reading;
}
