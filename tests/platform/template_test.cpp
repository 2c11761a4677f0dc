// The dialog made from the resource script: its controls, in order, with their ids, classes,
// styles and texts, and the dialog's own caption, style and font.
#include <strings.h>

#include "tests/platform/recording_dialog.h"
#include "tests/platform/user_actions.h"
#include "ui/main_dialog_template.h"
#include "ui/resource.h"

namespace {

// The extended style a control shows once made: what the template gives, and on every control of a
// dialog "no parent notify"; sunken statics draw their edge as a static edge.
DWORD shown_ex_style(const control_template& t)
{
    DWORD ex = t.ex_style | WS_EX_NOPARENTNOTIFY;
    if (strcasecmp(t.class_name, "Static") == 0 && (t.style & SS_SUNKEN))
        ex |= WS_EX_STATICEDGE;
    return ex;
}

}  // namespace

using TemplateDialog = RecordingDialog;

TEST_F(TemplateDialog, HasEveryControlOfTheTemplateInTemplateOrder)
{
    ASSERT_EQ(main_dialog_template.control_count, 34);
    ASSERT_EQ(control_count(dialog), 34);
    for (int i = 0; i < 34; ++i) {
        const control_template& t = main_dialog_template.controls[i];
        HWND c = control_at(dialog, i);
        ASSERT_NE(c, nullptr) << i;
        EXPECT_EQ(GetDlgCtrlID(c), t.id) << i;
        EXPECT_EQ(strcasecmp(class_name(c).c_str(), t.class_name), 0) << i << " " << class_name(c);
        EXPECT_EQ((DWORD)GetWindowLongA(c, GWL_STYLE), t.style) << i;
        EXPECT_EQ((DWORD)GetWindowLongA(c, GWL_EXSTYLE), shown_ex_style(t)) << i;
    }
}

TEST_F(TemplateDialog, ControlsAreFoundByIdAndShowTheTemplateTexts)
{
    for (int i = 0; i < main_dialog_template.control_count; ++i) {
        const control_template& t = main_dialog_template.controls[i];
        if (t.id == -1)
            continue;  // several unaddressed statics share the id
        ASSERT_EQ(control(t.id), control_at(dialog, i)) << t.id;
        if (t.icon_id == 0) {
            EXPECT_EQ(text(t.id), t.text) << t.id;
        }
    }
    EXPECT_EQ(control(4242), nullptr);
}

TEST_F(TemplateDialog, CaptionStyleAndFontComeFromTheTemplate)
{
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Morvane - v1.1");
    EXPECT_STREQ(main_dialog_template.caption, "Morvane - v1.1");
    // the template's style, plus what the dialog manager adds to every dialog and a modal frame
    EXPECT_EQ((DWORD)GetWindowLongA(dialog, GWL_STYLE), main_dialog_template.style | WS_CLIPSIBLINGS | DS_3DLOOK);
    EXPECT_EQ((DWORD)GetWindowLongA(dialog, GWL_EXSTYLE),
              (DWORD)(WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME));
    const DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    EXPECT_EQ(main_dialog_template.style & (frame | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VISIBLE), frame);
    LOGFONTA font = font_of(control(IDC_HEX));
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfHeight, -11);  // 8 points at 96 dots per inch
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
}

// Facts of the template that the dialog procedure relies on.
TEST(TemplateTable, EditKindsMatchWhatTheDialogReliesOn)
{
    struct expectation {
        int id;
        bool multi_line, number, read_only;
    } const edits[] = {
        {IDC_HEX, true, false, false},
        {IDC_ASCII, true, false, false},
        {IDC_BASEX, true, false, false},
        {IDC_STATUS, true, false, true},
        {IDC_BASE_NUMBER, false, true, false},
        {IDC_DEFAULT_TABLE_TEXT, false, false, true},
        {IDC_CUSTOM_TABLE_TEXT, false, false, false},
        {IDC_POW2_BITS, false, true, false},
        {IDC_BYTE_UNIT, false, true, false},
    };
    int edit_count = 0;
    for (int i = 0; i < main_dialog_template.control_count; ++i)
        if (strcasecmp(main_dialog_template.controls[i].class_name, "Edit") == 0)
            ++edit_count;
    EXPECT_EQ(edit_count, 9);
    for (const expectation& e : edits) {
        const control_template* t = nullptr;
        for (int i = 0; i < main_dialog_template.control_count; ++i)
            if (main_dialog_template.controls[i].id == e.id)
                t = &main_dialog_template.controls[i];
        ASSERT_NE(t, nullptr) << e.id;
        EXPECT_EQ(strcasecmp(t->class_name, "Edit"), 0) << e.id;
        EXPECT_EQ((t->style & ES_MULTILINE) != 0, e.multi_line) << e.id;
        EXPECT_EQ((t->style & ES_NUMBER) != 0, e.number) << e.id;
        EXPECT_EQ((t->style & ES_READONLY) != 0, e.read_only) << e.id;
        EXPECT_EQ(t->ex_style, (DWORD)WS_EX_STATICEDGE) << e.id;
    }
}

TEST(TemplateTable, RadioGroupsRunFromOneGroupStyleToTheNext)
{
    // the auto radio buttons of each group, walking the template as the dialog manager does
    std::vector<std::vector<int>> groups;
    for (int i = 0; i < main_dialog_template.control_count; ++i) {
        const control_template& t = main_dialog_template.controls[i];
        if (i == 0 || (t.style & WS_GROUP))
            groups.emplace_back();
        if (strcasecmp(t.class_name, "Button") == 0 && (t.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            groups.back().push_back(t.id);
    }
    std::vector<std::vector<int>> radio_groups;
    for (const auto& g : groups)
        if (!g.empty())
            radio_groups.push_back(g);
    std::vector<std::vector<int>> expected = {{IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE},
                                              {IDC_SRC_HEX, IDC_SRC_ASCII, IDC_SRC_BASEX}};
    EXPECT_EQ(radio_groups, expected);
}
