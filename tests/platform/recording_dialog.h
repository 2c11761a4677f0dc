#pragma once
// The main dialog opened modelessly with a procedure that records what reaches it. The same source
// runs against the headless layer and, in the Windows build, against the real controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"

// One message that reached the dialog procedure.
struct recorded_message {
    UINT message;      // WM_INITDIALOG, WM_COMMAND, WM_CLOSE or WM_DESTROY
    int id;            // WM_COMMAND: control id
    int code;          // WM_COMMAND: notification code
    int depth;         // 1 for a message not nested inside another recorded one
    std::string text;  // WM_COMMAND from a control: its text at that moment
    LRESULT state;     // BN_CLICKED: the button's check; CBN_*: the combo's selection; else 0
};

// Something the procedure does when a given notification arrives.
struct reaction {
    int id;
    int code;
    void (*act)(HWND dialog);
};

extern std::vector<recorded_message> recorded;
extern std::vector<reaction> reactions;
// When set, WM_CLOSE and IDCANCEL destroy the dialog, as the program does.
extern bool destroy_on_close;

INT_PTR CALLBACK recording_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// The WM_COMMAND records as "id:code" strings, for compact comparisons.
std::vector<std::string> command_trace();

// A fresh recording dialog per test; the record starts empty after WM_INITDIALOG.
class RecordingDialog : public ::testing::Test {
protected:
    HWND dialog = nullptr;

    void SetUp() override;
    void TearDown() override;
    HWND control(int id) const { return GetDlgItem(dialog, id); }
    std::string text(int id) const;
    LONG style(int id) const { return GetWindowLongA(control(id), GWL_STYLE); }
};
