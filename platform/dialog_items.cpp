// Text and number access to a dialog's controls by id.
#include <cstdio>

#include "platform/window.h"

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int limit)
{
    if (buffer && limit > 0)
        buffer[0] = '\0';
    HWND control = GetDlgItem(dialog, id);
    if (!control || limit <= 0)
        return 0;
    return (UINT)SendMessageA(control, WM_GETTEXT, (WPARAM)limit, (LPARAM)buffer);
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    HWND control = GetDlgItem(dialog, id);
    return control ? (BOOL)SendMessageA(control, WM_SETTEXT, 0, (LPARAM)text) : FALSE;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL is_signed)
{
    char text[16];
    if (is_signed)
        snprintf(text, sizeof text, "%d", (int)value);
    else
        snprintf(text, sizeof text, "%u", value);
    return SetDlgItemTextA(dialog, id, text);
}

// Reads at most the first 29 characters, as the system does: leading white space, an optional sign
// ('-' only when signed), then decimal digits up to the first other character. Out of range or no
// digit: 0 with *translated FALSE.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed)
{
    if (translated)
        *translated = FALSE;
    char text[30];
    if (!GetDlgItemTextA(dialog, id, text, sizeof text))
        return 0;
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        if (negative && !is_signed)
            return 0;
        ++p;
    }
    if (*p < '0' || *p > '9')
        return 0;
    unsigned long long value = 0;
    unsigned long long most = is_signed ? (negative ? 0x80000000ull : 0x7FFFFFFFull) : 0xFFFFFFFFull;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (unsigned)(*p - '0');
        if (value > most)
            return 0;
    }
    if (translated)
        *translated = TRUE;
    return negative ? (UINT)(0u - (UINT)value) : (UINT)value;
}
