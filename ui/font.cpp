#include "ui/font.h"

#include <cstring>

#include "ui/resource.h"

HFONT alphabet_font;

void create_alphabet_font(HWND dialog)
{
    LOGFONTA description;
    std::memset(&description, 0, sizeof description);
    description.lfHeight = -12;  // character height, not cell height
    description.lfWeight = FW_BOLD;
    std::strcpy(description.lfFaceName, "Courier New");
    alphabet_font = CreateFontIndirectA(&description);
    SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, WM_SETFONT, (WPARAM)alphabet_font, TRUE);
    SendDlgItemMessageA(dialog, IDC_DEFAULT_TABLE_TEXT, WM_SETFONT, (WPARAM)alphabet_font, TRUE);
}
