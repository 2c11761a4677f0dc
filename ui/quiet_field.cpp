#include "ui/quiet_field.h"

#include <algorithm>

namespace {

// The innermost scope of a dialog, found by its procedure.
const char QUIET_SCOPE[] = "Morvane.QuietScope";

void note_code(raised_codes& raised, int code)
{
    for (int i = 0; i < raised.count; ++i)
        if (raised.codes[i] == code)
            return;
    if (raised.count < (int)(sizeof raised.codes / sizeof raised.codes[0]))
        raised.codes[raised.count++] = code;
}

}  // namespace

LRESULT CALLBACK quiet_scope::procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    quiet_scope* scope = static_cast<quiet_scope*>(GetPropA(dialog, QUIET_SCOPE));
    if (message == WM_COMMAND && (HWND)lparam == scope->field_) {
        // Scrolling follows the view, which the pieces move on their way and the writer restores.
        const int code = HIWORD(wparam);
        if (code != EN_VSCROLL && code != EN_HSCROLL)
            note_code(scope->noted_, code);
        return 0;
    }
    return CallWindowProcA(scope->dialog_procedure_, dialog, message, wparam, lparam);
}

quiet_scope::quiet_scope(HWND dialog, HWND field)
    : dialog_(dialog), field_(field), outer_(GetPropA(dialog, QUIET_SCOPE))
{
    SetPropA(dialog, QUIET_SCOPE, this);
    // Only the outermost scope replaces the procedure: an inner one that took the quiet procedure for
    // the dialog's own would hand every other message back to itself without end.
    if (outer_)
        dialog_procedure_ = static_cast<quiet_scope*>(outer_)->dialog_procedure_;
    else
        dialog_procedure_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)procedure));
}

quiet_scope::~quiet_scope()
{
    if (!outer_)
        SetWindowLongPtrA(dialog_, GWLP_WNDPROC, (LONG_PTR)dialog_procedure_);
    if (outer_)
        SetPropA(dialog_, QUIET_SCOPE, outer_);
    else
        RemovePropA(dialog_, QUIET_SCOPE);
}

raised_codes quiet_scope::raised() const
{
    // One edit raises EN_MAXTEXT before it changes anything; a piece cut by the limit raises it after
    // the earlier pieces' changes.
    raised_codes raised = noted_;
    std::stable_sort(raised.codes, raised.codes + raised.count,
                     [](int a, int b) { return (a == EN_MAXTEXT ? 0 : 1) < (b == EN_MAXTEXT ? 0 : 1); });
    return raised;
}

bool field_is_quiet(HWND dialog, HWND field)
{
    for (HANDLE at = GetPropA(dialog, QUIET_SCOPE); at; at = static_cast<quiet_scope*>(at)->outer_)
        if (static_cast<quiet_scope*>(at)->field_ == field)
            return true;
    return false;
}

void raise_codes(HWND dialog, HWND field, const raised_codes& raised)
{
    const int id = GetDlgCtrlID(field);
    for (int i = 0; i < raised.count && IsWindow(field); ++i)
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, raised.codes[i]), (LPARAM)field);
}
