#include "ui/field_commands.h"

#include "ui/field_text.h"
#include "ui/refresh.h"
#include "ui/resource.h"
#include "ui/status_texts.h"

void reverse_hex(HWND dialog, dialog_state& state)
{
    // Works on the HEX text of the last refresh, not on what the HEX field shows now.
    const std::string_view reversed = state.engine->reverse_hex();
    if (reversed.empty())
        return;
    set_field_text(dialog, IDC_HEX, reversed.data());
    refresh_from_field(dialog, IDC_HEX);
    SetDlgItemTextA(dialog, IDC_STATUS, "HEX String Reversed.");
}

void clear_all(HWND dialog, dialog_state& state)
{
    static const int pairs[3][2] = {
        {IDC_HEX, IDC_HEX_COUNT},
        {IDC_ASCII, IDC_BYTE_COUNT},
        {IDC_BASEX, IDC_BASEX_COUNT},
    };
    for (const auto& pair : pairs) {
        set_field_text(dialog, pair[0], "");
        SetDlgItemInt(dialog, pair[1], 0, FALSE);
    }
    const conversion_result cleared = state.engine->clear();
    SetDlgItemTextA(dialog, IDC_STATUS, status_text(cleared.status));
}
