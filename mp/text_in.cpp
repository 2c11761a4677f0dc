// Reading numbers from text: the digits are stored straight into the packed words of the number.
#include <cstdio>

#include "mp/cbase.h"
#include "mp/digits.h"
#include "mp/fast/digits.h"
#include "mp/flash.h"
#include "mp/number.h"
#include "mp/precondition.h"
#include "mp/report.h"
#include "mp/text_in.h"

namespace {

constexpr int NO_VALUE = -1;
constexpr int SKIPPED = -2;

// Value of a character as a digit of radix base, NO_VALUE, or SKIPPED (radix 64 only).
int character_value(uint32_t base, unsigned char c)
{
    if (base == 64) {
        if (c >= 'A' && c <= 'Z')
            return c - 'A';
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 26;
        if (c >= '0' && c <= '9')
            return c - '0' + 52;
        if (c == '+')
            return 62;
        if (c == '/')
            return 63;
        if (c == '=' || c <= 32)
            return SKIPPED;
        return NO_VALUE;
    }
    if (base > 60)
        return c;
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return base <= 16 ? c - 'a' + 10 : c - 'a' + 36;
    return NO_VALUE;
}

// Fills io_buffer with one line from input_stream and NUL-terminates it; false on error 17.
bool read_stream_line(mp_context* ctx)
{
    int32_t count = 0;
    int ch;
    while ((ch = std::fgetc(ctx->input_stream)) != EOF) {
        ctx->io_buffer[count++] = static_cast<char>(ch);
        if (count >= ctx->io_buffer_length) {
            report_error(MP_ERROR_IO_BUFFER_OVERFLOW);
            return false;
        }
        if (ch == '\n' || ch == '\0')
            break;
    }
    ctx->io_buffer[count] = '\0';
    return true;
}

// Length of the text: up to its terminator, or input_length characters. -1 on error 17.
int32_t text_length(mp_context* ctx, const char* text)
{
    const bool in_buffer = text == ctx->io_buffer;
    if (ctx->input_length == 0) {
        if (ctx->input_from_stream && !read_stream_line(ctx))
            return -1;
        const bool newline_ends = ctx->digit_base <= 60;
        int32_t length = 0;
        while (text[length] != '\0' && !(newline_ends && text[length] == '\n')) {
            length++;
            if (in_buffer && length >= ctx->io_buffer_length) {
                report_error(MP_ERROR_IO_BUFFER_OVERFLOW);
                return -1;
            }
        }
        return length;
    }
    if (in_buffer && ctx->input_length >= ctx->io_buffer_length) {
        report_error(MP_ERROR_IO_BUFFER_OVERFLOW);
        return -1;
    }
    if (ctx->input_from_stream) {
        int32_t count = 0;
        int ch;
        while (count < ctx->input_length && (ch = std::fgetc(ctx->input_stream)) != EOF) {
            ctx->io_buffer[count++] = static_cast<char>(ch);
        }
        ctx->input_length = count;
    }
    return ctx->input_length;
}

}  // namespace

int instr(bignum x, const char* s)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_if_ready(ROUTINE_INSTR);
    if (ctx == nullptr)
        return 0;
    MP_EXPECTS(x != nullptr && x != ctx->scratch0 && (s != nullptr || ctx->input_from_stream));
    if (!check_text_radix(ctx))
        return 0;
    const uint32_t base = ctx->digit_base;
    clear_number(x);
    const char* text = ctx->input_from_stream ? ctx->io_buffer : s;
    int32_t length = text_length(ctx, text);
    if (length < 0)
        return 0;
    int32_t start = 0;
    bool negative = false;
    if (base <= 60 && length >= 1) {
        if (text[length - 1] == '/')
            length--;
        while (start < length && text[start] == ' ')
            start++;
        if (start < length && text[start] == '-') {
            negative = true;
            start++;
        }
        if (start < length && text[start] == '+')
            start++;
    }
    bignum marker_number = ctx->scratch0;
    bool marker = false;
    int32_t position = 0;
    int16_t values[256];  // runs of plain digits are read a word at a time
    for (int c = 0; c < 256; ++c)
        values[c] = static_cast<int16_t>(character_value(base, static_cast<unsigned char>(c)));
    for (int32_t i = length - 1; i >= start && !ctx->error_number; --i) {
        i = fast_read_digits(x, text, start, i, &position, values);
        if (i < start)
            break;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (base <= 60 && !marker && (c == '/' || c == '.')) {
            if (c == '/') {
                copy_number(x, marker_number);
                clear_number(x);
                position = 0;
            } else {
                clear_number(marker_number);
                putdig(1, marker_number, position + 1);
            }
            marker = true;
            continue;
        }
        const int value = character_value(base, c);
        if (value == SKIPPED)
            continue;
        if (value == NO_VALUE || static_cast<uint32_t>(value) >= base) {
            report_error(MP_ERROR_INPUT_FORMAT);
            return 0;
        }
        position++;
        if (!fast_put_new_digit(static_cast<uint32_t>(value), x, position)) {
            putdig(static_cast<uint32_t>(value), x, position);
        }
    }
    set_sign(negative ? -1 : +1, x);
    strip_leading_zeros(x);
    strip_leading_zeros(marker_number);
    if (marker)
        fpack(x, marker_number, x);
    ctx->input_length = 0;
    return length;
}

namespace {

// Reads count digit values of the current digit_base into x as instr reads the digits of a text: x must
// not be scratch0. Returns count, or 0 on an error (1, 3, 5 or 18).
int read_digit_values(mp_context* ctx, bignum x, const uint8_t* values, int32_t count)
{
    if (!check_text_radix(ctx))
        return 0;
    const uint32_t base = ctx->digit_base;
    int16_t identity[256];  // a value is its own digit below the radix
    for (int v = 0; v < 256; ++v)
        identity[v] = static_cast<int16_t>(static_cast<uint32_t>(v) < base ? v : NO_VALUE);
    const char* text = reinterpret_cast<const char*>(values);
    clear_number(x);
    int32_t position = 0;
    for (int32_t i = count - 1; i >= 0 && !ctx->error_number; --i) {
        i = fast_read_digits(x, text, 0, i, &position, identity);
        if (i < 0)
            break;
        if (values[i] >= base) {
            report_error(MP_ERROR_INPUT_FORMAT);
            return 0;
        }
        position++;
        if (!fast_put_new_digit(values[i], x, position))
            putdig(values[i], x, position);
    }
    strip_leading_zeros(x);
    return ctx->error_number ? 0 : count;
}

// The end of cinstr and cindigits: parse reads the digits into scratch6 in the packing of the text's
// radix (io_base) with the overflow test off and returns its count; the number is then converted to
// the working packing and copied into x, error 3 (or 13 for a fraction) beyond max_words. Returns the
// count, or 0 when the value is refused.
template <class Parse> int read_through_text_packing(mp_context* ctx, bignum x, Parse parse)
{
    const uint32_t working_radix = ctx->digit_base;
    choose_word_base(static_cast<uint32_t>(ctx->io_base));
    const uint32_t text_word_base = ctx->word_base;
    ctx->overflow_check = 0;
    bignum parsed = ctx->scratch6;
    const int count = parse(parsed);
    ctx->overflow_check = 1;
    choose_word_base(working_radix);
    // The capacity applies to the number in the working packing: a text may take more words of its own
    // radix than max_words. With overflow_check on, a value beyond max_words words is error 3.
    cbase(parsed, text_word_base, parsed);
    if (ctx->error_number)
        return count;
    const int32_t numerator = static_cast<int32_t>(parsed->length_word & NUMERATOR_MASK);
    const int32_t denominator = static_cast<int32_t>((parsed->length_word & DENOMINATOR_MASK) >> DENOMINATOR_SHIFT);
    if (numerator > ctx->max_words || denominator > ctx->max_words || stored_length(parsed) > ctx->max_words) {
        const bool part_too_long = numerator > ctx->max_words || denominator > ctx->max_words;
        report_error(part_too_long ? MP_ERROR_OVERFLOW : MP_ERROR_FLASH_OVERFLOW);
        clear_number(parsed);
        return 0;
    }
    copy_number(parsed, x);
    clear_number(parsed);
    return count;
}

}  // namespace

int cinstr(bignum x, const char* s)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_text_conversion(ROUTINE_CINSTR);
    if (ctx == nullptr)
        return 0;
    MP_EXPECTS(x != nullptr && (s != nullptr || ctx->input_from_stream));
    return read_through_text_packing(ctx, x, [s](bignum parsed) { return instr(parsed, s); });
}

int cindigits(bignum x, const uint8_t* values, int32_t count)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_text_conversion(ROUTINE_CINDIGITS);
    if (ctx == nullptr)
        return 0;
    MP_EXPECTS(x != nullptr && count >= 0 && (values != nullptr || count == 0));
    return read_through_text_packing(
        ctx, x, [ctx, values, count](bignum parsed) { return read_digit_values(ctx, parsed, values, count); });
}

int32_t cinstr_digit_capacity(uint32_t radix)
{
    const mp_context* ctx = current_context();
    if (ctx == nullptr || !ctx->instance_ready || radix < 2 || radix > 256)
        return 0;
    // cinstr packs the text in words of its own radix with the overflow test off.
    const int64_t digits = digit_word_bound(ctx, false) * packing_of(radix).digits_per_word;
    return digits > INT32_MAX ? INT32_MAX : static_cast<int32_t>(digits);
}
