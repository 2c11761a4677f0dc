#pragma once
// The largest data the command converts, and how it follows from the library's capacity.
//
// The radix converter starts the library for at most MAX_CONVERTER_BYTES bytes (the library's largest
// number less its headroom byte). The command stops a word below that: 32765 words, 131,060 bytes. The
// largest conversion takes about 0.1 s natively (bench/bench_cli.cpp).
#include <cstdint>

#include "engine/limits.h"
#include "engine/radix_converter.h"

// The largest data, in bytes, that the command reads or writes.
constexpr uint32_t MAX_CLI_BYTES = 4 * (LIBRARY_DATA_WORDS - 1);
static_assert(MAX_CLI_BYTES <= MAX_CONVERTER_BYTES, "the radix converter must start for the command's limit");
static_assert(MAX_CLI_BYTES >= MAX_DATA_BYTES, "the command must take what the dialog takes");
