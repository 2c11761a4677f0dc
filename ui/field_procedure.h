#pragma once
// The data fields' own window procedure: the user's and other programs' long edits taken in pieces.
//
// A paste, or another program's EM_REPLACESEL, puts a long text into a field in one insertion, and a
// key typed near the start of a long field makes the edit control lay out all the text after it; in
// Wine both cost time that grows with the square of that text, for digits with its cube (see
// ui/field_text.h): one EM_REPLACESEL of 65,534 hex digits took 12 s. The replacement procedure takes
// such edits in pieces:
// - EM_REPLACESEL and WM_PASTE: the rest of the text after the selection is cut off when it is long,
//   the new text goes in in pieces, and the rest is appended again in pieces;
// - a typed key (WM_CHAR), the Delete key, WM_CUT and WM_CLEAR before a long rest: the rest is cut off,
//   the control handles the key on the short text, and the rest is appended again;
// - WM_SETTEXT of a long text (automation and accessibility tools send it): written as the program
//   writes its own fields (set_field_text), raising nothing, as the control's WM_SETTEXT raises nothing.
// The text, the caret, the text limit and the view are those the control's own edit leaves, and the
// dialog receives the notifications of that one edit (EN_MAXTEXT when the limit cut it, EN_UPDATE,
// EN_CHANGE) once the field holds the whole new text. One thing differs: after an edit taken in pieces
// there is nothing to undo, as the control's undo would make the whole edit again in one piece, which
// is what takes Wine so long.
// An insertion that the text limit refuses whole (a key, a paste or EM_REPLACESEL with nothing selected
// in a full field) is refused without touching the text, with the notifications the control raises.
// Short edits, read-only fields, and keys that edit nothing go to the control as they are.
#include "platform/win32.h"

// Gives the data field the replacement procedure; once per field, at dialog start-up.
void install_field_procedure(HWND dialog, int id);
