#include "ui/field_text.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// While a field is written in pieces, the dialog's window procedure is replaced by quiet_procedure,
// which keeps the field's notifications from the dialog and notes their codes. The scope lives on the
// stack of the write and is found through a property of the dialog; scopes nest.
const char QUIET_SCOPE[] = "Morvane.QuietScope";

struct quiet_scope {
    HWND dialog;
    HWND field;
    WNDPROC dialog_procedure;
    HANDLE outer;  // the scope this one is nested in, if any
    raised_codes raised;
};

void note_code(raised_codes& raised, int code)
{
    for (int i = 0; i < raised.count; ++i)
        if (raised.codes[i] == code) return;
    if (raised.count < (int)(sizeof raised.codes / sizeof raised.codes[0])) raised.codes[raised.count++] = code;
}

LRESULT CALLBACK quiet_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    quiet_scope* scope = static_cast<quiet_scope*>(GetPropA(dialog, QUIET_SCOPE));
    if (message == WM_COMMAND && (HWND)lparam == scope->field) {
        note_code(scope->raised, HIWORD(wparam));
        return 0;
    }
    return CallWindowProcA(scope->dialog_procedure, dialog, message, wparam, lparam);
}

void enter_quiet_scope(quiet_scope& scope, HWND dialog, HWND field)
{
    scope = quiet_scope{dialog, field, nullptr, GetPropA(dialog, QUIET_SCOPE), {{}, 0}};
    SetPropA(dialog, QUIET_SCOPE, &scope);
    scope.dialog_procedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)quiet_procedure));
}

void leave_quiet_scope(quiet_scope& scope)
{
    SetWindowLongPtrA(scope.dialog, GWLP_WNDPROC, (LONG_PTR)scope.dialog_procedure);
    if (scope.outer)
        SetPropA(scope.dialog, QUIET_SCOPE, scope.outer);
    else
        RemovePropA(scope.dialog, QUIET_SCOPE);
}

std::string field_text(HWND field)
{
    std::string text((size_t)SendMessageA(field, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize((size_t)SendMessageA(field, WM_GETTEXT, (WPARAM)text.size(), (LPARAM)&text[0]));
    return text;
}

// Whether the change at the end of the common head keeps the common tail: editing before a tail lays
// all of it out again, which costs no more than writing it anew only while it is short.
constexpr size_t KEPT_TAIL_MAX = PLAIN_PIECE;

}  // namespace

size_t field_piece_size(const char* text, size_t length)
{
    size_t run = 0;
    for (size_t i = 0; i < length; ++i) {
        run = (text[i] >= '0' && text[i] <= '9') ? run + 1 : 0;
        if (run > DIGIT_RUN_PIECE) return DIGIT_RUN_PIECE;
    }
    return PLAIN_PIECE;
}

raised_codes replace_field_range(HWND dialog, HWND field, size_t from, size_t to, const char* text,
                                 size_t length, bool undoable)
{
    quiet_scope scope;
    enter_quiet_scope(scope, dialog, field);
    const size_t piece_size = field_piece_size(text, length);
    std::string piece;
    size_t at = from, done = 0;
    SendMessageA(field, EM_SETSEL, (WPARAM)from, (LPARAM)to);
    do {
        piece.assign(text + done, std::min(piece_size, length - done));
        SendMessageA(field, EM_REPLACESEL, undoable, (LPARAM)piece.c_str());
        // A piece cut by the text limit ends the insertion there, as one insertion would end.
        DWORD caret = 0;
        SendMessageA(field, EM_GETSEL, 0, (LPARAM)&caret);
        if (caret != at + piece.size()) break;
        at += piece.size();
        done += piece.size();
        if (done < length) SendMessageA(field, EM_SETSEL, (WPARAM)at, (LPARAM)at);
    } while (done < length);
    leave_quiet_scope(scope);
    // One insertion raises EN_MAXTEXT before it changes anything; a piece cut by the limit raises it
    // after the earlier pieces' changes.
    raised_codes& raised = scope.raised;
    std::stable_sort(raised.codes, raised.codes + raised.count, [](int a, int b) {
        return (a == EN_MAXTEXT ? 0 : 1) < (b == EN_MAXTEXT ? 0 : 1);
    });
    return raised;
}

void set_field_text(HWND dialog, int id, const char* text)
{
    HWND field = GetDlgItem(dialog, id);
    const std::string old = field_text(field);
    const size_t length = std::strlen(text);
    size_t head = 0;
    while (head < old.size() && head < length && old[head] == text[head]) ++head;
    size_t tail = 0;
    while (tail < old.size() - head && tail < length - head && old[old.size() - 1 - tail] == text[length - 1 - tail])
        ++tail;
    if (tail > KEPT_TAIL_MAX) tail = 0;

    if (head != old.size() - tail || head != length - tail) {
        // The program's writes ignore the typing limit, as WM_SETTEXT does.
        LRESULT limit = SendMessageA(field, EM_GETLIMITTEXT, 0, 0);
        SendMessageA(field, EM_SETLIMITTEXT, 0, 0);
        replace_field_range(dialog, field, head, old.size() - tail, text + head, length - head - tail, false);
        SendMessageA(field, EM_SETLIMITTEXT, (WPARAM)limit, 0);
    }
    SendMessageA(field, EM_SETSEL, 0, 0);
    SendMessageA(field, EM_SCROLLCARET, 0, 0);
    SendMessageA(field, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
}
