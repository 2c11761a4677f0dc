#pragma once
// The field refresh cycle: brings the HEX, ASCII and BASE(X) fields, the four counters and the status
// line into step from the one field taken as the truth. The conversion is the engine's
// (engine/engine.h); this is the part that reads and writes the dialog.
#include "platform/win32.h"

// Reads field_id (IDC_HEX, IDC_ASCII or IDC_BASEX), has the dialog's engine convert it, writes the
// cleaned text back when the filter removed something, then writes the status, the counters and the
// two other fields. Any other id empties the engine's buffers and only zeroes the counters. Returns at
// once, changing nothing, while a refresh runs or when the dialog has no engine (closed, or no state).
// The data fields are written with set_field_text.
void refresh_from_field(HWND dialog, int field_id);
