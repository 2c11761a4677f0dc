#pragma once
// Helpers for tests of the per-radix alphabets.
#include <cstdint>
#include <vector>

// Every radix the BASE(X) form can take.
inline std::vector<uint32_t> all_radixes()
{
    std::vector<uint32_t> r;
    for (uint32_t b = 2; b <= 60; ++b)
        r.push_back(b);
    r.push_back(64);
    return r;
}
