#pragma once
// The source choice and the two modes of the main dialog: BaseX and Base(2^n).
#include "platform/win32.h"
#include "ui/control_lists.h"
#include "ui/dialog_state.h"

// Makes the data field of the choice the only editable one and the source.
void select_source(HWND dialog, dialog_state& state, source_index source);
// Enters the mode selected in IDC_MODE: BaseX or Base(2^n); other answers do nothing.
void apply_mode(HWND dialog, dialog_state& state);
// True when IDC_MODE selects a mode other than the one in force.
bool mode_change_requested(HWND dialog, const dialog_state& state);
