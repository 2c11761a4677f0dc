#pragma once
// A main dialog opened through the headless window layer, with helpers that act as the user.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/engine.h"
#include "mp/mp.h"
#include "platform/headless_hooks.h"
#include "ui/dialog_proc.h"
#include "ui/dialog_state.h"
#include "ui/resource.h"

class MainDialog : public ::testing::Test {
protected:
    HWND dialog = nullptr;

    void SetUp() override { open(); }

    // Esc ends the dialog as the program closes it: the library is released and the dialog hidden. A
    // dialog opened modelessly stays a window until its creator destroys it.
    void TearDown() override
    {
        if (!dialog || !IsWindow(dialog))
            return;
        headless_press_escape(dialog);
        EXPECT_EQ(current_context(), nullptr);
        EXPECT_FALSE(IsWindowVisible(dialog));
        DestroyWindow(dialog);
    }

    // Opens a new main dialog and shows it, as the modal dialog call does.
    void open()
    {
        dialog =
            CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, main_dialog_proc, 0);
        ASSERT_NE(dialog, nullptr);
        ShowWindow(dialog, SW_SHOW);
    }

    // The dialog's own state, and its engine while the dialog is open.
    dialog_state& state() const { return *dialog_state_of(dialog); }
    conversion_engine& engine() const { return *state().engine; }

    HWND control(int id) const { return GetDlgItem(dialog, id); }
    std::string text(int id) const { return headless_text(control(id)); }
    std::string status() const { return text(IDC_STATUS); }
    bool read_only(int id) const { return (GetWindowLongA(control(id), GWL_STYLE) & ES_READONLY) != 0; }
    bool visible(int id) const { return IsWindowVisible(control(id)) != 0; }
    bool checked(int id) const { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

    // Typing at the caret, and typing over the whole text ("\b" alone empties the edit).
    void type(int id, const char* keys) { headless_type(control(id), keys); }
    void type_over(int id, const char* keys) { headless_type_over(control(id), keys); }
    // Types at the end of the text, wherever the program's last write left the caret.
    void append(int id, const char* keys)
    {
        WPARAM end = (WPARAM)headless_text_length(control(id));
        SendMessageA(control(id), EM_SETSEL, end, (LPARAM)end);
        type(id, keys);
    }
    // Pastes over the whole text at once (one change notification; ES_NUMBER does not filter).
    void paste_over(int id, const char* text)
    {
        SendMessageA(control(id), EM_SETSEL, 0, -1);
        headless_paste(control(id), text);
    }
    void click(int id) { headless_click(dialog, id); }
    void choose_mode(int item) { headless_choose_combo_item(dialog, IDC_MODE, item); }

    // The radix as a user types it: each key runs the radix command with what the edit holds then.
    void set_radix(const char* digits) { type_over(IDC_BASE_NUMBER, digits); }
    void select_source(int radio) { click(radio); }

    // The four counters in the order HEX, bytes, BASE(X), bits.
    std::string counters() const
    {
        return text(IDC_HEX_COUNT) + " " + text(IDC_BYTE_COUNT) + " " + text(IDC_BASEX_COUNT) + " " +
               text(IDC_BIGNUM_BITS);
    }
};
