// Memory of the library: zeroed allocations, wiping before release, and the workspace block.
#include <cstdlib>
#include <cstring>

#include "mp/instance.h"
#include "mp/workspace.h"

namespace {

// Through a volatile pointer, so that the wipe before a release is not optimised away.
void* (*const volatile wipe_function)(void*, int, size_t) = std::memset;

// Slot of a block holding a number of `capacity` digit words, kept a multiple of the record's alignment.
size_t slot_words(int32_t capacity)
{
    const size_t align_words = alignof(bignum_record) / 4;
    const size_t words = static_cast<size_t>(capacity) + NUMBER_HEADER_WORDS;
    return (words + align_words - 1) / align_words * align_words;
}

}  // namespace

void* alloc_zeroed(size_t count, size_t size)
{
    const mp_context* ctx = current_context();
    if (ctx == nullptr)
        return std::calloc(count, size);
    if (ctx->error_number)
        return nullptr;
    void* block = std::calloc(count, size);
    if (block == nullptr)
        report_error(MP_ERROR_OUT_OF_SPACE);
    return block;
}

void release_memory(void* block)
{
    if (block != nullptr)
        std::free(block);
}

void wipe_memory(void* block, size_t bytes)
{
    if (block != nullptr && bytes != 0)
        wipe_function(block, 0, bytes);
}

mp_context* alloc_context_record()
{
    return static_cast<mp_context*>(std::calloc(1, sizeof(mp_context)));
}

int32_t workspace_capacity(int32_t max_words)
{
    return 2 * max_words + 1;
}

size_t number_bytes(int32_t capacity)
{
    return 4 * (static_cast<size_t>(capacity) + NUMBER_HEADER_WORDS);
}

size_t number_block_bytes(int32_t n, int32_t capacity)
{
    return 4 * static_cast<size_t>(n) * slot_words(capacity) + alignof(bignum_record);
}

char* alloc_number_block(int32_t n, int32_t capacity)
{
    return static_cast<char*>(alloc_zeroed(number_block_bytes(n, capacity), 1));
}

void free_number_block(char* block, int32_t n, int32_t capacity)
{
    if (block == nullptr)
        return;
    wipe_memory(block, number_block_bytes(n, capacity));
    release_memory(block);
}

bignum carve_number(char* block, int32_t k, int32_t m)
{
    const uintptr_t align = alignof(bignum_record);
    const uintptr_t start = (reinterpret_cast<uintptr_t>(block) + align - 1) / align * align;
    char* slot = reinterpret_cast<char*>(start) + 4 * static_cast<size_t>(k) * slot_words(m + 1);
    bignum x = reinterpret_cast<bignum>(slot);
    x->digits = reinterpret_cast<uint32_t*>(slot + 4 * NUMBER_HEADER_WORDS);
    return x;
}

bignum carve_scratch(char* block, int32_t k)
{
    const mp_context* ctx = current_context();
    if (ctx->error_number)
        return nullptr;
    return carve_number(block, k, ctx->max_words - 1);
}
