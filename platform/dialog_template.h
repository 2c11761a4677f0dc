// The main dialog's template as data: generated at build time from the DIALOGEX block of
// ui/morvane.rc (platform/gen/dialog_table.cmake), so the resource script stays the one source.
// The headless layer builds its dialog from it; the tests compare real controls against it.
#ifndef MORVANE_PLATFORM_DIALOG_TEMPLATE_H
#define MORVANE_PLATFORM_DIALOG_TEMPLATE_H

#include "platform/win32.h"

// One CONTROL statement: style already holds WS_CHILD | WS_VISIBLE, as the resource compiler adds them.
struct control_template {
    int id;
    const char* class_name;  // as written: "Edit", "Static", "Button", "ComboBox"
    const char* text;        // empty when the text is a resource id (icon)
    int icon_id;             // the resource id given as text, else 0
    DWORD style;
    DWORD ex_style;
    int x, y, cx, cy;  // dialog units
};

struct dialog_template {
    int id;
    DWORD style;
    DWORD ex_style;
    int x, y, cx, cy;
    const char* caption;
    const char* font_face;
    int font_points;
    int font_weight;
    int font_italic;
    int font_charset;
    int control_count;
    const control_template* controls;  // in template order (tab and radio-group order)
};

// The template IDD_MAIN.
extern const dialog_template main_dialog_template;

#endif
