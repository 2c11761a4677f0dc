#include <cstring>

#include "engine/hex_utils.h"
#include "engine/state.h"
#include "ui/dialog.h"
#include "ui/field_text.h"
#include "ui/refresh.h"
#include "ui/resource.h"

void reverse_hex_command(HWND dialog)
{
    // Works on the HEX text of the last refresh, not on what the HEX field shows now.
    size_t n = strnlen(hex_text, sizeof hex_text);
    if (n <= 2) return;
    reverse_hex_bytes(reverse_text, hex_text, (uint32_t)n);
    set_field_text(dialog, IDC_HEX, reverse_text);
    refresh_from_field(dialog, IDC_HEX);
    SetDlgItemTextA(dialog, IDC_STATUS, "HEX String Reversed.");
}

void clear_all_command(HWND dialog)
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
    std::memset(hex_text, 0, sizeof hex_text);
    SetDlgItemTextA(dialog, IDC_STATUS, "Idle.");
}
