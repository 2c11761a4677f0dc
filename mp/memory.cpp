// Memory of the library: zeroed allocations and wiping before release.
#include "mp/memory.h"

#include <cstdint>
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
    // A page at a time, and only pages that hold a nonzero byte: the pages of a zeroed block that were
    // never written are then read, not written (on Linux, reading maps the shared zero page, where a
    // write would take and clear a page of its own).
    constexpr uintptr_t PAGE = 4096;
    static const unsigned char zeros[PAGE] = {};
    unsigned char* at = static_cast<unsigned char*>(block);
    while (at != nullptr && bytes != 0) {
        const size_t to_boundary = PAGE - reinterpret_cast<uintptr_t>(at) % PAGE;
        const size_t n = bytes < to_boundary ? bytes : to_boundary;
        if (std::memcmp(at, zeros, n) != 0)
            wipe_function(at, 0, n);
        at += n;
        bytes -= n;
    }
}

mp_context* alloc_context_record()
{
    return static_cast<mp_context*>(std::calloc(1, sizeof(mp_context)));
}
