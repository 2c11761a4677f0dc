// User actions through the headless layer's hooks.
#include "platform/headless_hooks.h"
#include "tests/platform/recording_dialog.h"
#include "tests/platform/user_actions.h"
#include "ui/resource.h"

const UINT test_user_turn_message = 0;  // never sent: the modal driver plays the user

void user_type(HWND control, const char* keys)
{
    headless_type(control, keys);
}

void user_paste(HWND control, const char* text)
{
    headless_paste(control, text);
}

void user_choose(HWND dialog, int id, int index)
{
    headless_choose_combo_item(dialog, id, index);
}

void process_pending_messages(HWND) {}

int control_count(HWND dialog)
{
    return headless_control_count(dialog);
}

HWND control_at(HWND dialog, int index)
{
    return headless_control_at(dialog, index);
}

std::string class_name(HWND window)
{
    return headless_class_name(window);
}

LOGFONTA font_of(HWND window)
{
    const LOGFONTA* description = headless_font(window);
    return description ? *description : LOGFONTA{};
}

void start_user_turns(HWND) {}

void run_user_turn(HWND) {}

INT_PTR run_modal(void (*act)(HWND dialog))
{
    headless_set_modal_driver([](HWND dialog, void* context) { reinterpret_cast<void (*)(HWND)>(context)(dialog); },
                              reinterpret_cast<void*>(act));
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
    headless_set_modal_driver(nullptr, nullptr);
    return result;
}
