#pragma once
// The field refresh cycle: brings the HEX, ASCII and BASE(X) fields, the four counters and the status
// line into step from the one field taken as the truth. The conversion steps are the engine's
// (engine/conversion.h); this is the part that reads and writes the dialog.
#include "platform/win32.h"

// Reads field_id (IDC_HEX, IDC_ASCII or IDC_BASEX), cleans it (writing the cleaned text back when
// something was removed), converts, then writes the status, the counters and the two other fields.
// Any other id only zeroes the counters. Returns at once, changing nothing, while a refresh runs.
// The data fields are written with set_field_text.
void refresh_from_field(HWND dialog, int field_id);
