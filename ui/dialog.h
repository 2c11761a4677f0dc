#pragma once
// The main dialog: its procedure, its commands and the dialog-wide state that the engine does not own.
// Every command takes the dialog window and runs to completion before the procedure returns.
#include <cstdint>

#include "platform/win32.h"

// Read-only states of IDC_HEX, IDC_ASCII, IDC_BASEX saved on entering Base(2^n) mode (1 = read-only);
// restored on the way back to BaseX mode. Start values 0, 1, 1.
extern uint32_t saved_readonly[3];

// Dialog procedure of IDD_MAIN: runs the command of each message and returns 0 for every message.
INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Starts the library, builds the alphabets and the font, and puts every control into its start state:
// BaseX mode, radix 64, default alphabet, IDC_HEX the source; status "CHECKED HEX.".
void init_dialog(HWND dialog);
// Releases work_number and the library instance unless an earlier close did, then ends the dialog with
// EndDialog (result 0): a modal dialog's loop ends and destroys it, a modeless one is only hidden.
void close_dialog(HWND dialog);

// Alphabet and radix commands: 1 default alphabet, 2 custom alphabet, 4 custom text changed,
// 5 radix changed; any other code does nothing.
void table_command(HWND dialog, int code);
// Puts the byte-reversed HEX text of the last refresh into IDC_HEX and refreshes from it;
// does nothing when that text has 2 characters or fewer.
void reverse_hex_command(HWND dialog);
// Empties the three data fields, their counters and hex_text; the bit counter keeps its value.
void clear_all_command(HWND dialog);

// Makes the data field of index 0 (HEX), 1 (ASCII) or 2 (BASE(X)) the only editable one and the source.
void select_source_field(HWND dialog, int index);
// Enters the mode selected in IDC_MODE: item 0 BaseX, item 1 Base(2^n); other answers do nothing.
void apply_mode(HWND dialog);
// True when IDC_MODE selects a mode (item 0 or 1) other than the one in force.
bool mode_change_requested(HWND dialog);
// Puts into IDC_BYTE_UNIT the ByteUnit of the n in IDC_POW2_BITS, unless it shows that value already.
void update_byte_unit(HWND dialog);
// ByteUnit of n bits: 1 up to 8, 2 up to 16, 4 up to 32, above that 4 x ceil(n / 32).
uint32_t byte_unit_for_bits(uint32_t n);
