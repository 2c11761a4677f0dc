// Window records, handle checks, message dispatch and the plain window operations.
#include "platform/window.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <unordered_set>

namespace {

std::unordered_set<HWND> live_windows;
// Destroyed windows stay allocated until no dialog procedure runs and a new dialog is made, so code
// that is still unwinding through a destroyed window never touches freed memory.
std::vector<std::unique_ptr<HWND__>> all_windows;
int procedure_depth = 0;
// the most recent notifications only, so that long typing runs do not grow without bound
const size_t NOTIFICATION_LOG_SIZE = 65536;
std::deque<headless_notification> notification_log;

}  // namespace

bool window_is_live(HWND window)
{
    return window && live_windows.count(window) != 0;
}

HWND window_new(window_kind kind)
{
    if (procedure_depth == 0) {
        all_windows.erase(std::remove_if(all_windows.begin(), all_windows.end(),
                                         [](const std::unique_ptr<HWND__>& w) { return !w->alive; }),
                          all_windows.end());
    }
    all_windows.push_back(std::make_unique<HWND__>());
    HWND window = all_windows.back().get();
    window->kind = kind;
    window->alive = true;
    window->limit = 30000;
    window->selection = -1;
    window->procedure = class_procedure;
    live_windows.insert(window);
    return window;
}

void window_release(HWND window)
{
    for (HWND child : window->children)
        window_release(child);
    window->alive = false;
    live_windows.erase(window);
}

INT_PTR window_call_dialog(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (!window_is_live(dialog) || !dialog->proc)
        return 0;
    if (message == WM_COMMAND) {
        if (notification_log.size() == NOTIFICATION_LOG_SIZE)
            notification_log.pop_front();
        notification_log.push_back({LOWORD(wparam), HIWORD(wparam)});
    }
    ++procedure_depth;
    INT_PTR result = dialog->proc(dialog, message, wparam, lparam);
    --procedure_depth;
    return result;
}

void window_notify(HWND control, int code)
{
    if (!window_is_live(control) || !control->parent)
        return;
    SendMessageA(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code), (LPARAM)control);
}

void window_forget_notifications()
{
    notification_log.clear();
}

LRESULT copy_text_out(const std::string& text, WPARAM limit, LPARAM buffer)
{
    if (limit == 0 || !buffer)
        return 0;
    size_t n = std::min<size_t>(text.size(), limit - 1);
    char* out = reinterpret_cast<char*>(buffer);
    memcpy(out, text.data(), n);
    out[n] = '\0';
    return (LRESULT)n;
}

LRESULT plain_text_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SETTEXT: window->text = lparam ? reinterpret_cast<const char*>(lparam) : ""; return TRUE;
    case WM_GETTEXT: return copy_text_out(window->text, wparam, lparam);
    case WM_GETTEXTLENGTH: return (LRESULT)window->text.size();
    default: return 0;
    }
}

// The procedure of every window class of the layer: what a message does unless a replacement
// procedure handles it.
LRESULT class_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (!window_is_live(window))
        return 0;
    if (message == WM_SETFONT) {
        window->font = reinterpret_cast<HFONT>(wparam);
        return 0;
    }
    if (message == WM_GETFONT)
        return reinterpret_cast<LRESULT>(window->font ? window->font : window->template_font);
    switch (window->kind) {
    case KIND_DIALOG: {
        INT_PTR handled = window_call_dialog(window, message, wparam, lparam);
        if (handled || !window_is_live(window))
            return handled;
        if (message == WM_CLOSE) {
            window_call_dialog(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return 0;
        }
        return plain_text_message(window, message, wparam, lparam);
    }
    case KIND_EDIT: return edit_message(window, message, wparam, lparam);
    case KIND_BUTTON: return button_message(window, message, wparam, lparam);
    case KIND_COMBO: return combo_message(window, message, wparam, lparam);
    case KIND_STATIC: break;
    }
    return plain_text_message(window, message, wparam, lparam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (!window_is_live(window))
        return 0;
    return window->procedure(window, message, wparam, lparam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM)
{
    if (!window_is_live(window) || message != WM_SETREDRAW)
        return 0;
    if (wparam)
        window->style |= WS_VISIBLE;
    else
        window->style &= ~(DWORD)WS_VISIBLE;
    return 0;
}

BOOL InvalidateRect(HWND window, const RECT*, BOOL)
{
    return window_is_live(window);
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return procedure ? procedure(window, message, wparam, lparam) : 0;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index)
{
    if (index != GWLP_WNDPROC)
        return GetWindowLongA(window, index);
    return window_is_live(window) ? reinterpret_cast<LONG_PTR>(window->procedure) : 0;
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value)
{
    if (!window_is_live(window) || index != GWLP_WNDPROC || !value)
        return 0;
    WNDPROC before = window->procedure;
    window->procedure = reinterpret_cast<WNDPROC>(value);
    return reinterpret_cast<LONG_PTR>(before);
}

BOOL SetPropA(HWND window, LPCSTR name, HANDLE value)
{
    if (!window_is_live(window) || !name)
        return FALSE;
    window->properties[name] = value;
    return TRUE;
}

HANDLE GetPropA(HWND window, LPCSTR name)
{
    if (!window_is_live(window) || !name)
        return nullptr;
    auto found = window->properties.find(name);
    return found == window->properties.end() ? nullptr : found->second;
}

HANDLE RemovePropA(HWND window, LPCSTR name)
{
    if (!window_is_live(window) || !name)
        return nullptr;
    auto found = window->properties.find(name);
    if (found == window->properties.end())
        return nullptr;
    HANDLE value = found->second;
    window->properties.erase(found);
    return value;
}

BOOL IsWindow(HWND window)
{
    return window_is_live(window);
}

HWND GetDlgItem(HWND dialog, int id)
{
    if (!window_is_live(dialog))
        return nullptr;
    for (HWND control : dialog->children)
        if (LOWORD(control->id) == LOWORD(id))
            return control;
    return nullptr;
}

int GetDlgCtrlID(HWND control)
{
    return window_is_live(control) ? control->id : 0;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam)
{
    HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, message, wparam, lparam) : 0;
}

BOOL ShowWindow(HWND window, int command)
{
    if (!window_is_live(window))
        return FALSE;
    BOOL was_visible = (window->style & WS_VISIBLE) != 0;
    if (command == SW_HIDE)
        window->style &= ~(DWORD)WS_VISIBLE;
    else
        window->style |= WS_VISIBLE;
    return was_visible;
}

BOOL IsWindowVisible(HWND window)
{
    for (; window_is_live(window); window = window->parent) {
        if (!(window->style & WS_VISIBLE))
            return FALSE;
        if (!window->parent)
            return TRUE;
    }
    return FALSE;
}

LONG GetWindowLongA(HWND window, int index)
{
    if (!window_is_live(window))
        return 0;
    switch (index) {
    case GWL_STYLE: return (LONG)window->style;
    case GWL_EXSTYLE: return (LONG)window->ex_style;
    case GWL_ID: return window->id;
    default: return 0;
    }
}

int GetWindowTextA(HWND window, LPSTR buffer, int limit)
{
    if (buffer && limit > 0)
        buffer[0] = '\0';
    if (limit <= 0)
        return 0;
    return (int)SendMessageA(window, WM_GETTEXT, (WPARAM)limit, (LPARAM)buffer);
}

BOOL SetWindowTextA(HWND window, LPCSTR text)
{
    return (BOOL)SendMessageA(window, WM_SETTEXT, 0, (LPARAM)text);
}

const char* headless_text(HWND control)
{
    return window_is_live(control) ? control->text.c_str() : "";
}

size_t headless_text_length(HWND control)
{
    return window_is_live(control) ? control->text.size() : 0;
}

const char* headless_class_name(HWND window)
{
    return window_is_live(window) ? window->class_name : "";
}

int headless_control_count(HWND dialog)
{
    return window_is_live(dialog) ? (int)dialog->children.size() : 0;
}

HWND headless_control_at(HWND dialog, int index)
{
    if (!window_is_live(dialog) || index < 0 || index >= (int)dialog->children.size())
        return nullptr;
    return dialog->children[(size_t)index];
}

size_t headless_notification_count()
{
    return notification_log.size();
}

headless_notification headless_notification_at(size_t index)
{
    return index < notification_log.size() ? notification_log[index] : headless_notification{0, 0};
}

void headless_clear_notifications()
{
    notification_log.clear();
}
