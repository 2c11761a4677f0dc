#pragma once
// The commands on the data fields as a whole: Rev. HEX (and the four reverse buttons of Base(2^n) mode)
// and CLear ALL.
#include "platform/win32.h"
#include "ui/dialog_state.h"

// Puts the byte-reversed HEX text of the last refresh into IDC_HEX and refreshes from it;
// does nothing when that text has 2 characters or fewer.
void reverse_hex(HWND dialog, dialog_state& state);
// Empties the three data fields, their counters and the engine's buffers; the bit counter keeps its value.
void clear_all(HWND dialog, dialog_state& state);
