#pragma once
// The main dialog: its procedure and its commands. Every command takes the dialog window and its state
// (ui/dialog_state.h) and runs to completion before the procedure returns.
#include <cstdint>

#include "platform/win32.h"
#include "ui/dialog_state.h"
#include "ui/control_lists.h"

// Dialog procedure of IDD_MAIN: runs the command of each message and returns 0 for every message.
INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// Makes the dialog's state (the engine starts the library), builds the font and puts every control
// into its start state: BaseX mode, radix 64, default alphabet, IDC_HEX the source; status "CHECKED HEX.".
void init_dialog(HWND dialog);
// Releases the engine (and with it the library) unless an earlier close did, then ends the dialog with
// EndDialog (result 0): a modal dialog's loop ends and destroys it, a modeless one is only hidden.
void close_dialog(HWND dialog, dialog_state& state);

// "Default Table": the default alphabet is chosen; refreshes from the source.
void use_default_alphabet(HWND dialog, dialog_state& state);
// "Custom Table": the custom alphabet is chosen; refreshes from the source only when a complete one is
// stored for the radix, else reports that it is not.
void use_custom_alphabet(HWND dialog, dialog_state& state);
// The custom alphabet edit changed: its text is stored as the custom alphabet of the radix when it is
// complete (then a refresh from the source), or refused; the status tells which.
void custom_alphabet_changed(HWND dialog, dialog_state& state);
// The radix edit changed: a valid radix is taken (a refresh from the source, then both alphabet edits
// show the radix's alphabets), an invalid one only reported.
void radix_changed(HWND dialog, dialog_state& state);
// Puts the byte-reversed HEX text of the last refresh into IDC_HEX and refreshes from it;
// does nothing when that text has 2 characters or fewer.
void reverse_hex(HWND dialog, dialog_state& state);
// Empties the three data fields, their counters and the engine's buffers; the bit counter keeps its value.
void clear_all(HWND dialog, dialog_state& state);

// Makes the data field of the choice the only editable one and the source.
void select_source(HWND dialog, dialog_state& state, source_index source);
// Enters the mode selected in IDC_MODE: BaseX or Base(2^n); other answers do nothing.
void apply_mode(HWND dialog, dialog_state& state);
// True when IDC_MODE selects a mode other than the one in force.
bool mode_change_requested(HWND dialog, const dialog_state& state);
// Puts into IDC_BYTE_UNIT the ByteUnit of the n in IDC_POW2_BITS, unless it shows that value already.
void update_byte_unit(HWND dialog);
// ByteUnit of n bits: 1 up to 8, 2 up to 16, 4 up to 32, above that 4 x ceil(n / 32).
uint32_t byte_unit_for_bits(uint32_t n);
