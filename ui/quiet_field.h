#pragma once
// Keeping a data field's notifications from the dialog while the program edits the field in pieces.
//
// Each piece of an edit raises EN_UPDATE and EN_CHANGE, which the edit sends straight to its parent.
// While a quiet_scope lasts the dialog's window procedure is replaced by one that drops the field's
// WM_COMMAND notifications and notes their codes (all but the scroll notifications), so that no dialog
// procedure sees them; afterwards the edit as a whole may be reported once with raise_codes. Scopes
// nest: the innermost one of a dialog notes what its field raises, and an inner scope ends before the
// one it is nested in.
#include "platform/win32.h"

// Notification codes, each once, in the order one edit raises them: EN_MAXTEXT first.
struct raised_codes {
    int codes[4];
    int count;
};

class quiet_scope {
public:
    // From here on the field's notifications reach no dialog procedure.
    quiet_scope(HWND dialog, HWND field);
    // Ends the scope; the outermost one restores the dialog's procedure (the one it found).
    ~quiet_scope();
    // Neither copied nor moved: the dialog holds the scope's address while it lasts.
    quiet_scope(const quiet_scope&) = delete;
    quiet_scope& operator=(const quiet_scope&) = delete;

    // The codes the field raised so far while this scope was the innermost, EN_MAXTEXT first.
    raised_codes raised() const;

private:
    static LRESULT CALLBACK procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
    friend bool field_is_quiet(HWND dialog, HWND field);

    HWND dialog_;
    HWND field_;
    HANDLE outer_;                        // the scope this one is nested in, if any
    WNDPROC dialog_procedure_ = nullptr;  // the dialog's own, replaced while the outermost scope lasts
    raised_codes noted_ = {{}, 0};        // in the order they came
};

// True inside a quiet scope of this field: the edit under way is the program's own pieces.
bool field_is_quiet(HWND dialog, HWND field);
// Sends the codes to the field's dialog as the field itself sends them.
void raise_codes(HWND dialog, HWND field, const raised_codes& raised);
