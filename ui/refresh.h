#pragma once
// The field refresh cycle: brings the HEX, ASCII and BASE(X) fields, the four counters and the status
// line into step from the one field taken as the truth.
#include "platform/win32.h"

// Reads field_id (IDC_HEX, IDC_ASCII or IDC_BASEX), cleans it (writing the cleaned text back when
// something was removed), converts, then writes the status, the counters and the two other fields.
// Any other id only zeroes the counters. Returns at once, changing nothing, while a refresh runs.
void refresh_from_field(HWND dialog, int field_id);
// Makes byte_data from hex_text, then the BASE(X) text.
void hex_to_all(int& byte_count, int& hex_count, int& basex_count);
// Makes hex_text from byte_data, then the BASE(X) text.
void ascii_to_all(int& byte_count, int& hex_count, int& basex_count);
