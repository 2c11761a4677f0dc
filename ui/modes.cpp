#include "engine/state.h"
#include "ui/dialog.h"
#include "ui/dialog_tables.h"
#include "ui/resource.h"

uint32_t saved_readonly[3] = {0, 1, 1};

void select_source_field(HWND dialog, int index)
{
    const source_choice& choice = source_choices[index];
    for (int field : data_fields) SendDlgItemMessageA(dialog, field, EM_SETREADONLY, TRUE, 0);
    CheckRadioButton(dialog, IDC_SRC_HEX, IDC_SRC_BASEX, choice.radio);
    SetDlgItemTextA(dialog, IDC_STATUS, choice.status);
    SendDlgItemMessageA(dialog, choice.field, EM_SETREADONLY, FALSE, 0);
    source_field = (uint32_t)choice.field;
}

static void show_controls(HWND dialog, const int* ids, int count, int show)
{
    for (int i = 0; i < count; ++i) ShowWindow(GetDlgItem(dialog, ids[i]), show);
}

static const int POW2_COUNT = sizeof pow2_controls / sizeof pow2_controls[0];
static const int BASEX_COUNT = sizeof basex_controls / sizeof basex_controls[0];

// All three fields become editable and change independently; their old read-only states are kept.
static void enter_pow2_mode(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_STATUS, "Use Base 2^n");
    for (int i = 0; i < 3; ++i) {
        LONG style = GetWindowLongA(GetDlgItem(dialog, data_fields[i]), GWL_STYLE);
        saved_readonly[i] = (style & ES_READONLY) ? 1 : 0;
    }
    for (int field : data_fields) SendDlgItemMessageA(dialog, field, EM_SETREADONLY, FALSE, 0);
    pow2_mode = 1;
    show_controls(dialog, pow2_controls, POW2_COUNT, SW_SHOW);
    show_controls(dialog, basex_controls, BASEX_COUNT, SW_HIDE);
}

static void enter_basex_mode(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_STATUS, "Use base x (2 - 64)");
    for (int i = 0; i < 3; ++i)
        SendDlgItemMessageA(dialog, data_fields[i], EM_SETREADONLY, saved_readonly[i], 0);
    pow2_mode = 0;
    show_controls(dialog, pow2_controls, POW2_COUNT, SW_HIDE);
    show_controls(dialog, basex_controls, BASEX_COUNT, SW_SHOW);
}

void apply_mode(HWND dialog)
{
    LRESULT item = SendDlgItemMessageA(dialog, IDC_MODE, CB_GETCURSEL, 0, 0);
    if (item == 1) enter_pow2_mode(dialog);
    if (item == 0) enter_basex_mode(dialog);
}

bool mode_change_requested(HWND dialog)
{
    LRESULT item = SendDlgItemMessageA(dialog, IDC_MODE, CB_GETCURSEL, 0, 0);
    return (item == 0 || item == 1) && (uint32_t)item != pow2_mode;
}
