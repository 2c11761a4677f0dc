#pragma once
// The bold 12-pixel Courier New font of the two alphabet edits; created once, never deleted.
#include "platform/win32.h"

extern HFONT alphabet_font;

// Creates alphabet_font and gives it to IDC_CUSTOM_TABLE_TEXT, then IDC_DEFAULT_TABLE_TEXT.
void create_alphabet_font(HWND dialog);
