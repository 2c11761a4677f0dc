// The headless layer's window record and the routines its parts share. Internal to platform/.
#ifndef MORVANE_PLATFORM_WINDOW_H
#define MORVANE_PLATFORM_WINDOW_H

#include <map>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/headless_hooks.h"

enum window_kind { KIND_DIALOG, KIND_EDIT, KIND_STATIC, KIND_BUTTON, KIND_COMBO };

// One window: the dialog or one of its controls. Handles are pointers to these records.
struct HWND__ {
    window_kind kind;
    bool alive;
    int id;
    DWORD style;
    DWORD ex_style;
    const char* class_name;
    WNDPROC procedure;                                      // GWLP_WNDPROC: the class procedure unless replaced
    std::map<std::string, HANDLE, std::less<>> properties;  // SetPropA; found by name without a copy
    std::string text;                                       // the text up to (not including) its NUL
    HWND parent;                                            // the dialog, for controls
    std::vector<HWND> children;                             // controls in template order, for the dialog
    DLGPROC proc;                                           // for the dialog
    bool ended;                      // dialog: EndDialog was called; a modal loop ends with result
    INT_PTR result;                  // dialog: EndDialog's result
    HFONT font;                      // WM_SETFONT's font, null: the template's font
    HFONT template_font;             // the font of the template the dialog was made from
    size_t limit;                    // edit: most characters typing or EM_REPLACESEL may leave
    size_t anchor, caret;            // edit: selection ends, as EM_SETSEL gave them
    bool modified;                   // edit: EM_GETMODIFY; set by changes, cleared by WM_SETTEXT
    bool can_undo;                   // edit: EM_CANUNDO; an undoable change since the last clear
    int check;                       // button: BST_*
    std::vector<std::string> items;  // combo box items
    int selection;                   // combo box: selected item, -1 none
};

// True when the handle names a live window of this layer.
bool window_is_live(HWND window);
// Makes a window record owned by the layer (freed after it is destroyed, once no message is running).
HWND window_new(window_kind kind);
// Marks the window and its children destroyed and frees them when safe.
void window_release(HWND window);
// Calls the dialog procedure (logging WM_COMMAND); nothing once the dialog is destroyed.
INT_PTR window_call_dialog(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// Sends WM_COMMAND (id, code) from the control to its dialog, through the dialog's window procedure.
void window_notify(HWND control, int code);
// Clears the notification log.
void window_forget_notifications();

// The layer's window procedure of every class: GWLP_WNDPROC until a program replaces it.
LRESULT class_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Message handlers of each control class; each returns the message's result.
LRESULT edit_message(HWND edit, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT button_message(HWND button, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT combo_message(HWND combo, UINT message, WPARAM wparam, LPARAM lparam);
// WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH for windows whose text is plain (no notification).
LRESULT plain_text_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// WM_GETTEXT on a text: at most limit - 1 characters and a NUL; returns the count (0 when limit is 0).
LRESULT copy_text_out(const std::string& text, WPARAM limit, LPARAM buffer);
// A registered template and the font of the dialogs made from it.
struct dialog_resource {
    const dialog_template* dialog;
    HFONT font;
};
// The template registered under the id, its font made on first use; null when there is none.
const dialog_resource* find_dialog_resource(int id);
// A font as the template describes it, at 96 dots per inch.
HFONT template_font(const dialog_template& t);

#endif
