#pragma once
// The largest data the command converts, and how it follows from the library's capacity.
//
// The library keeps a number's word count in the 16 bits of its length word, and cinstr carries a text
// through scratch numbers of 2 * max_words + 1 words, so mpsys refuses more than 32767 words a number
// (32766 of them data, one spare it adds itself). A text of d significant digits of radix r can hold a
// value up to log2(r) < 6 bits longer than the bytes the limit allows before the conversion tells, so
// the library is started for the data plus one word of headroom: 32765 words, 131,060 bytes. The largest
// conversion takes about 0.1 s natively (bench/bench_cli.cpp).
#include <cstdint>

#include "engine/state.h"

// Words of data a number of the library can have (32767 words less the spare one mpsys adds).
constexpr uint32_t LIBRARY_DATA_WORDS = 32766;
// Bytes of headroom the library is started with above the data it must hold.
constexpr uint32_t LIBRARY_HEADROOM_BYTES = 4;
// The largest data, in bytes, that the command reads or writes.
constexpr uint32_t MAX_CLI_BYTES = 4 * LIBRARY_DATA_WORDS - LIBRARY_HEADROOM_BYTES;
static_assert(MAX_CLI_BYTES >= MAX_DATA_BYTES, "the command must take what the dialog takes");
