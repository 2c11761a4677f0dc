// Fonts: descriptions kept for the life of the process; handles point at them.
#include <cstring>
#include <deque>

#include "platform/dialog_template.h"
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

HFONT dialog_font()
{
    static HFONT font = [] {
        // the template's font at 96 dots per inch: character height = points * 96 / 72, rounded
        LOGFONTA description{};
        description.lfHeight = -((main_dialog_template.font_points * 96 + 36) / 72);
        description.lfWeight = main_dialog_template.font_weight;
        description.lfItalic = (BYTE)main_dialog_template.font_italic;
        description.lfCharSet = (BYTE)main_dialog_template.font_charset;
        strncpy(description.lfFaceName, main_dialog_template.font_face, LF_FACESIZE - 1);
        return CreateFontIndirectA(&description);
    }();
    return font;
}

const LOGFONTA* headless_font(HWND control)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    return font ? &font->description : nullptr;
}
