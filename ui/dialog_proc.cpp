#include "ui/dialog_proc.h"

#include "ui/alphabet_commands.h"
#include "ui/byte_unit.h"
#include "ui/control_lists.h"
#include "ui/dialog_state.h"
#include "ui/field_commands.h"
#include "ui/modes.h"
#include "ui/refresh.h"
#include "ui/resource.h"
#include "ui/startup.h"

// Button clicks: the five reverse buttons share one command.
static void on_clicked(HWND dialog, dialog_state& state, int id)
{
    switch (id) {
    case IDC_REV_HEX:
    case IDC_REV:
    case IDC_H2BIN:
    case IDC_BIN2H:
    case IDC_C2BIN: reverse_hex(dialog, state); break;
    case IDC_CLEAR_ALL: clear_all(dialog, state); break;
    case IDC_USE_DEFAULT_TABLE: use_default_alphabet(dialog, state); break;
    case IDC_USE_CUSTOM_TABLE: use_custom_alphabet(dialog, state); break;
    case IDC_SRC_HEX: select_source(dialog, state, HEX_SOURCE); break;
    case IDC_SRC_ASCII: select_source(dialog, state, ASCII_SOURCE); break;
    case IDC_SRC_BASEX: select_source(dialog, state, BASEX_SOURCE); break;
    default: break;
    }
}

// Edit changes: a data field refreshes the others only when it is the source in BaseX mode.
static void on_changed(HWND dialog, dialog_state& state, int id)
{
    switch (id) {
    case IDC_HEX:
    case IDC_ASCII:
    case IDC_BASEX:
        if (!state.pow2_mode && state.source_field == id)
            refresh_from_field(dialog, id);
        break;
    case IDC_BASE_NUMBER: radix_changed(dialog, state); break;
    case IDC_CUSTOM_TABLE_TEXT: custom_alphabet_changed(dialog, state); break;
    case IDC_POW2_BITS: update_byte_unit(dialog); break;
    default: break;
    }
}

static void on_command(HWND dialog, int id, int code)
{
    dialog_state* state = dialog_state_of(dialog);
    if (!state)
        return;
    if (id == IDCANCEL) {
        close_dialog(dialog, *state);
        return;
    }
    // Ended but not yet destroyed: other programs may still send commands to the dialog and its
    // controls, and the engine they run was released by the close.
    if (!state->engine)
        return;
    switch (code) {
    case BN_CLICKED: on_clicked(dialog, *state, id); break;
    case CBN_SELENDOK:
        // Confirming the mode already in force must not save or restore the read-only states again.
        if (id == IDC_MODE && mode_change_requested(dialog, *state))
            apply_mode(dialog, *state);
        break;
    case EN_CHANGE: on_changed(dialog, *state, id); break;
    default: break;
    }
}

INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: init_dialog(dialog); break;
    case WM_CLOSE:
        if (dialog_state* state = dialog_state_of(dialog))
            close_dialog(dialog, *state);
        break;
    case WM_COMMAND: on_command(dialog, LOWORD(wparam), HIWORD(wparam)); break;
    case WM_DESTROY: release_dialog_state(dialog); break;
    default: break;
    }
    return 0;
}
