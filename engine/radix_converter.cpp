#include "engine/radix_converter.h"

radix_converter::radix_converter(uint32_t capacity_bytes, library_errors errors)
{
    // Radix-16 digits for the capacity and the headroom byte. The library parses a text in words of
    // the text's radix with room for twice max_words (radix 36, the worst, needs 10141 words for 32767
    // bytes against 16386) and then checks the value's size in its working packing.
    const size_t headroom_bytes = size_t(capacity_bytes) + 1;
    mp_context* library = mpsys(static_cast<int32_t>(2 * headroom_bytes), 16);
    if (library == nullptr)
        return;
    library->errors_return = errors == library_errors::recorded;
    library->io_base = 16;
    set_io_buffer_size(static_cast<int32_t>(8 * headroom_bytes));
    number_ = mpvar(0);
}

radix_converter::~radix_converter()
{
    release_number(number_);
    release_context();
}

void radix_converter::read(const char* text, uint32_t radix)
{
    if (failed())
        return;
    mp_context* library = current_context();
    int32_t saved_base = library->io_base;
    library->io_base = static_cast<int32_t>(radix);
    cinstr(number_, text);
    library->io_base = saved_base;
}

void radix_converter::read_codes(const char* text, size_t length, uint32_t radix)
{
    if (failed())
        return;
    mp_context* library = current_context();
    int32_t saved_base = library->io_base;
    library->io_base = static_cast<int32_t>(radix);
    library->input_length = static_cast<int32_t>(length);
    cinstr(number_, text);
    library->input_length = 0;
    library->io_base = saved_base;
}

size_t radix_converter::write(char* out, uint32_t radix)
{
    if (failed())
        return 0;
    mp_context* library = current_context();
    int32_t saved_base = library->io_base;
    library->io_base = static_cast<int32_t>(radix);
    int written = cotstr(number_, out);
    library->io_base = saved_base;
    return static_cast<size_t>(written);
}
