#include "ui/field_procedure.h"

#include <cstring>
#include <string>

#include "ui/field_text.h"
#include "ui/quiet_field.h"

namespace {

const char ORIGINAL_PROCEDURE[] = "Morvane.FieldProcedure";

struct selection {
    size_t start, end;
};

selection selection_of(HWND field)
{
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    return {start, end};
}

bool read_only(HWND field)
{
    return (GetWindowLongA(field, GWL_STYLE) & ES_READONLY) != 0;
}

// Whether the control would lay out more than a piece if it made an edit itself: the text inserted and
// the rest after the edit, which it lays out again.
bool costly(const char* inserted, size_t inserted_length, const char* rest, size_t rest_length)
{
    return inserted_length > field_piece_size(inserted, inserted_length) ||
           rest_length > field_piece_size(rest, rest_length);
}

// Whether an edit that leaves this much text after it may be costly at all: no piece is smaller than
// DIGIT_RUN_PIECE. Checked before the field's text is read, on every key.
bool may_be_costly(size_t inserted_length, size_t rest_length)
{
    return inserted_length > DIGIT_RUN_PIECE || rest_length > DIGIT_RUN_PIECE;
}

size_t text_length(HWND field)
{
    return (size_t)SendMessageA(field, WM_GETTEXTLENGTH, 0, 0);
}

// The rest of the text after the selection, cut off while an edit runs on the text before it.
struct cut_rest {
    std::string text;
    LRESULT limit;
    LRESULT first_visible_line;
};

// Whether the text limit leaves any room before a rest of this length: where the rest alone fills it,
// the control refuses every edit before the rest, at little cost.
bool room_before_rest(HWND field, size_t rest_length)
{
    return (size_t)SendMessageA(field, EM_GETLIMITTEXT, 0, 0) > rest_length;
}

// Cuts the rest off from `at` and leaves the edit the room it had with the rest in place
// (room_before_rest), the selection as it was.
void cut_rest_off(HWND dialog, HWND field, const std::string& text, size_t at, selection selected, cut_rest& rest)
{
    rest.limit = SendMessageA(field, EM_GETLIMITTEXT, 0, 0);
    rest.text = text.substr(at);
    rest.first_visible_line = SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0);
    replace_field_range(dialog, field, at, text.size(), "", 0, false);
    SendMessageA(field, EM_SETLIMITTEXT, (WPARAM)(rest.limit - (LRESULT)rest.text.size()), 0);
    SendMessageA(field, EM_SETSEL, selected.start, (LPARAM)selected.end);
}

// Appends the rest again (quietly), restores the limit and the view, and puts the caret or selection
// where the edit left it, scrolled into view as the control scrolls it.
void put_rest_back(HWND dialog, HWND field, const cut_rest& rest)
{
    const selection edited = selection_of(field);
    const size_t length = text_length(field);
    SendMessageA(field, EM_SETLIMITTEXT, 0, 0);
    replace_field_range(dialog, field, length, length, rest.text.data(), rest.text.size(), false);
    SendMessageA(field, EM_SETLIMITTEXT, (WPARAM)rest.limit, 0);
    SendMessageA(field, EM_SETSEL, edited.start, (LPARAM)edited.end);
    SendMessageA(field, EM_LINESCROLL, 0, rest.first_visible_line - SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageA(field, EM_SCROLLCARET, 0, 0);
}

// Whether an insertion finds no room: nothing selected to make room for it and the field at its text
// limit, or over it (the program's writes ignore the limit). The control would change nothing.
bool refused_at_limit(HWND field, selection selected)
{
    return selected.start == selected.end && text_length(field) >= (size_t)SendMessageA(field, EM_GETLIMITTEXT, 0, 0);
}

// What the control does with an insertion refused at the limit, without laying the text out again (for
// a long run of digits that alone takes it seconds): EN_MAXTEXT, the field marked modified and its
// caret scrolled into view, then EN_UPDATE and EN_CHANGE; the text, the selection and the undo buffer
// stay as they are.
void refuse_at_limit(HWND field)
{
    HWND dialog = GetParent(field);
    raise_codes(dialog, field, raised_codes{{EN_MAXTEXT}, 1});
    if (!IsWindow(field))
        return;
    SendMessageA(field, EM_SETMODIFY, TRUE, 0);
    SendMessageA(field, EM_SCROLLCARET, 0, 0);
    raise_codes(dialog, field, raised_codes{{EN_UPDATE, EN_CHANGE}, 2});
}

// EM_REPLACESEL and WM_PASTE: the text replaces the selection, in pieces, or is refused at the limit
// without touching the field; false when the control may make the edit itself at little cost.
bool replace_selection_in_pieces(HWND field, const char* inserted)
{
    const selection selected = selection_of(field);
    const size_t length = std::strlen(inserted);
    if (length > 0 && refused_at_limit(field, selected)) {
        refuse_at_limit(field);
        return true;
    }
    if (!may_be_costly(length, text_length(field) - selected.end))
        return false;
    const std::string text = field_text(field);
    if (!costly(inserted, length, text.data() + selected.end, text.size() - selected.end))
        return false;
    HWND dialog = GetParent(field);
    cut_rest rest;
    const bool rest_cut = text.size() > selected.end;
    if (rest_cut && !room_before_rest(field, text.size() - selected.end))
        return false;
    raised_codes raised = {{}, 0};
    {
        // What the control raises while the rest is moved is not the edit's: an outer scope drops it.
        const quiet_scope moving(dialog, field);
        if (rest_cut)
            cut_rest_off(dialog, field, text, selected.end, selected, rest);
        raised = replace_field_range(dialog, field, selected.start, selected.end, inserted, length, false);
        if (rest_cut)
            put_rest_back(dialog, field, rest);
        SendMessageA(field, EM_SCROLLCARET, 0, 0);
    }
    raise_codes(dialog, field, raised);
    return true;
}

// A typed key that changes the text: characters, backspace, line breaks and tabs.
bool edits_text(WPARAM key)
{
    return key >= 0x20 ? key != 0x7f : key == '\b' || key == '\r' || key == '\n' || key == '\t';
}

bool key_held(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

const size_t NO_REACH = std::string::npos;

// Whether the message may change the text: an editing key, Delete without Ctrl (with Ctrl it deletes
// to the end of the line, which the control alone knows), or cut or clear of a selection. Backspace,
// and Delete with Shift, delete nothing at the start of the text when nothing is selected.
bool may_edit(UINT message, WPARAM wparam, selection selected)
{
    const bool nothing_before_caret = selected.end == 0;
    switch (message) {
    case WM_CHAR: return edits_text(wparam) && !(wparam == '\b' && nothing_before_caret);
    case WM_KEYDOWN:
        return wparam == VK_DELETE && !key_held(VK_CONTROL) && !(key_held(VK_SHIFT) && nothing_before_caret);
    case WM_CUT:
    case WM_CLEAR: return selected.start != selected.end;
    default: return false;
    }
}

// Where the text that a message of may_edit can change ends, as the control computes it: the rest
// after it can be cut off while the control handles the message. NO_REACH when Delete has nothing
// after the caret to delete.
size_t reach_of(UINT message, const std::string& text, selection selected)
{
    // Delete without a selection: the character after the caret, "\r\n" and "\r\r\n" as one; with
    // Shift, the character before the caret. Every other edit ends at the selection's end.
    if (message == WM_KEYDOWN && selected.start == selected.end && !key_held(VK_SHIFT)) {
        if (selected.end == text.size())
            return NO_REACH;
        if (text.compare(selected.end, 2, "\r\n") == 0)
            return selected.end + 2;
        if (text.compare(selected.end, 3, "\r\r\n") == 0)
            return selected.end + 3;
        return selected.end + 1;
    }
    return selected.end;
}

// A key or an edit command before a long rest: the control handles it on the text without the rest.
// A typed character that the limit refuses is refused here, before the text is read.
bool edit_before_rest(HWND field, WNDPROC original, UINT message, WPARAM wparam, LPARAM lparam)
{
    const selection selected = selection_of(field);
    if (!may_edit(message, wparam, selected))
        return false;
    if (message == WM_CHAR && wparam != '\b' && refused_at_limit(field, selected)) {
        refuse_at_limit(field);
        return true;
    }
    if (!may_be_costly(0, text_length(field) - selected.end))
        return false;
    const std::string text = field_text(field);
    const size_t reach = reach_of(message, text, selected);
    if (reach == NO_REACH || !costly("", 0, text.data() + reach, text.size() - reach) ||
        !room_before_rest(field, text.size() - reach))
        return false;
    HWND dialog = GetParent(field);
    raised_codes raised = {{}, 0};
    {
        const quiet_scope moving(dialog, field);
        cut_rest rest;
        cut_rest_off(dialog, field, text, reach, selected, rest);
        {
            const quiet_scope edit_scope(dialog, field);
            CallWindowProcA(original, field, message, wparam, lparam);
            raised = edit_scope.raised();
        }
        put_rest_back(dialog, field, rest);
    }
    raise_codes(dialog, field, raised);
    return true;
}

// WM_SETTEXT of a long text, from another program: written in pieces, leaving the field as the
// control's WM_SETTEXT leaves it (set_field_text); false when the control may lay it out itself.
bool set_text_in_pieces(HWND field, const char* text)
{
    const size_t length = std::strlen(text);
    if (!may_be_costly(length, 0) || !costly(text, length, "", 0))
        return false;
    set_field_text(GetParent(field), GetDlgCtrlID(field), text);
    return true;
}

// The text on the clipboard, as WM_PASTE would insert it; false when there is none.
bool clipboard_text(HWND field, std::string& text)
{
    if (!OpenClipboard(field))
        return false;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* locked = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (locked) {
        text = locked;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return locked != nullptr;
}

LRESULT CALLBACK field_procedure(HWND field, UINT message, WPARAM wparam, LPARAM lparam)
{
    WNDPROC original = reinterpret_cast<WNDPROC>(GetPropA(field, ORIGINAL_PROCEDURE));
    if (field_is_quiet(GetParent(field), field))
        return CallWindowProcA(original, field, message, wparam, lparam);
    switch (message) {
    case EM_REPLACESEL:
        if (replace_selection_in_pieces(field, lparam ? reinterpret_cast<const char*>(lparam) : ""))
            return 0;
        break;
    case WM_PASTE: {
        std::string pasted;
        if (!read_only(field) && clipboard_text(field, pasted) && replace_selection_in_pieces(field, pasted.c_str()))
            return 0;
        break;
    }
    case WM_SETTEXT:
        if (set_text_in_pieces(field, lparam ? reinterpret_cast<const char*>(lparam) : ""))
            return TRUE;
        break;
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_CLEAR:
        if (!read_only(field) && edit_before_rest(field, original, message, wparam, lparam))
            return 0;
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrA(field, GWLP_WNDPROC, (LONG_PTR)original);
        RemovePropA(field, ORIGINAL_PROCEDURE);
        break;
    default: break;
    }
    return CallWindowProcA(original, field, message, wparam, lparam);
}

}  // namespace

void install_field_procedure(HWND dialog, int id)
{
    HWND field = GetDlgItem(dialog, id);
    SetPropA(field, ORIGINAL_PROCEDURE,
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(field, GWLP_WNDPROC, (LONG_PTR)field_procedure)));
}
