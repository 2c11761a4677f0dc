#pragma once
// The main dialog's procedure: it finds the dialog's state (ui/dialog_state.h) and runs the command of
// each message, to completion, before it returns.
#include "platform/win32.h"

// Dialog procedure of IDD_MAIN: runs the command of each message and returns 0 for every message.
INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
