// Drop-down list combo boxes: items, selection, and the user's choice.
#include <cstring>

#include "platform/window.h"

LRESULT combo_message(HWND combo, UINT message, WPARAM wparam, LPARAM lparam)
{
    int count = (int)combo->items.size();
    int index = (int)wparam;
    switch (message) {
    case CB_ADDSTRING: combo->items.push_back(lparam ? reinterpret_cast<const char*>(lparam) : ""); return count;
    case CB_GETCOUNT: return count;
    case CB_SETCURSEL:
        // -1 clears the selection; any other index out of range leaves it as it was
        if (index >= 0 && index < count) {
            combo->selection = index;
            return index;
        }
        if (index == -1)
            combo->selection = -1;
        return CB_ERR;
    case CB_GETCURSEL: return combo->selection;
    case CB_GETLBTEXT:
        if (index < 0 || index >= count)
            return CB_ERR;
        if (lparam)
            strcpy(reinterpret_cast<char*>(lparam), combo->items[(size_t)index].c_str());
        return (LRESULT)combo->items[(size_t)index].size();
    case CB_GETLBTEXTLEN:
        if (index < 0 || index >= count)
            return CB_ERR;
        return (LRESULT)combo->items[(size_t)index].size();
    case WM_GETTEXT:
        return copy_text_out(combo->selection >= 0 ? combo->items[(size_t)combo->selection] : "", wparam, lparam);
    case WM_GETTEXTLENGTH: return combo->selection >= 0 ? (LRESULT)combo->items[(size_t)combo->selection].size() : 0;
    default: return 0;
    }
}

void headless_choose_combo_item(HWND dialog, int id, int index)
{
    HWND combo = GetDlgItem(dialog, id);
    if (!combo || combo->kind != KIND_COMBO || index < 0 || index >= (int)combo->items.size())
        return;
    combo->selection = index;
    window_notify(combo, CBN_SELENDOK);
    window_notify(combo, CBN_SELCHANGE);
}
