// The engine's radix and alphabet calls.
#include "engine/engine.h"

radix_outcome conversion_engine::change_radix(uint32_t radix)
{
    if (!is_valid_radix(radix))
        return radix_outcome::invalid;
    radix_ = radix;
    return radix_outcome::changed;
}

alphabet_outcome conversion_engine::store_custom_alphabet(const char* text, size_t length)
{
    custom_ready_ = false;
    if (length < radix_)
        return alphabet_outcome::not_enough_chars;
    if (has_repeated_chars(text, radix_))
        return alphabet_outcome::repeated_chars;
    custom_.store(text, radix_);
    custom_ready_ = true;
    return alphabet_outcome::stored;
}

void conversion_engine::choose_alphabet(alphabet_choice choice)
{
    alphabet_ = choice;
}

const digit_alphabet& conversion_engine::alphabet_in_force() const
{
    return alphabet_ == alphabet_choice::custom_alphabet ? custom_.of(radix_) : default_alphabet(radix_);
}
