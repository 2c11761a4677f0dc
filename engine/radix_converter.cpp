#include "engine/radix_converter.h"

#include "mp/mp.h"
#include "mp/number.h"

namespace {

// The library's text radix set for one conversion and put back as it was found when the scope ends.
class io_radix_scope {
public:
    explicit io_radix_scope(uint32_t radix) : library_(current_context()), saved_(library_->io_base)
    {
        library_->io_base = static_cast<int32_t>(radix);
    }
    ~io_radix_scope() { library_->io_base = saved_; }
    io_radix_scope(const io_radix_scope&) = delete;
    io_radix_scope& operator=(const io_radix_scope&) = delete;

private:
    mp_context* library_;
    int32_t saved_;
};

}  // namespace

radix_converter::radix_converter(uint32_t capacity_bytes, library_errors errors)
{
    // Radix-16 digits for the capacity and the headroom byte: the working packing is full 32-bit words.
    // The library reads digits in words of their own radix with room for twice max_words (radix 36,
    // the worst, needs 10141 words for 32767 bytes against 16386) and then checks the value's size in
    // the working packing.
    const size_t headroom_bytes = size_t(capacity_bytes) + 1;
    mp_context* library = mpsys(static_cast<int32_t>(2 * headroom_bytes), 16);
    if (library == nullptr)
        return;
    library->errors_return = errors == library_errors::recorded;
    number_ = mpvar(0);
}

radix_converter::~radix_converter()
{
    release_number(number_);
    release_context();
}

void radix_converter::read_bytes(const uint8_t* bytes, size_t count)
{
    if (!failed())
        cinbytes(number_, bytes, static_cast<int32_t>(count));
}

void radix_converter::read_digits(const uint8_t* values, size_t count, uint32_t radix)
{
    if (failed())
        return;
    io_radix_scope text_radix(radix);
    cindigits(number_, values, static_cast<int32_t>(count));
}

size_t radix_converter::write_bytes(uint8_t* out)
{
    return failed() ? 0 : static_cast<size_t>(cotbytes(number_, out));
}

size_t radix_converter::write_digits(uint8_t* out, uint32_t radix)
{
    if (failed())
        return 0;
    io_radix_scope text_radix(radix);
    return static_cast<size_t>(cotdigits(number_, out));
}

size_t radix_converter::byte_count() const
{
    if (failed())
        return 0;
    const int32_t words = word_count(number_);  // an integer: no fraction part
    if (words == 0)
        return 0;
    uint32_t top = number_->digits[words - 1];
    size_t bytes = 4 * static_cast<size_t>(words - 1);
    for (; top != 0; top >>= 8)
        ++bytes;
    return bytes;
}

size_t radix_converter::digit_capacity(uint32_t radix) const
{
    return failed() ? 0 : static_cast<size_t>(cinstr_digit_capacity(radix));
}

converter_error radix_converter::error() const
{
    if (number_ == nullptr)
        return converter_error::out_of_memory;
    switch (current_context()->error_number) {
    case MP_ERROR_NONE: return converter_error::none;
    case MP_ERROR_OUT_OF_SPACE: return converter_error::out_of_memory;
    case MP_ERROR_OVERFLOW:
    case MP_ERROR_IO_BUFFER_OVERFLOW: return converter_error::too_big;
    case MP_ERROR_INPUT_FORMAT: return converter_error::not_a_digit;
    default: return converter_error::library_fault;
    }
}
