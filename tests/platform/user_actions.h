#pragma once
// The user's actions and the inspections that need different means on the headless layer and on
// real Windows controls; each routine does the same thing in both builds.
#include <string>

#include "platform/win32.h"

// Types the bytes one key at a time (WM_CHAR each).
void user_type(HWND control, const char* keys);
// Pastes the text over the selection as the clipboard does.
void user_paste(HWND control, const char* text);
// Chooses the combo item with the keyboard (the list closed); needs at least two items.
void user_choose(HWND dialog, int id, int index);

// Lets messages the system posted arrive (real Windows); nothing is posted in the headless layer.
void process_pending_messages(HWND dialog);

// The dialog's controls in creation (template) order, and a window's class name.
int control_count(HWND dialog);
HWND control_at(HWND dialog, int index);
std::string class_name(HWND window);
// The description of the font the window draws with (WM_GETFONT).
LOGFONTA font_of(HWND window);

// Opens the main dialog modally with recording_proc; once it runs, act plays the user. Returns what
// DialogBoxParamA returned.
INT_PTR run_modal(void (*act)(HWND dialog));
// Used by recording_proc: the message that asks for the user's turn (real Windows only), the start
// of the modal turns on WM_INITDIALOG, and the turn itself.
extern const UINT test_user_turn_message;
void start_user_turns(HWND dialog);
void run_user_turn(HWND dialog);
