// Storage of numbers: the layout behind a handle and the block the scratch numbers are carved from.
// All sizing of numbers and of the workspace lives here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "mp/mp.h"

// Words in front of a number's digit words: the record itself and one spare word.
constexpr int32_t NUMBER_HEADER_WORDS = static_cast<int32_t>(sizeof(bignum_record) / 4 + 1);
// Slots of the workspace block.
constexpr int32_t WORKSPACE_SLOTS = 27;

// Capacity in words that sizes the workspace slots: room for double-length numbers.
int32_t workspace_capacity(int32_t max_words);
// Bytes of a number made by mpvar with room for `capacity` digit words.
size_t number_bytes(int32_t capacity);
// Bytes of a block of n slots of `capacity` digit words each (with slack for aligning the first slot).
size_t number_block_bytes(int32_t n, int32_t capacity);
// A zeroed block for n numbers of `capacity` words; null on failure (error 8).
char* alloc_number_block(int32_t n, int32_t capacity);
// Wipes and frees a block made by alloc_number_block with the same n and capacity; null is ignored.
void free_number_block(char* block, int32_t n, int32_t capacity);
// Number k of a block whose slots hold m + 1 digit words; the length word is left as it is.
bignum carve_number(char* block, int32_t k, int32_t m);
// carve_number with slots of max_words digit words; null while an error is recorded.
bignum carve_scratch(char* block, int32_t k);
