#include "ui/modes.h"

#include "ui/resource.h"

void select_source(HWND dialog, dialog_state& state, source_index source)
{
    const source_choice& choice = source_choices[source];
    for (int field : data_fields)
        SendDlgItemMessageA(dialog, field, EM_SETREADONLY, TRUE, 0);
    CheckRadioButton(dialog, IDC_SRC_HEX, IDC_SRC_BASEX, choice.radio);
    SetDlgItemTextA(dialog, IDC_STATUS, choice.status);
    SendDlgItemMessageA(dialog, choice.field, EM_SETREADONLY, FALSE, 0);
    state.source_field = choice.field;
}

static void show_controls(HWND dialog, const int* ids, int count, int show)
{
    for (int i = 0; i < count; ++i)
        ShowWindow(GetDlgItem(dialog, ids[i]), show);
}

static const int POW2_COUNT = sizeof pow2_controls / sizeof pow2_controls[0];
static const int BASEX_COUNT = sizeof basex_controls / sizeof basex_controls[0];

// All three fields become editable and change independently; their old read-only states are kept.
static void enter_pow2_mode(HWND dialog, dialog_state& state)
{
    SetDlgItemTextA(dialog, IDC_STATUS, "Use Base 2^n");
    for (int i = 0; i < 3; ++i) {
        LONG style = GetWindowLongA(GetDlgItem(dialog, data_fields[i]), GWL_STYLE);
        state.saved_readonly[i] = (style & ES_READONLY) != 0;
    }
    for (int field : data_fields)
        SendDlgItemMessageA(dialog, field, EM_SETREADONLY, FALSE, 0);
    state.pow2_mode = true;
    show_controls(dialog, pow2_controls, POW2_COUNT, SW_SHOW);
    show_controls(dialog, basex_controls, BASEX_COUNT, SW_HIDE);
}

static void enter_basex_mode(HWND dialog, dialog_state& state)
{
    SetDlgItemTextA(dialog, IDC_STATUS, "Use base x (2 - 64)");
    for (int i = 0; i < 3; ++i)
        SendDlgItemMessageA(dialog, data_fields[i], EM_SETREADONLY, state.saved_readonly[i] ? 1 : 0, 0);
    state.pow2_mode = false;
    show_controls(dialog, pow2_controls, POW2_COUNT, SW_HIDE);
    show_controls(dialog, basex_controls, BASEX_COUNT, SW_SHOW);
}

void apply_mode(HWND dialog, dialog_state& state)
{
    LRESULT item = SendDlgItemMessageA(dialog, IDC_MODE, CB_GETCURSEL, 0, 0);
    if (item == POW2_MODE_ITEM)
        enter_pow2_mode(dialog, state);
    if (item == BASEX_MODE_ITEM)
        enter_basex_mode(dialog, state);
}

bool mode_change_requested(HWND dialog, const dialog_state& state)
{
    LRESULT item = SendDlgItemMessageA(dialog, IDC_MODE, CB_GETCURSEL, 0, 0);
    return (item == BASEX_MODE_ITEM && state.pow2_mode) || (item == POW2_MODE_ITEM && !state.pow2_mode);
}
