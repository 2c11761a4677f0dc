#include "engine/state.h"
#include "ui/dialog.h"
#include "ui/refresh.h"
#include "ui/resource.h"

// Button clicks: the five reverse buttons share one command.
static void on_clicked(HWND dialog, int id)
{
    switch (id) {
    case IDC_REV_HEX:
    case IDC_REV:
    case IDC_H2BIN:
    case IDC_BIN2H:
    case IDC_C2BIN: reverse_hex_command(dialog); break;
    case IDC_CLEAR_ALL: clear_all_command(dialog); break;
    case IDC_USE_DEFAULT_TABLE: table_command(dialog, 1); break;
    case IDC_USE_CUSTOM_TABLE: table_command(dialog, 2); break;
    case IDC_SRC_HEX: select_source_field(dialog, 0); break;
    case IDC_SRC_ASCII: select_source_field(dialog, 1); break;
    case IDC_SRC_BASEX: select_source_field(dialog, 2); break;
    default: break;
    }
}

// Edit changes: a data field refreshes the others only when it is the source in BaseX mode.
static void on_changed(HWND dialog, int id)
{
    switch (id) {
    case IDC_HEX:
    case IDC_ASCII:
    case IDC_BASEX:
        if (pow2_mode == 0 && source_field == (uint32_t)id) refresh_from_field(dialog, id);
        break;
    case IDC_BASE_NUMBER: table_command(dialog, 5); break;
    case IDC_CUSTOM_TABLE_TEXT: table_command(dialog, 4); break;
    case IDC_POW2_BITS: update_byte_unit(dialog); break;
    default: break;
    }
}

static void on_command(HWND dialog, int id, int code)
{
    if (id == IDCANCEL) {
        close_dialog(dialog);
        return;
    }
    // Ended but not yet destroyed: other programs may still send commands to the dialog and its
    // controls, and the engine they run needs the library that the close released.
    if (current_context() == nullptr) return;
    switch (code) {
    case BN_CLICKED: on_clicked(dialog, id); break;
    case CBN_SELENDOK:
        // Confirming the mode already in force must not save or restore the read-only states again.
        if (id == IDC_MODE && mode_change_requested(dialog)) apply_mode(dialog);
        break;
    case EN_CHANGE: on_changed(dialog, id); break;
    default: break;
    }
}

INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG: init_dialog(dialog); break;
    case WM_CLOSE: close_dialog(dialog); break;
    case WM_COMMAND: on_command(dialog, LOWORD(wparam), HIWORD(wparam)); break;
    default: break;
    }
    return 0;
}
