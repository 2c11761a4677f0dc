// Writing numbers as text, most significant digit first: integers, fractions and radix-point expansions.
#include <cstdio>

#include "mp/cbase.h"
#include "mp/digits.h"
#include "mp/divide.h"
#include "mp/fast/digits.h"
#include "mp/flash.h"
#include "mp/number.h"
#include "mp/precondition.h"
#include "mp/report.h"
#include "mp/text_out.h"
#include "mp/word_ops.h"

namespace {

// Where otstr's characters go and how many have been written.
struct text_sink {
    char* text;
    int32_t count;
};

void emit(const mp_context* ctx, text_sink& sink, char c)
{
    if (ctx->output_to_stream) {
        std::fputc(static_cast<unsigned char>(c), ctx->output_stream);
    } else {
        sink.text[sink.count] = c;
    }
    sink.count++;
}

char digit_character(uint32_t base, uint32_t v)
{
    if (base <= 60)
        return DIGITS60[v];
    if (base == 64)
        return DIGITS64[v];
    return static_cast<char>(static_cast<unsigned char>(v));
}

// Writes the digits of number (consuming them), with a point before the last `fraction` places when
// the radix is 60 or less. False when the io_buffer limit stopped it (error 17).
bool write_digits(mp_context* ctx, text_sink& sink, bignum number, int32_t fraction)
{
    const uint32_t base = ctx->digit_base;
    const bool small = base <= 60;
    const bool limited = !ctx->output_to_stream && sink.text == ctx->io_buffer;
    const int32_t n = digit_count(number);
    if (fraction == 0 && !ctx->trace_enabled) {
        // A whole number: each word split into its digits at once, the same characters in the same order.
        const int32_t per_word = ctx->digits_per_word;
        uint8_t digits[32];
        for (int32_t j = n; j >= 1;) {
            fast_word_digits(number->digits[(j - 1) / per_word], digits);
            const int32_t first = per_word - 1 - (j - 1) % per_word;
            // Into the text at once where all of the word's characters fit below the limit; otherwise a
            // character at a time, so that the limit stops the text where it always has.
            if (!ctx->output_to_stream && (!limited || sink.count + per_word - first <= ctx->io_buffer_length - 5)) {
                for (int32_t d = first; d < per_word; ++d)
                    sink.text[sink.count++] = digit_character(base, digits[d]);
                j -= per_word - first;
                continue;
            }
            for (int32_t d = first; d < per_word; ++d, --j) {
                if (limited && sink.count >= ctx->io_buffer_length - 5) {
                    report_error(MP_ERROR_IO_BUFFER_OVERFLOW);
                    return false;
                }
                emit(ctx, sink, digit_character(base, digits[d]));
            }
        }
        clear_number(number);  // every digit taken out, as the digit-by-digit loop leaves it
        return true;
    }
    for (int32_t j = n > fraction ? n : fraction; j >= 1; --j) {
        if (limited && sink.count >= ctx->io_buffer_length - 5) {
            report_error(MP_ERROR_IO_BUFFER_OVERFLOW);
            return false;
        }
        if (j == fraction && small)
            emit(ctx, sink, '.');
        char c = '0';
        if (j <= n) {
            const uint32_t v = digit_at(number, j);
            const int32_t saved_check = ctx->overflow_check;
            ctx->overflow_check = 0;
            putdig(0, number, j);
            ctx->overflow_check = saved_check;
            c = digit_character(base, v);
        }
        if (j < fraction && small && c == '0' && clamped_value(number) == 0)
            break;
        emit(ctx, sink, c);
    }
    return true;
}

// Ends the text: a NUL, or on a stream a newline (radix 60 or less, and 64).
void finish_text(const mp_context* ctx, text_sink& sink)
{
    if (!ctx->output_to_stream) {
        sink.text[sink.count] = '\0';
    } else if (ctx->digit_base <= 60 || ctx->digit_base == 64) {
        std::fputc('\n', ctx->output_stream);
    }
}

}  // namespace

int otstr(bignum x, char* s)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_if_ready(ROUTINE_OTSTR);
    if (ctx == nullptr)
        return 0;
    MP_EXPECTS(x != nullptr && x != ctx->scratch0 && x != ctx->scratch8);
    MP_EXPECTS(s != nullptr || ctx->output_to_stream);
    if (!check_text_radix(ctx))
        return 0;
    const uint32_t base = ctx->digit_base;
    const bool small = base <= 60;
    const int sign = sign_of(x);
    set_sign(+1, x);
    const uint32_t length_word = x->length_word;
    text_sink sink{s, 0};
    if (length_word == 0 && small) {
        emit(ctx, sink, '0');
        finish_text(ctx, sink);
        return 1;
    }
    if (sign < 0 && small)
        emit(ctx, sink, '-');
    numerator_of(x, ctx->scratch8);
    int32_t fraction = 0;
    if (ctx->radix_point_output) {
        denominator_of(x, ctx->scratch6);
        if (clamped_value(ctx->scratch6) > 1) {
            int32_t a = static_cast<int32_t>(length_word & NUMERATOR_MASK);
            if (a == 0)
                a = 1;
            const int32_t b = static_cast<int32_t>((length_word & DENOMINATOR_MASK) >> DENOMINATOR_SHIFT);
            ctx->overflow_check = 0;
            if (b < a)
                mp_shift(ctx->scratch6, a - b, ctx->scratch6);
            if (b > a)
                mp_shift(ctx->scratch8, b - a, ctx->scratch8);
            int32_t t = ctx->max_words;
            if (compare_numbers(ctx->scratch8, ctx->scratch6) >= 0)
                t--;
            copy_number(ctx->scratch8, ctx->scratch0);
            if (word_count(ctx->scratch0) + t > 2 * ctx->max_words)
                t = 2 * ctx->max_words - word_count(ctx->scratch0);
            mp_shift(ctx->scratch0, t, ctx->scratch0);
            divide(ctx->scratch0, ctx->scratch6, ctx->scratch8);
            ctx->overflow_check = 1;
            fraction = (t - a + b) * ctx->digits_per_word;
        }
    }
    bool complete = write_digits(ctx, sink, ctx->scratch8, fraction);
    if (complete && !ctx->radix_point_output) {
        denominator_of(x, ctx->scratch8);
        if (clamped_value(ctx->scratch8) != 1) {
            if (small)
                emit(ctx, sink, '/');
            complete = write_digits(ctx, sink, ctx->scratch8, 0);
        }
    }
    if (complete && base == 64) {
        while (sink.count % 3 != 0)
            emit(ctx, sink, '=');
    }
    // Also when the buffer limit stopped the digits: the text stays terminated and x keeps its sign.
    finish_text(ctx, sink);
    set_sign(sign, x);
    return sink.count;
}

int cotstr(bignum x, char* s)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_text_conversion(ROUTINE_COTSTR);
    if (ctx == nullptr)
        return 0;
    MP_EXPECTS(x != nullptr && (s != nullptr || ctx->output_to_stream));
    const uint32_t io_radix = static_cast<uint32_t>(ctx->io_base);
    const uint32_t working_radix = ctx->digit_base;
    const uint32_t working_word_base = ctx->word_base;
    choose_word_base(io_radix);
    // Without scratch numbers, or in a radix that has no text form (0 or above 256), there is nothing to
    // convert: otstr reports it. A radix above 2^15 packs about 16 bits a word, and the converted number
    // would not fit even a double-length scratch number.
    if (ctx->instance_ready && ctx->digit_base != 0 && ctx->digit_base <= 256) {
        ctx->overflow_check = 0;
        cbase(x, working_word_base, ctx->scratch6);
        ctx->overflow_check = 1;
    }
    const int count = otstr(ctx->scratch6, s);
    clear_number(ctx->scratch6);
    choose_word_base(working_radix);
    return count;
}

int cotdigits(bignum x, uint8_t* values)
{
    trace_scope trace;
    mp_context* ctx = trace.enter_text_conversion(ROUTINE_COTDIGITS);
    if (ctx == nullptr)
        return 0;
    MP_EXPECTS(x != nullptr && x != ctx->scratch6 && values != nullptr);
    if (x->length_word & DENOMINATOR_MASK) {
        report_error(MP_ERROR_FLASH_OPERAND);
        return 0;
    }
    const uint32_t working_radix = ctx->digit_base;
    const uint32_t working_word_base = ctx->word_base;
    choose_word_base(static_cast<uint32_t>(ctx->io_base));
    int32_t count = 0;
    if (check_text_radix(ctx)) {
        bignum number = ctx->scratch6;
        ctx->overflow_check = 0;
        cbase(x, working_word_base, number);
        ctx->overflow_check = 1;
        const int32_t n = ctx->error_number ? 0 : digit_count(number);
        const int32_t per_word = ctx->digits_per_word;
        uint8_t digits[32];
        for (int32_t j = n; j >= 1;) {
            fast_word_digits(number->digits[(j - 1) / per_word], digits);
            for (int32_t d = per_word - 1 - (j - 1) % per_word; d < per_word; ++d, --j)
                values[count++] = digits[d];
        }
        if (n == 0 && !ctx->error_number)
            values[count++] = 0;
        clear_number(number);
    }
    choose_word_base(working_radix);
    return count;
}
