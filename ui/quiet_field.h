#pragma once
// Keeping a data field's notifications from the dialog while the program edits the field in pieces.
//
// Each piece of an edit raises EN_UPDATE and EN_CHANGE, which the edit sends straight to its parent.
// Between enter_quiet_scope and leave_quiet_scope the dialog's window procedure is replaced by one that
// drops the field's WM_COMMAND notifications and notes their codes (all but the scroll notifications),
// so that no dialog procedure sees them; afterwards the edit as a whole may be reported once with
// raise_codes. Scopes nest: the innermost one of a dialog notes what its field raises.
#include "platform/win32.h"

// Notification codes, each once, in the order one edit raises them: EN_MAXTEXT first.
struct raised_codes {
    int codes[4];
    int count;
};

struct quiet_scope {
    HWND dialog;
    HWND field;
    WNDPROC dialog_procedure;  // the one replaced while the scope lasts
    HANDLE outer;              // the scope this one is nested in, if any
    raised_codes raised;
};

// From here on the field's notifications reach no dialog procedure; the scope must outlive the call
// to leave_quiet_scope.
void enter_quiet_scope(quiet_scope& scope, HWND dialog, HWND field);
// Restores the dialog's procedure and returns the codes the field raised meanwhile, EN_MAXTEXT first.
raised_codes leave_quiet_scope(quiet_scope& scope);
// True inside a quiet scope of this field: the edit under way is the program's own pieces.
bool field_is_quiet(HWND dialog, HWND field);
// Sends the codes to the field's dialog as the field itself sends them.
void raise_codes(HWND dialog, HWND field, const raised_codes& raised);
