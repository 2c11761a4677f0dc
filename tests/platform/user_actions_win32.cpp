// User actions through real window messages: WM_CHAR keys, the clipboard, the combo box's keyboard.
#include <cstring>

#include "tests/platform/recording_dialog.h"
#include "tests/platform/user_actions.h"
#include "ui/resource.h"

const UINT test_user_turn_message = WM_APP + 1;

namespace {

void (*modal_act)(HWND) = nullptr;

}  // namespace

void user_type(HWND control, const char* keys)
{
    for (; *keys; ++keys)
        SendMessageA(control, WM_CHAR, (unsigned char)*keys, 1);
}

void user_paste(HWND control, const char* text)
{
    if (!OpenClipboard(control))
        return;
    EmptyClipboard();
    size_t size = strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(memory), text, size);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    SendMessageA(control, WM_PASTE, 0, 0);
}

void user_choose(HWND dialog, int id, int index)
{
    // select the neighbour silently, then step onto the item with an arrow key
    HWND combo = GetDlgItem(dialog, id);
    bool from_above = index > 0;
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)(from_above ? index - 1 : index + 1), 0);
    SendMessageA(combo, WM_KEYDOWN, from_above ? VK_DOWN : VK_UP, 0);
}

void process_pending_messages(HWND dialog)
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (!IsDialogMessageA(dialog, &message))
            DispatchMessageA(&message);
}

int control_count(HWND dialog)
{
    int n = 0;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        ++n;
    return n;
}

HWND control_at(HWND dialog, int index)
{
    HWND c = GetWindow(dialog, GW_CHILD);
    for (; c && index > 0; --index)
        c = GetWindow(c, GW_HWNDNEXT);
    return index == 0 ? c : nullptr;
}

std::string class_name(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

LOGFONTA font_of(HWND window)
{
    LOGFONTA description{};
    HFONT font = (HFONT)SendMessageA(window, WM_GETFONT, 0, 0);
    if (font)
        GetObjectA(font, sizeof description, &description);
    return description;
}

void start_user_turns(HWND dialog)
{
    if (modal_act)
        PostMessageA(dialog, test_user_turn_message, 0, 0);
}

void run_user_turn(HWND dialog)
{
    if (modal_act)
        modal_act(dialog);
}

INT_PTR run_modal(void (*act)(HWND dialog))
{
    modal_act = act;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
    modal_act = nullptr;
    return result;
}
