#pragma once
// Helpers for tests that touch the process-wide alphabet tables.
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/alphabets.h"

// Forgets the custom alphabet of radix, as at process start, so tests do not depend on each other.
inline void forget_custom_table(uint32_t radix)
{
    std::memset(custom_tables[radix - 1], 0, sizeof custom_tables[0]);
    std::memset(custom_reverse[radix - 1], 0, sizeof custom_reverse[0]);
}

// Every radix the BASE(X) form can take.
inline std::vector<uint32_t> all_radixes()
{
    std::vector<uint32_t> r;
    for (uint32_t b = 2; b <= 60; ++b)
        r.push_back(b);
    r.push_back(64);
    return r;
}
