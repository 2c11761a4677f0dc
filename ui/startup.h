#pragma once
// Start-up and close of the main dialog.
#include "platform/win32.h"
#include "ui/dialog_state.h"

// Makes the dialog's state (the engine starts the library), builds the font and puts every control
// into its start state: BaseX mode, radix 64, default alphabet, IDC_HEX the source; status "CHECKED HEX.".
void init_dialog(HWND dialog);
// Releases the engine (and with it the library) unless an earlier close did, then ends the dialog with
// EndDialog (result 0): a modal dialog's loop ends and destroys it, a modeless one is only hidden.
void close_dialog(HWND dialog, dialog_state& state);
