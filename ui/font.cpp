#include "ui/font.h"

#include <cstring>

#include "ui/resource.h"

HFONT create_alphabet_font(HWND dialog)
{
    LOGFONTA description;
    std::memset(&description, 0, sizeof description);
    description.lfHeight = -12;  // character height, not cell height
    description.lfWeight = FW_BOLD;
    std::strcpy(description.lfFaceName, "Courier New");
    HFONT font = CreateFontIndirectA(&description);
    SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, WM_SETFONT, (WPARAM)font, TRUE);
    SendDlgItemMessageA(dialog, IDC_DEFAULT_TABLE_TEXT, WM_SETFONT, (WPARAM)font, TRUE);
    return font;
}
