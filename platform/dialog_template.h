// A dialog template as data: what the DIALOGEX block of a resource script says. The headless layer
// builds a dialog from the template registered under the id the caller names
// (platform/dialog_resources.h); it owns no template of its own.
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

#endif
