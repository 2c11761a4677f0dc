#include "ui/alphabet_commands.h"

#include <cstring>

#include "ui/refresh.h"
#include "ui/resource.h"
#include "ui/status_texts.h"

void use_default_alphabet(HWND dialog, dialog_state& state)
{
    state.engine->choose_alphabet(alphabet_choice::default_alphabet);
    refresh_from_field(dialog, state.source_field);
    SetDlgItemTextA(dialog, IDC_STATUS, "Using default base table.");
}

// The custom alphabet stays chosen even when none is complete: the next refresh uses the table as it is.
void use_custom_alphabet(HWND dialog, dialog_state& state)
{
    state.engine->choose_alphabet(alphabet_choice::custom_alphabet);
    if (state.engine->custom_alphabet_ready()) {
        refresh_from_field(dialog, state.source_field);
        SetDlgItemTextA(dialog, IDC_STATUS, "Using custom base table.");
    } else {
        SetDlgItemTextA(dialog, IDC_STATUS, "Custom base table is not full.");
    }
}

void custom_alphabet_changed(HWND dialog, dialog_state& state)
{
    char text[256];
    std::memset(text, 0, sizeof text);
    UINT n = GetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, text, sizeof text);
    const alphabet_outcome outcome = state.engine->store_custom_alphabet(text, n);
    if (outcome == alphabet_outcome::stored)
        refresh_from_field(dialog, state.source_field);
    SetDlgItemTextA(dialog, IDC_STATUS, status_text(outcome));
}

void radix_changed(HWND dialog, dialog_state& state)
{
    const UINT r = GetDlgItemInt(dialog, IDC_BASE_NUMBER, nullptr, FALSE);
    const radix_outcome outcome = state.engine->change_radix(r);
    if (outcome == radix_outcome::changed)
        refresh_from_field(dialog, state.source_field);
    SetDlgItemTextA(dialog, IDC_STATUS, status_text(outcome));
    if (outcome != radix_outcome::changed)
        return;
    SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, EM_LIMITTEXT, r, 0);
    SetDlgItemTextA(dialog, IDC_DEFAULT_TABLE_TEXT, state.engine->default_alphabet_in_force().chars);
    // The write raises the edit's EN_CHANGE at once, which runs custom_alphabet_changed for the new
    // radix: the stored alphabet is taken again (or refused), so the custom alphabet's readiness and
    // the status speak of radix r.
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, state.engine->custom_alphabet_in_force().chars);
}
