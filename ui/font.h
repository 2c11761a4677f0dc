#pragma once
// The bold 12-pixel Courier New font of the two alphabet edits.
#include "platform/win32.h"

// Creates the font and gives it to IDC_CUSTOM_TABLE_TEXT, then IDC_DEFAULT_TABLE_TEXT; the caller
// deletes it once the dialog is gone.
HFONT create_alphabet_font(HWND dialog);
