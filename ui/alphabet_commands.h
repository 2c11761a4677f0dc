#pragma once
// The alphabet and radix commands of the main dialog: Default Table, Custom Table, the custom alphabet
// edit and the radix edit.
#include "platform/win32.h"
#include "ui/dialog_state.h"

// "Default Table": the default alphabet is chosen; refreshes from the source.
void use_default_alphabet(HWND dialog, dialog_state& state);
// "Custom Table": the custom alphabet is chosen; refreshes from the source only when a complete one is
// stored for the radix, else reports that it is not.
void use_custom_alphabet(HWND dialog, dialog_state& state);
// The custom alphabet edit changed: its text is stored as the custom alphabet of the radix when it is
// complete (then a refresh from the source), or refused; the status tells which.
void custom_alphabet_changed(HWND dialog, dialog_state& state);
// The radix edit changed: a valid radix is taken (a refresh from the source, then both alphabet edits
// show the radix's alphabets), an invalid one only reported.
void radix_changed(HWND dialog, dialog_state& state);
