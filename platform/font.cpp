// Fonts: descriptions kept for the life of the process; handles point at them.
#include <cstring>
#include <deque>

#include "platform/window.h"

struct HFONT__ {
    LOGFONTA description;
};

namespace {

std::deque<HFONT__> fonts;  // never shrinks: handles stay valid until the process ends

}  // namespace

HFONT CreateFontIndirectA(const LOGFONTA* description)
{
    if (!description)
        return nullptr;
    fonts.push_back(HFONT__{*description});
    return &fonts.back();
}

BOOL DeleteObject(HFONT font)
{
    return font ? TRUE : FALSE;
}

HFONT template_font(const dialog_template& t)
{
    // character height = points * 96 / 72, rounded
    LOGFONTA description{};
    description.lfHeight = -((t.font_points * 96 + 36) / 72);
    description.lfWeight = t.font_weight;
    description.lfItalic = (BYTE)t.font_italic;
    description.lfCharSet = (BYTE)t.font_charset;
    strncpy(description.lfFaceName, t.font_face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&description);
}

const LOGFONTA* headless_font(HWND control)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    return font ? &font->description : nullptr;
}
