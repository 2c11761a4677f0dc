// Checks shared by the fuzz targets.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// A failed check names its file and line, so that a crash input explains itself when replayed.
#define require(condition)                                                                                             \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

// Bit length of a big-endian byte string, counted bit by bit.
inline unsigned bit_length(const std::vector<uint8_t>& bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i)
        for (int b = 7; b >= 0; --b)
            if (bytes[i] >> b & 1)
                return unsigned((bytes.size() - 1 - i) * 8 + size_t(b) + 1);
    return 0;
}
