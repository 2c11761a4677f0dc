#include <cstring>

#include "engine/alphabets.h"
#include "engine/state.h"
#include "ui/dialog.h"
#include "ui/refresh.h"
#include "ui/resource.h"

static bool valid_radix(uint32_t r)
{
    return (r >= 2 && r <= 60) || r == 64;
}

// True when a character occurs twice among the first count characters of text: such an alphabet
// would write different digit values with the same character and read them back as one.
static bool has_repeated_chars(const char* text, uint32_t count)
{
    bool seen[256] = {};
    for (uint32_t i = 0; i < count; ++i) {
        unsigned char c = (unsigned char)text[i];
        if (seen[c]) return true;
        seen[c] = true;
    }
    return false;
}

static void use_default_alphabet(HWND dialog)
{
    table_mode = 1;
    refresh_from_field(dialog, (int)source_field);
    SetDlgItemTextA(dialog, IDC_STATUS, "Using default base table.");
}

// The custom alphabet stays chosen even when none is complete: the next refresh uses the table as it is.
static void use_custom_alphabet(HWND dialog)
{
    table_mode = 2;
    if (custom_table_ready == CUSTOM_TABLE_READY_MARKER) {
        refresh_from_field(dialog, (int)source_field);
        SetDlgItemTextA(dialog, IDC_STATUS, "Using custom base table.");
    } else {
        SetDlgItemTextA(dialog, IDC_STATUS, "Custom base table is not full.");
    }
}

static void custom_alphabet_changed(HWND dialog)
{
    char text[256];
    std::memset(text, 0, sizeof text);
    uint32_t n = (uint32_t)GetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, text, sizeof text);
    if (n < current_base) {
        SetDlgItemTextA(dialog, IDC_STATUS, "Not enough chars for custom base table ...");
        custom_table_ready = 0;
        return;
    }
    if (has_repeated_chars(text, current_base)) {
        SetDlgItemTextA(dialog, IDC_STATUS, "Custom base table has repeated chars ...");
        custom_table_ready = 0;
        return;
    }
    store_custom_table(text, current_base);
    custom_table_ready = CUSTOM_TABLE_READY_MARKER;
    refresh_from_field(dialog, (int)source_field);
    SetDlgItemTextA(dialog, IDC_STATUS, "Custom base table updated ...");
}

static void radix_changed(HWND dialog)
{
    uint32_t r = GetDlgItemInt(dialog, IDC_BASE_NUMBER, nullptr, FALSE);
    if (!valid_radix(r)) {
        SetDlgItemTextA(dialog, IDC_STATUS, "Invalid Base Number, should be [2,60] or 64.");
        return;
    }
    current_base = r;
    refresh_from_field(dialog, (int)source_field);
    SetDlgItemTextA(dialog, IDC_STATUS, "Base Number Changed.");
    SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, EM_LIMITTEXT, r, 0);
    SetDlgItemTextA(dialog, IDC_DEFAULT_TABLE_TEXT, (const char*)default_tables[r - 1]);
    // Runs custom_alphabet_changed for the new radix, so custom_table_ready speaks of radix r.
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, (const char*)custom_tables[r - 1]);
}

void table_command(HWND dialog, int code)
{
    switch (code) {
    case 1: use_default_alphabet(dialog); break;
    case 2: use_custom_alphabet(dialog); break;
    case 4: custom_alphabet_changed(dialog); break;
    case 5: radix_changed(dialog); break;
    default: break;
    }
}
