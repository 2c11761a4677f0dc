#pragma once
// Shared buffers and state of the conversion engine: process-wide, zero at start, never freed.
// Sized for 32767 bytes of data: 65534 hex digits, or 262136 binary digits, and a NUL.
#include <cstdint>

#include "mp/mp.h"

constexpr uint32_t HEX_TEXT_SIZE = 65536;
constexpr uint32_t BYTE_DATA_SIZE = 65536;
constexpr uint32_t BASEX_TEXT_SIZE = 262144;
constexpr uint32_t MAX_DATA_BYTES = 32767;
// Radix-16 digits to start the library for: 65536 (32768 bytes) give max_words 8193, one word more
// than the data limit needs. The library parses a text in words of the text's radix with room for
// twice max_words (radix 36, the worst, needs 10141 words for the limit) and then checks the value's
// size in its working packing.
constexpr int32_t LIBRARY_DIGITS = 65536;

extern char hex_text[HEX_TEXT_SIZE];
extern unsigned char byte_data[BYTE_DATA_SIZE];
extern char basex_text[BASEX_TEXT_SIZE];
// Two more than hex_text: the reversal of 65535 digits widens to 65536 digits and a NUL.
extern char reverse_text[HEX_TEXT_SIZE + 2];

extern uint32_t current_base;        // radix of the BASE(X) form: 2-60 or 64
extern uint32_t table_mode;          // 1 default alphabet, 2 custom alphabet
extern uint32_t custom_table_ready;  // CUSTOM_TABLE_READY_MARKER once a complete alphabet is stored
extern uint32_t update_guard;        // UPDATE_GUARD_MARKER while a refresh runs
extern uint32_t source_field;        // control id of the editable data field
extern uint32_t pow2_mode;           // 1 while the Base(2^n) mode is selected

constexpr uint32_t UPDATE_GUARD_MARKER = 0xDEADBEEF;
constexpr uint32_t CUSTOM_TABLE_READY_MARKER = 0xDEADBEE2;

// The one library number that every radix conversion runs through (made at dialog start-up).
extern bignum work_number;
