#pragma once
// Fixed lists of the main dialog's controls: the source choices, the controls of each mode and the text
// limits.
#include "platform/win32.h"

// The source choices in the order of source_choices.
enum source_index { HEX_SOURCE, ASCII_SOURCE, BASEX_SOURCE };

struct source_choice {
    int field;           // data field that becomes the source
    int radio;           // its radio button
    const char* status;  // status-line text of the choice
};
extern const source_choice source_choices[3];

// The three data fields in the order that the read-only states are saved and restored.
extern const int data_fields[3];

// Controls shown only in Base(2^n) mode, and those shown only in BaseX mode, in switching order.
extern const int pow2_controls[8];
extern const int basex_controls[9];

// Items of IDC_MODE, in order.
enum mode_item { BASEX_MODE_ITEM, POW2_MODE_ITEM };
extern const char* const mode_items[2];

struct text_limit {
    int control;
    int limit;  // characters the user may type
};
// Fixed typing limits of the data fields (the radix edit and the custom alphabet are set separately).
extern const text_limit data_field_limits[3];
