#include "ui/field_text.h"

#include <algorithm>
#include <cstring>
#include <memory>

std::string field_text(HWND field)
{
    std::string text((size_t)SendMessageA(field, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize((size_t)SendMessageA(field, WM_GETTEXT, (WPARAM)text.size(), (LPARAM)&text[0]));
    return text;
}

size_t field_piece_size(const char* text, size_t length)
{
    size_t run = 0;
    for (size_t i = 0; i < length; ++i) {
        run = (text[i] >= '0' && text[i] <= '9') ? run + 1 : 0;
        if (run > DIGIT_RUN_PIECE)
            return length > LONG_TEXT ? LONG_DIGIT_RUN_PIECE : DIGIT_RUN_PIECE;
    }
    return PLAIN_PIECE;
}

namespace {

// Replaces [from, to) with text[0, length), a piece per EM_REPLACESEL; stops where the limit cut a piece.
// A visible field lays out and scrolls each piece two to four times slower, so the pieces go in while
// its WS_VISIBLE style is off, as WM_SETREDRAW FALSE leaves it (Wine's edit control ignores that
// message, so it goes to the default procedure), and the field is painted again afterwards.
void write_pieces(HWND field, size_t from, size_t to, const char* text, size_t length, bool undoable)
{
    const bool visible = (GetWindowLongA(field, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible)
        DefWindowProcA(field, WM_SETREDRAW, FALSE, 0);
    const size_t piece_size = field_piece_size(text, length);
    std::string piece;
    size_t done = 0;
    SendMessageA(field, EM_SETSEL, (WPARAM)from, (LPARAM)to);
    do {
        piece.assign(text + done, std::min(piece_size, length - done));
        SendMessageA(field, EM_REPLACESEL, undoable, (LPARAM)piece.c_str());
        DWORD caret = 0;
        SendMessageA(field, EM_GETSEL, 0, (LPARAM)&caret);
        if (caret != from + done + piece.size())
            break;
        done += piece.size();
    } while (done < length);
    if (visible) {
        DefWindowProcA(field, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(field, nullptr, TRUE);
    }
}

// The length of the common head of a[0, n) and b[0, n): whole blocks compared with memcmp first, as
// the field texts of a refresh are mostly the same, and long.
size_t common_head(const char* a, const char* b, size_t n)
{
    const size_t block = 256;
    size_t i = 0;
    while (i + block <= n && std::memcmp(a + i, b + i, block) == 0)
        i += block;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// The length of the common tail of a[0, n) and b[0, n), both ending at n.
size_t common_tail(const char* a, const char* b, size_t n)
{
    const size_t block = 256;
    size_t i = 0;
    while (i + block <= n && std::memcmp(a + n - i - block, b + n - i - block, block) == 0)
        i += block;
    while (i < n && a[n - 1 - i] == b[n - 1 - i])
        ++i;
    return i;
}

}  // namespace

raised_codes replace_field_range(HWND dialog, HWND field, size_t from, size_t to, const char* text, size_t length,
                                 bool undoable)
{
    const quiet_scope scope(dialog, field);
    write_pieces(field, from, to, text, length, undoable);
    return scope.raised();
}

void set_field_text(HWND dialog, int id, const char* text)
{
    HWND field = GetDlgItem(dialog, id);
    // The field's text, read without clearing a buffer first: a refresh reads up to 262,144 characters.
    const size_t capacity = (size_t)SendMessageA(field, WM_GETTEXTLENGTH, 0, 0) + 1;
    const std::unique_ptr<char[]> old(new char[capacity]);
    const size_t old_length = (size_t)SendMessageA(field, WM_GETTEXT, capacity, (LPARAM)old.get());
    const size_t length = std::strlen(text);
    const size_t head = common_head(old.get(), text, std::min(old_length, length));
    const size_t rest = std::min(old_length, length) - head;  // neither tail reaches into the head
    size_t tail = common_tail(old.get() + old_length - rest, text + length - rest, rest);
    // An edit before the tail makes the control lay all of it out again: cheaper than writing the tail
    // anew only while the tail is no longer than a piece.
    if (tail > field_piece_size(text + length - tail, tail))
        tail = 0;

    const quiet_scope scope(dialog, field);
    if (head != old_length - tail || head != length - tail) {
        // The program's writes ignore the typing limit, as WM_SETTEXT does.
        LRESULT limit = SendMessageA(field, EM_GETLIMITTEXT, 0, 0);
        SendMessageA(field, EM_SETLIMITTEXT, 0, 0);
        write_pieces(field, head, old_length - tail, text + head, length - head - tail, false);
        SendMessageA(field, EM_SETLIMITTEXT, (WPARAM)limit, 0);
    }
    SendMessageA(field, EM_SETSEL, 0, 0);
    SendMessageA(field, EM_SCROLLCARET, 0, 0);
    SendMessageA(field, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
}
