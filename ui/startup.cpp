#include "ui/startup.h"

#include "ui/alphabet_commands.h"
#include "ui/control_lists.h"
#include "ui/field_procedure.h"
#include "ui/font.h"
#include "ui/modes.h"
#include "ui/resource.h"

void init_dialog(HWND dialog)
{
    // First of all: the controls written below notify the dialog, whose commands need the engine.
    // The state starts with no source field, so the start-up refreshes below only clear the counters.
    dialog_state& state = attach_dialog_state(dialog);
    state.alphabet_font = create_alphabet_font(dialog);

    for (const char* item : mode_items)
        SendDlgItemMessageA(dialog, IDC_MODE, CB_ADDSTRING, 0, (LPARAM)item);
    SendDlgItemMessageA(dialog, IDC_MODE, CB_SETCURSEL, BASEX_MODE_ITEM, 0);
    SetDlgItemInt(dialog, IDC_BYTE_UNIT, 4, FALSE);
    SetDlgItemInt(dialog, IDC_POW2_BITS, 32, FALSE);  // runs update_byte_unit, which finds 4 right
    apply_mode(dialog, state);
    CheckRadioButton(dialog, IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_USE_DEFAULT_TABLE);
    SendDlgItemMessageA(dialog, IDC_BASE_NUMBER, EM_LIMITTEXT, 2, 0);

    // The engine starts in radix 64 with the default alphabet. The write raises the edit's EN_CHANGE
    // at once, which runs radix_changed (and, nested in it, custom_alphabet_changed): both alphabet
    // edits are filled and the custom alphabet is not ready. Then the same command runs once more.
    SetDlgItemInt(dialog, IDC_BASE_NUMBER, 64, FALSE);
    radix_changed(dialog, state);

    select_source(dialog, state, HEX_SOURCE);
    for (const text_limit& entry : data_field_limits)
        SendDlgItemMessageA(dialog, entry.control, EM_LIMITTEXT, (WPARAM)entry.limit, 0);
    for (int field : data_fields)
        install_field_procedure(dialog, field);
}

void close_dialog(HWND dialog, dialog_state& state)
{
    // Closes can follow one another before the modal loop ends (a WM_CLOSE and the IDCANCEL it turns
    // into, or other programs): the first one releases the library.
    state.engine.reset();
    // Not DestroyWindow: a modal loop sees a destroyed dialog only on its next posted message, and a
    // close sent by another program posts none. EndDialog wakes the loop, which destroys the dialog.
    EndDialog(dialog, 0);
}
