#pragma once
// The BASE(X) leg: between the bytes/HEX text and the BASE(X) text of the shared buffers.
// Radix 2-60 runs through the library on work_number; radix 64 is the engine's Base64 codec.
// A custom alphabet is translated to and from the default one at the edge of the leg.

// Makes basex_text (and basex_count) from byte_data (radix 64) or hex_text (radix 2-60) in the
// alphabet in force; a HEX text of fewer than 2 digits makes no BASE(X) text. io_base is restored.
void bytes_to_basex(int& byte_count, int& hex_count, int& basex_count);
// Makes byte_data and hex_text (and their counts) from the filtered basex_text of basex_count chars.
// Returns false, converting nothing, when the value needs more than MAX_DATA_BYTES bytes or when
// the library, as started, cannot read a text that long (see LIBRARY_DIGITS).
bool basex_to_bytes(int& byte_count, int& hex_count, int& basex_count);
