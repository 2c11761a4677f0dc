#pragma once
// The conversion steps of the refresh cycle, on the engine's shared buffers: from the HEX text or
// from the bytes to the two other forms. Counts are read and set by reference.

// Makes byte_data from hex_text, then the BASE(X) text.
void hex_to_all(int& byte_count, int& hex_count, int& basex_count);
// Makes hex_text from byte_data, then the BASE(X) text.
void ascii_to_all(int& byte_count, int& hex_count, int& basex_count);
// Cleans hex_text to hex digits only and returns its new length. The radix filter keeps a leading
// "-", which the HEX form must not: as a sign it would make BASE(X) negative while ASCII stays empty.
int filter_hex_field_text();
