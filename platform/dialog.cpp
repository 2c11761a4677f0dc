// Dialog creation from the template, destruction, the modal loop and its end, and the user's ways to close.
#include <strings.h>

#include "platform/window.h"

struct HINSTANCE__ {
    int unused;
};

namespace {

HINSTANCE__ this_module;
headless_modal_driver modal_driver = nullptr;
void* modal_context = nullptr;

bool class_kind(const char* name, window_kind* kind)
{
    static const struct {
        const char* name;
        window_kind kind;
    } classes[] = {{"Edit", KIND_EDIT}, {"Static", KIND_STATIC}, {"Button", KIND_BUTTON}, {"ComboBox", KIND_COMBO}};
    for (const auto& c : classes)
        if (strcasecmp(name, c.name) == 0) {
            *kind = c.kind;
            return true;
        }
    return false;
}

HWND make_control(HWND dialog, const control_template& t)
{
    window_kind kind;
    if (!class_kind(t.class_name, &kind))
        return nullptr;
    HWND control = window_new(kind);
    control->id = t.id;
    control->style = t.style;
    // controls of a dialog never notify their parent of their own creation; a sunken static
    // draws its edge through the extended style
    control->ex_style = t.ex_style | WS_EX_NOPARENTNOTIFY;
    if (kind == KIND_STATIC && (t.style & SS_SUNKEN))
        control->ex_style |= WS_EX_STATICEDGE;
    control->class_name = t.class_name;
    control->text = t.text;
    control->parent = dialog;
    control->template_font = dialog->template_font;
    return control;
}

// Builds the dialog of the template registered under the id and its controls, then sends
// WM_INITDIALOG. Null for an unknown template; the dialog may come back already destroyed by its
// procedure.
HWND build_dialog(LPCSTR template_name, DLGPROC proc, LPARAM init_param)
{
    const dialog_resource* resource =
        IS_INTRESOURCE(template_name) ? find_dialog_resource(LOWORD(template_name)) : nullptr;
    if (!resource)
        return nullptr;
    const dialog_template& t = *resource->dialog;
    HWND dialog = window_new(KIND_DIALOG);
    dialog->template_font = resource->font;
    // what the dialog manager adds to every dialog it makes, and to a modal frame
    dialog->style = t.style | WS_CLIPSIBLINGS | DS_3DLOOK;
    dialog->ex_style = t.ex_style | WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;
    if (t.style & DS_MODALFRAME)
        dialog->ex_style |= WS_EX_DLGMODALFRAME;
    dialog->class_name = "#32770";
    dialog->text = t.caption;
    dialog->proc = proc;
    for (int i = 0; i < t.control_count; ++i) {
        HWND control = make_control(dialog, t.controls[i]);
        if (!control) {
            window_release(dialog);
            return nullptr;
        }
        dialog->children.push_back(control);
    }
    window_forget_notifications();
    HWND focus = nullptr;
    for (HWND control : dialog->children)
        if (!focus && (control->style & WS_TABSTOP))
            focus = control;
    window_call_dialog(dialog, WM_INITDIALOG, (WPARAM)focus, init_param);
    return dialog;
}

}  // namespace

HWND CreateDialogParamA(HINSTANCE, LPCSTR template_name, HWND, DLGPROC proc, LPARAM init_param)
{
    HWND dialog = build_dialog(template_name, proc, init_param);
    return window_is_live(dialog) ? dialog : nullptr;
}

INT_PTR DialogBoxParamA(HINSTANCE, LPCSTR template_name, HWND, DLGPROC proc, LPARAM init_param)
{
    HWND dialog = build_dialog(template_name, proc, init_param);
    if (!dialog)
        return -1;
    // a dialog ended by its WM_INITDIALOG is never shown and has no loop
    if (window_is_live(dialog) && !dialog->ended) {
        dialog->style |= WS_VISIBLE;
        if (modal_driver)
            modal_driver(dialog, modal_context);
    }
    if (!window_is_live(dialog))
        return 0;
    INT_PTR result = dialog->ended ? dialog->result : -1;
    DestroyWindow(dialog);
    return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    if (!window_is_live(dialog) || dialog->kind != KIND_DIALOG)
        return FALSE;
    dialog->ended = true;
    dialog->result = result;
    dialog->style &= ~(DWORD)WS_VISIBLE;
    return TRUE;
}

BOOL DestroyWindow(HWND window)
{
    if (!window_is_live(window))
        return FALSE;
    if (window->kind == KIND_DIALOG)
        window_call_dialog(window, WM_DESTROY, 0, 0);
    if (!window_is_live(window))
        return TRUE;  // destroyed again from its own WM_DESTROY
    // the last message of every control, through its window procedure
    for (HWND child : std::vector<HWND>(window->children))
        SendMessageA(child, WM_NCDESTROY, 0, 0);
    if (window->kind != KIND_DIALOG)
        SendMessageA(window, WM_NCDESTROY, 0, 0);
    if (!window_is_live(window))
        return TRUE;
    if (HWND parent = window->parent) {
        std::vector<HWND>& siblings = parent->children;
        for (size_t i = 0; i < siblings.size(); ++i)
            if (siblings[i] == window) {
                siblings.erase(siblings.begin() + (std::ptrdiff_t)i);
                break;
            }
    }
    window_release(window);
    return TRUE;
}

HMODULE GetModuleHandleA(LPCSTR)
{
    return &this_module;
}

short GetKeyState(int)
{
    return 0;
}

HWND GetParent(HWND window)
{
    return window_is_live(window) ? window->parent : nullptr;
}

void headless_set_modal_driver(headless_modal_driver driver, void* context)
{
    modal_driver = driver;
    modal_context = context;
}

void headless_press_escape(HWND dialog)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void headless_click_close_box(HWND dialog)
{
    SendMessageA(dialog, WM_CLOSE, 0, 0);
}
