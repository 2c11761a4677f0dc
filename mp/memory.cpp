// Memory of the library: zeroed allocations and wiping before release.
#include "mp/memory.h"

#include <cstdlib>
#include <cstring>

#include "mp/report.h"

namespace {

// Through a volatile pointer, so that the wipe before a release is not optimised away.
void* (*const volatile wipe_function)(void*, int, size_t) = std::memset;

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
