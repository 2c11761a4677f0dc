// Memory of the library: zeroed allocations and wiping before release.
#pragma once

#include <cstddef>

#include "mp/mp.h"

// Zeroed allocation of count x size bytes; null while an error is recorded, error 8 when memory runs out.
void* alloc_zeroed(size_t count, size_t size);
// Frees a non-null block.
void release_memory(void* block);
// Overwrites bytes with zeros in a way the compiler keeps before a release.
void wipe_memory(void* block, size_t bytes);
// The zeroed instance record, by plain allocation (no error report); null on failure.
mp_context* alloc_context_record();
