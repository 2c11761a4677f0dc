// The workspace block and the numbers carved from it: sizes, allocation and the place of each number.
#include "mp/workspace.h"

#include <cstdint>

#include "mp/memory.h"

namespace {

// Slot of a block holding a number of `capacity` digit words, kept a multiple of the record's alignment.
size_t slot_words(int32_t capacity)
{
    const size_t align_words = alignof(bignum_record) / 4;
    const size_t words = static_cast<size_t>(capacity) + NUMBER_HEADER_WORDS;
    return (words + align_words - 1) / align_words * align_words;
}

}  // namespace

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
