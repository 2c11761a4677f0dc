// The library instance: start-up, the text I/O buffer, numbers made for the caller, and shutting down.
#include <cstdint>

#include "mp/fast/cbase.h"
#include "mp/memory.h"
#include "mp/number.h"
#include "mp/report.h"
#include "mp/workspace.h"

namespace {

mp_context* instance = nullptr;

// Words a number needs for `digits` digits of the packing (digits <= 0: -digits bytes); at least 1.
int64_t words_for_digits(const mp_context* ctx, int32_t digits)
{
    int64_t n;
    if (digits > 0) {
        n = (static_cast<int64_t>(digits) - 1) / ctx->digits_per_word + 1;
    } else {
        n = 1 - (8 * static_cast<int64_t>(digits) + 1) / ctx->word_bits;
    }
    return n == 0 ? 1 : n;
}

}  // namespace

mp_context* current_context()
{
    return instance;
}

mp_context* mpsys(int32_t digits, uint32_t radix)
{
    mp_context* ctx = alloc_context_record();
    instance = ctx;
    if (ctx == nullptr)
        return nullptr;
    // The record is zeroed: the calling program is at depth 0 and the trace is not printed.
    trace_scope trace(ROUTINE_MPSYS);
    ctx->errors_return = 0;
    if (radix == 1 || radix > 0x80000000u) {
        report_error(MP_ERROR_ILLEGAL_BASE);
        return ctx;
    }
    choose_word_base(radix);
    if (ctx->word_base == 0) {
        ctx->word_bits = 32;
    } else {
        ctx->word_bits = 0;
        for (uint32_t b = ctx->word_base; b > 1; b /= 2)
            ctx->word_bits++;
    }
    const int64_t max_words = words_for_digits(ctx, digits) + 1;
    ctx->max_words = max_words > INT32_MAX ? INT32_MAX : static_cast<int32_t>(max_words);

    ctx->overflow_check = 1;
    ctx->io_base = 10;
    ctx->error_number = 0;
    ctx->trace_enabled = 0;
    ctx->radix_point_output = 0;
    ctx->input_length = 0;
    ctx->io_buffer_length = 2559;
    ctx->io_buffer = static_cast<char*>(alloc_zeroed(2560, 1));

    if (2 * max_words + 1 > 65535) {
        report_error(MP_ERROR_NUMBERS_TOO_BIG);
        return ctx;
    }
    ctx->workspace_block = alloc_number_block(WORKSPACE_SLOTS, workspace_capacity(ctx->max_words));
    ctx->output_to_stream = 0;
    ctx->input_from_stream = 0;
    ctx->instance_ready = 1;
    // Every scratch number owns the slot after its own, so it holds 2 * max_words + 3 words: cinstr
    // carries a text of up to twice max_words words of its radix through scratch2 and scratch3.
    ctx->scratch0 = carve_scratch(ctx->workspace_block, 0);
    ctx->scratch2 = carve_scratch(ctx->workspace_block, 2);
    ctx->scratch3 = carve_scratch(ctx->workspace_block, 4);
    ctx->scratch6 = carve_scratch(ctx->workspace_block, 6);
    ctx->scratch8 = carve_scratch(ctx->workspace_block, 8);
    ctx->scratch10 = carve_scratch(ctx->workspace_block, 10);
    if (ctx->workspace_block != nullptr)
        fast_cbase_start(ctx->max_words);
    return ctx;
}

void set_io_buffer_size(int32_t length)
{
    mp_context* ctx = instance;
    if (ctx == nullptr) {
        report_error(MP_ERROR_NOT_INITIALISED);  // no instance: there is no buffer to replace
        return;
    }
    if (length < 0)
        return;
    trace_scope trace(ROUTINE_SET_IO_BUFFER_SIZE);
    if (ctx->io_buffer != nullptr)
        wipe_memory(ctx->io_buffer, static_cast<size_t>(ctx->io_buffer_length) + 1);
    release_memory(ctx->io_buffer);
    ctx->io_buffer = nullptr;
    if (length != 0) {
        ctx->io_buffer = static_cast<char*>(alloc_zeroed(static_cast<size_t>(length) + 1, 1));
        // Without a buffer (an error is recorded) no routine may believe it has room.
        ctx->io_buffer_length = ctx->io_buffer != nullptr ? length : 0;
    }
}

bignum mpvar(int32_t initial_value)
{
    mp_context* ctx = instance;
    if (ctx == nullptr) {
        report_error(MP_ERROR_NOT_INITIALISED);
        return nullptr;
    }
    if (ctx->error_number)
        return nullptr;
    trace_scope trace(ROUTINE_MPVAR);
    if (!ctx->instance_ready) {
        report_error(MP_ERROR_NOT_INITIALISED);
        return nullptr;
    }
    char* block = static_cast<char*>(alloc_zeroed(number_bytes(ctx->max_words), 1));
    if (block == nullptr)
        return nullptr;
    bignum x = reinterpret_cast<bignum>(block);
    x->digits = reinterpret_cast<uint32_t*>(block + 4 * NUMBER_HEADER_WORDS);
    if (initial_value != 0)
        set_from_int(initial_value, x);
    return x;
}

void release_number(bignum x)
{
    if (x == nullptr)
        return;
    clear_number(x);
    release_memory(x);
}

void release_context()
{
    mp_context* ctx = instance;
    if (ctx == nullptr)
        return;
    ctx->errors_return = 0;
    ctx->instance_ready = 0;
    free_number_block(ctx->workspace_block, WORKSPACE_SLOTS, workspace_capacity(ctx->max_words));
    ctx->workspace_block = nullptr;
    fast_cbase_stop();
    set_io_buffer_size(0);
    wipe_memory(ctx, sizeof(mp_context));
    release_memory(ctx);
    instance = nullptr;
}
