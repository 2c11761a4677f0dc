#include "engine/alphabets.h"
#include "engine/digit_maps.h"
#include "engine/state.h"
#include "mp/mp.h"
#include "ui/dialog.h"
#include "ui/dialog_tables.h"
#include "ui/field_procedure.h"
#include "ui/font.h"
#include "ui/resource.h"

// The dialog-wide state as it is before the first control is set; the same for every dialog opened.
static void reset_dialog_state()
{
    update_guard = 0;
    source_field = 0;  // the start-up refreshes below only clear the counters
    pow2_mode = 0;
    saved_readonly[0] = 0;
    saved_readonly[1] = 1;
    saved_readonly[2] = 1;
}

void init_dialog(HWND dialog)
{
    // Sized by the engine: room to read the BASE(X) text of the largest data in any radix, and a text
    // buffer as large as basex_text (the radix-2 form of 32767 bytes fits).
    mpsys(LIBRARY_DIGITS, 16);
    current_context()->io_base = 16;
    set_io_buffer_size((int32_t)BASEX_TEXT_SIZE);
    work_number = mpvar(0);
    reset_dialog_state();
    build_base64_digit_map();
    build_default_tables();
    create_alphabet_font(dialog);

    for (const char* item : mode_items) SendDlgItemMessageA(dialog, IDC_MODE, CB_ADDSTRING, 0, (LPARAM)item);
    SendDlgItemMessageA(dialog, IDC_MODE, CB_SETCURSEL, 0, 0);
    SetDlgItemInt(dialog, IDC_BYTE_UNIT, 4, FALSE);
    SetDlgItemInt(dialog, IDC_POW2_BITS, 32, FALSE);  // runs update_byte_unit, which finds 4 right
    apply_mode(dialog);
    CheckRadioButton(dialog, IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_USE_DEFAULT_TABLE);
    SendDlgItemMessageA(dialog, IDC_BASE_NUMBER, EM_LIMITTEXT, 2, 0);

    current_base = 64;
    table_mode = 1;
    // The write runs the radix command, which fills both alphabet edits and clears custom_table_ready.
    SetDlgItemInt(dialog, IDC_BASE_NUMBER, 64, FALSE);
    table_command(dialog, 5);

    source_field = IDC_HEX;
    select_source_field(dialog, 0);
    for (const text_limit& entry : data_field_limits)
        SendDlgItemMessageA(dialog, entry.control, EM_LIMITTEXT, (WPARAM)entry.limit, 0);
    for (int field : data_fields) install_field_procedure(dialog, field);
}

void close_dialog(HWND dialog)
{
    // Closes can follow one another before the modal loop ends (a WM_CLOSE and the IDCANCEL it turns
    // into, or other programs): the first one releases the library.
    if (current_context() != nullptr) {
        release_number(work_number);
        work_number = nullptr;
        release_context();
    }
    // Not DestroyWindow: a modal loop sees a destroyed dialog only on its next posted message, and a
    // close sent by another program posts none. EndDialog wakes the loop, which destroys the dialog.
    EndDialog(dialog, 0);
}
