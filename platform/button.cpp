// Push buttons and radio buttons: check state, clicks, radio groups.
#include "platform/window.h"

namespace {

DWORD button_type(HWND button)
{
    return button->style & BS_TYPEMASK;
}

bool is_radio(HWND button)
{
    return button_type(button) == BS_RADIOBUTTON || button_type(button) == BS_AUTORADIOBUTTON;
}

// Clears the other auto radio buttons of the clicked one's group: the controls from the nearest
// WS_GROUP at or before it up to the next WS_GROUP, in template order; hidden or disabled ones are
// passed over, as the dialog manager's group walk does.
void clear_group_partners(HWND button)
{
    const std::vector<HWND>& siblings = button->parent->children;
    size_t self = 0;
    while (siblings[self] != button)
        ++self;
    size_t first = self;
    while (first > 0 && !(siblings[first]->style & WS_GROUP))
        --first;
    for (size_t i = first; i < siblings.size(); ++i) {
        HWND other = siblings[i];
        if (i > first && (other->style & WS_GROUP))
            break;
        if (other == button || other->kind != KIND_BUTTON || button_type(other) != BS_AUTORADIOBUTTON)
            continue;
        if ((other->style & (WS_VISIBLE | WS_DISABLED)) != WS_VISIBLE)
            continue;
        SendMessageA(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

}  // namespace

LRESULT button_message(HWND button, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case BM_GETCHECK: return button->check;
    case BM_SETCHECK:
        // push buttons have no check state; a checked radio button becomes a tab stop
        if (button_type(button) == BS_PUSHBUTTON || button_type(button) == BS_DEFPUSHBUTTON)
            return 0;
        button->check = wparam > 2 ? 2 : (int)wparam;
        if (is_radio(button)) {
            if (button->check)
                button->style |= WS_TABSTOP;
            else
                button->style &= ~(DWORD)WS_TABSTOP;
        }
        return 0;
    case BM_CLICK:
        if (button_type(button) == BS_AUTORADIOBUTTON) {
            SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
            if (button->parent)
                clear_group_partners(button);
        }
        window_notify(button, BN_CLICKED);
        return 0;
    default: return plain_text_message(button, message, wparam, lparam);
    }
}

BOOL CheckRadioButton(HWND dialog, int first, int last, int check)
{
    if (!window_is_live(dialog))
        return FALSE;
    for (HWND control : dialog->children)
        if (control->id >= first && control->id <= last)
            SendMessageA(control, BM_SETCHECK, control->id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    return (UINT)SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0);
}

void headless_click(HWND dialog, int id)
{
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}
