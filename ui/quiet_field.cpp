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

LRESULT CALLBACK quiet_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    quiet_scope* scope = static_cast<quiet_scope*>(GetPropA(dialog, QUIET_SCOPE));
    if (message == WM_COMMAND && (HWND)lparam == scope->field) {
        // Scrolling follows the view, which the pieces move on their way and the writer restores.
        const int code = HIWORD(wparam);
        if (code != EN_VSCROLL && code != EN_HSCROLL)
            note_code(scope->raised, code);
        return 0;
    }
    return CallWindowProcA(scope->dialog_procedure, dialog, message, wparam, lparam);
}

}  // namespace

void enter_quiet_scope(quiet_scope& scope, HWND dialog, HWND field)
{
    scope = quiet_scope{dialog, field, nullptr, GetPropA(dialog, QUIET_SCOPE), {{}, 0}};
    SetPropA(dialog, QUIET_SCOPE, &scope);
    scope.dialog_procedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)quiet_procedure));
}

raised_codes leave_quiet_scope(quiet_scope& scope)
{
    SetWindowLongPtrA(scope.dialog, GWLP_WNDPROC, (LONG_PTR)scope.dialog_procedure);
    if (scope.outer)
        SetPropA(scope.dialog, QUIET_SCOPE, scope.outer);
    else
        RemovePropA(scope.dialog, QUIET_SCOPE);
    // One edit raises EN_MAXTEXT before it changes anything; a piece cut by the limit raises it after
    // the earlier pieces' changes.
    raised_codes& raised = scope.raised;
    std::stable_sort(raised.codes, raised.codes + raised.count,
                     [](int a, int b) { return (a == EN_MAXTEXT ? 0 : 1) < (b == EN_MAXTEXT ? 0 : 1); });
    return raised;
}

bool field_is_quiet(HWND dialog, HWND field)
{
    for (HANDLE at = GetPropA(dialog, QUIET_SCOPE); at; at = static_cast<quiet_scope*>(at)->outer)
        if (static_cast<quiet_scope*>(at)->field == field)
            return true;
    return false;
}

void raise_codes(HWND dialog, HWND field, const raised_codes& raised)
{
    const int id = GetDlgCtrlID(field);
    for (int i = 0; i < raised.count && IsWindow(field); ++i)
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, raised.codes[i]), (LPARAM)field);
}
