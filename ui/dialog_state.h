#pragma once
// The state of one main dialog, owned by the dialog: made on WM_INITDIALOG, attached to its window as
// a property, released on WM_DESTROY. The engine inside it is released earlier, when the dialog closes.
#include <memory>

#include "engine/engine.h"
#include "platform/win32.h"

struct dialog_state {
    std::unique_ptr<conversion_engine> engine;  // null once the dialog has closed
    bool refreshing = false;                    // a refresh runs: another one returns at once
    int source_field = 0;                       // the editable data field; 0 before start-up chose one
    bool pow2_mode = false;                     // Base(2^n) mode is selected
    // Read-only states of IDC_HEX, IDC_ASCII, IDC_BASEX saved on entering Base(2^n) mode, restored on
    // the way back to BaseX mode.
    bool saved_readonly[3] = {false, true, true};
    HFONT alphabet_font = nullptr;         // of the two alphabet edits
    std::unique_ptr<char[]> field_buffer;  // a data field's text as a refresh reads it
};

// Makes the state of the dialog with a new engine (which starts the library) and attaches it.
dialog_state& attach_dialog_state(HWND dialog);
// The state attached to the dialog, or null.
dialog_state* dialog_state_of(HWND dialog);
// Detaches the dialog's state and releases it: its engine if still there, and its font.
void release_dialog_state(HWND dialog);
