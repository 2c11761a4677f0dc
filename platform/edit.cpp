// Edit controls: text, selection, limit, read-only and number styles, typing and pasting.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/window.h"

namespace {

bool is_multiline(HWND edit)
{
    return (edit->style & ES_MULTILINE) != 0;
}

bool is_read_only(HWND edit)
{
    return (edit->style & ES_READONLY) != 0;
}

size_t selection_start(HWND edit)
{
    return std::min({edit->anchor, edit->caret, edit->text.size()});
}

size_t selection_end(HWND edit)
{
    return std::min(std::max(edit->anchor, edit->caret), edit->text.size());
}

void raise_change(HWND edit)
{
    window_notify(edit, EN_UPDATE);
    window_notify(edit, EN_CHANGE);
}

// Replaces the selection with the first n bytes of text, cut to what the limit leaves room for
// (EN_MAXTEXT first when cut); the caret ends after the insert. Raises the change pair and marks the
// edit modified whenever something was asked for, even when the limit refused it all; replacing
// nothing by nothing is silent. A change that may not be undone also empties the undo buffer.
void replace_selection(HWND edit, const char* text, size_t n, bool undoable)
{
    if (n == 0 && selection_start(edit) == selection_end(edit))
        return;
    size_t kept = edit->text.size() - (selection_end(edit) - selection_start(edit));
    size_t room = edit->limit > kept ? edit->limit - kept : 0;
    if (n > room) {
        window_notify(edit, EN_MAXTEXT);
        if (!window_is_live(edit))
            return;
        n = room;
    }
    size_t start = selection_start(edit);
    if (n != 0 || start != selection_end(edit))
        edit->can_undo = undoable;
    edit->text.replace(start, selection_end(edit) - start, text, n);
    edit->anchor = edit->caret = start + n;
    edit->modified = true;
    raise_change(edit);
}

// Backspace: the selection, else the character before the caret ("\r\n" as one in multi-line edits).
void erase_backwards(HWND edit)
{
    size_t start = selection_start(edit);
    if (start == selection_end(edit)) {
        if (start == 0)
            return;
        size_t width =
            is_multiline(edit) && start >= 2 && edit->text[start - 1] == '\n' && edit->text[start - 2] == '\r' ? 2 : 1;
        edit->anchor = start - width;
        edit->caret = start;
    }
    replace_selection(edit, "", 0, true);
}

// Enter in a read-only multi-line edit only moves the caret: to the start of the next line, or of
// the current one when it is the last (lines end with "\n"; wrapped lines are not modelled).
void move_to_next_line(HWND edit)
{
    const std::string& text = edit->text;
    size_t caret = std::min(edit->caret, text.size());
    size_t next = text.find('\n', caret);
    if (next != std::string::npos) {
        caret = next + 1;
    } else {
        size_t previous = caret == 0 ? std::string::npos : text.rfind('\n', caret - 1);
        caret = previous == std::string::npos ? 0 : previous + 1;
    }
    edit->anchor = edit->caret = caret;
}

// Puts text[0, n) on the clipboard as its only content; false when the clipboard is open elsewhere.
bool put_on_clipboard(HWND owner, const char* text, size_t n)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    HANDLE block = GlobalAlloc(GMEM_MOVEABLE, n + 1);
    char* copy = static_cast<char*>(GlobalLock(block));
    memcpy(copy, text, n);
    copy[n] = '\0';
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    return true;
}

// WM_COPY: the selection onto the clipboard, when there is one.
void copy(HWND edit)
{
    size_t start = selection_start(edit), end = selection_end(edit);
    if (start != end)
        put_on_clipboard(edit, edit->text.data() + start, end - start);
}

// WM_CLEAR: the selection deleted, in an edit that is not read-only.
void clear(HWND edit)
{
    if (!is_read_only(edit))
        replace_selection(edit, "", 0, true);
}

// The Delete key (no Shift or Ctrl held): the selection, else the character after the caret ("\r\n" as
// one in multi-line edits).
void delete_forward(HWND edit)
{
    if (is_read_only(edit))
        return;
    size_t start = selection_start(edit);
    if (start == selection_end(edit)) {
        if (start == edit->text.size())
            return;
        size_t width = is_multiline(edit) && edit->text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
        edit->anchor = start;
        edit->caret = start + width;
    }
    clear(edit);
}

// WM_PASTE: the clipboard's text over the selection; a single-line edit takes it up to its first line
// break. Read-only edits and an empty clipboard change nothing.
void paste(HWND edit)
{
    if (is_read_only(edit) || !OpenClipboard(edit))
        return;
    HANDLE block = GetClipboardData(CF_TEXT);
    std::string text = block ? static_cast<const char*>(GlobalLock(block)) : "";
    if (block)
        GlobalUnlock(block);
    CloseClipboard();
    if (!block)
        return;
    size_t n = is_multiline(edit) ? text.size() : strcspn(text.c_str(), "\r\n");
    replace_selection(edit, text.data(), n, true);
}

void type_key(HWND edit, unsigned char key)
{
    if (is_read_only(edit)) {
        if ((key == '\r' || key == '\n') && is_multiline(edit))
            move_to_next_line(edit);
        return;
    }
    if (key == '\b') {
        erase_backwards(edit);
    } else if (key == '\r' || key == '\n') {
        if (is_multiline(edit))
            replace_selection(edit, "\r\n", 2, true);
    } else if (key == '\t') {
        if (is_multiline(edit))
            replace_selection(edit, "\t", 1, true);
    } else if (key >= 0x20 && key != 0x7f) {
        if ((edit->style & ES_NUMBER) && (key < '0' || key > '9'))
            return;
        char c = (char)key;
        replace_selection(edit, &c, 1, true);
    }
}

}  // namespace

LRESULT edit_message(HWND edit, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SETTEXT: {
        const char* text = lparam ? reinterpret_cast<const char*>(lparam) : "";
        if (*text || !edit->text.empty())
            edit->can_undo = false;
        edit->text = text;
        edit->anchor = edit->caret = 0;
        edit->modified = false;
        if (!is_multiline(edit))
            raise_change(edit);
        return TRUE;
    }
    case WM_CHAR: type_key(edit, (unsigned char)wparam); return 0;
    case WM_PASTE: paste(edit); return 0;
    case WM_COPY: copy(edit); return 0;
    case WM_CUT:
        copy(edit);
        clear(edit);
        return 0;
    case WM_CLEAR: clear(edit); return 0;
    case WM_KEYDOWN:
        if (wparam == VK_DELETE)
            delete_forward(edit);
        return 0;
    case EM_GETFIRSTVISIBLELINE:  // the lines are not laid out: the first one is always in view
        return 0;
    case EM_LINESCROLL: return TRUE;
    case EM_SETSEL:
        if ((UINT)wparam == (UINT)-1) {
            edit->anchor = edit->caret;
        } else {
            edit->anchor = std::min<size_t>((UINT)wparam, edit->text.size());
            edit->caret = std::min<size_t>((UINT)lparam, edit->text.size());
        }
        return 0;
    case EM_GETSEL: {
        DWORD start = (DWORD)selection_start(edit), end = (DWORD)selection_end(edit);
        if (wparam)
            *reinterpret_cast<DWORD*>(wparam) = start;
        if (lparam)
            *reinterpret_cast<DWORD*>(lparam) = end;
        return MAKELONG(start, end);
    }
    case EM_REPLACESEL: {
        const char* text = lparam ? reinterpret_cast<const char*>(lparam) : "";
        replace_selection(edit, text, strlen(text), wparam != 0);
        return 0;
    }
    case EM_SCROLLCARET:  // scrolling is not modelled: the caret is always in view
        return 1;
    case EM_GETMODIFY: return edit->modified ? TRUE : FALSE;
    case EM_SETMODIFY: edit->modified = wparam != 0; return 0;
    case EM_CANUNDO: return edit->can_undo ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER: edit->can_undo = false; return 0;
    case EM_LIMITTEXT: {
        size_t limit = (UINT)wparam ? (UINT)wparam : 0xFFFFFFFFu;
        edit->limit = is_multiline(edit) ? limit : std::min<size_t>(limit, 0x7FFFFFFE);
        return 0;
    }
    case EM_GETLIMITTEXT: return (LRESULT)edit->limit;
    case EM_SETREADONLY:
        if (wparam)
            edit->style |= ES_READONLY;
        else
            edit->style &= ~(DWORD)ES_READONLY;
        return TRUE;
    default: return plain_text_message(edit, message, wparam, lparam);
    }
}

void headless_type(HWND control, const char* keys)
{
    for (; *keys && window_is_live(control); ++keys)
        SendMessageA(control, WM_CHAR, (unsigned char)*keys, 1);
}

void headless_type_over(HWND control, const char* keys)
{
    SendMessageA(control, EM_SETSEL, 0, -1);
    headless_type(control, keys);
}

void headless_paste(HWND control, const char* text)
{
    if (put_on_clipboard(control, text, strlen(text)))
        SendMessageA(control, WM_PASTE, 0, 0);
}
