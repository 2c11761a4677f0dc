#pragma once
// Starts the real Morvane.exe and drives its dialog from this process with window messages, as a
// user's keyboard and mouse would: text through EM_SETSEL + EM_REPLACESEL, buttons through BM_CLICK,
// the mode through the combo box's selection and its confirmation.
#include <windows.h>

#include <string>

struct morvane_process {
    PROCESS_INFORMATION info;
    HWND dialog;
};

// Starts the program (path from the build) with the arguments given and waits for its dialog;
// dialog is null on failure.
morvane_process start_morvane(const char* arguments = "");
// The same for the program at `path` (a Windows path, or a Unix path taken as drive Z:).
morvane_process start_morvane_at(const std::string& path, const char* arguments = "");
// Waits up to timeout_ms for the process to end; returns its exit code, or -1 while it still runs.
long wait_for_exit(morvane_process& process, DWORD timeout_ms);
// Ends a process that is still running and releases its handles.
void finish(morvane_process& process);

// Whole text of a control of the dialog.
std::string control_text(HWND dialog, int id);
// Types text at the end of the control's text (one change notification per call).
void type_text(HWND dialog, int id, const char* text);
// Replaces the control's whole text as a paste over a full selection does.
void replace_text(HWND dialog, int id, const char* text);
void click_button(HWND dialog, int id);
// Selects the item of the mode combo box and confirms it as the keyboard does.
void choose_mode(HWND dialog, int item);
bool is_read_only(HWND dialog, int id);
bool is_visible(HWND dialog, int id);
// Number of child windows of the dialog.
int child_count(HWND dialog);
