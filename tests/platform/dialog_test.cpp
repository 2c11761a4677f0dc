// The dialog window: visibility, fonts per control, destruction, the modal loop and its end.
#include <cctype>
#include <cstring>
#include <string>

#include "tests/platform/recording_dialog.h"
#include "tests/platform/user_actions.h"
#include "ui/resource.h"

using DialogWindow = RecordingDialog;

TEST_F(DialogWindow, ShowWindowTogglesVisibleStyleAndReportsThePreviousState)
{
    // the template has no WS_VISIBLE: a modeless dialog stays hidden until shown
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_FALSE(IsWindowVisible(control(IDC_REV)));
    EXPECT_EQ(style(IDC_REV) & WS_VISIBLE, WS_VISIBLE);
    ShowWindow(dialog, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(control(IDC_REV)));
    EXPECT_TRUE(ShowWindow(control(IDC_REV), SW_HIDE));
    EXPECT_FALSE(ShowWindow(control(IDC_REV), SW_HIDE));
    EXPECT_EQ(style(IDC_REV) & WS_VISIBLE, 0);
    EXPECT_FALSE(IsWindowVisible(control(IDC_REV)));
    EXPECT_FALSE(ShowWindow(control(IDC_REV), SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(control(IDC_REV)));
    EXPECT_TRUE(recorded.empty());
}

TEST_F(DialogWindow, SetFontChangesOnlyThatControlsFont)
{
    LOGFONTA description{};
    description.lfHeight = -12;
    description.lfWeight = FW_BOLD;
    strcpy(description.lfFaceName, "Courier New");
    HFONT font = CreateFontIndirectA(&description);
    ASSERT_NE(font, nullptr);
    HFONT dialog_font = (HFONT)SendMessageA(control(IDC_HEX), WM_GETFONT, 0, 0);
    SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, WM_SETFONT, (WPARAM)font, TRUE);
    EXPECT_EQ((HFONT)SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, WM_GETFONT, 0, 0), font);
    EXPECT_EQ((HFONT)SendDlgItemMessageA(dialog, IDC_DEFAULT_TABLE_TEXT, WM_GETFONT, 0, 0), dialog_font);
    LOGFONTA set = font_of(control(IDC_CUSTOM_TABLE_TEXT));
    EXPECT_EQ(set.lfHeight, -12);
    EXPECT_EQ(set.lfWeight, FW_BOLD);
    EXPECT_STREQ(set.lfFaceName, "Courier New");
    EXPECT_NE(font_of(control(IDC_DEFAULT_TABLE_TEXT)).lfWeight, FW_BOLD);
}

// The dialog deletes its own font when it goes: a font made here deletes once; null is refused.
TEST_F(DialogWindow, DeleteObjectTakesAFontMadeByCreateFontIndirect)
{
    LOGFONTA description{};
    description.lfHeight = -12;
    strcpy(description.lfFaceName, "Courier New");
    HFONT font = CreateFontIndirectA(&description);
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(DeleteObject(nullptr));
}

TEST_F(DialogWindow, CloseLeftToTheDefaultHandlingBecomesCancel)
{
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    process_pending_messages(dialog);
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].message, (UINT)WM_CLOSE);
    EXPECT_EQ(recorded[1].message, (UINT)WM_COMMAND);
    EXPECT_EQ(recorded[1].id, IDCANCEL);
    EXPECT_EQ(recorded[1].code, BN_CLICKED);
    EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(DialogWindow, DestroyWindowSendsWmDestroyAndEndsTheHandles)
{
    HWND hex = control(IDC_HEX);
    EXPECT_TRUE(DestroyWindow(dialog));
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].message, (UINT)WM_DESTROY);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(hex));
    EXPECT_FALSE(DestroyWindow(dialog));
    EXPECT_FALSE(EndDialog(dialog, 0));
}

TEST_F(DialogWindow, EndDialogHidesAModelessDialogAndKeepsTheWindow)
{
    ShowWindow(dialog, SW_SHOW);
    EXPECT_TRUE(EndDialog(dialog, 3));
    process_pending_messages(dialog);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & WS_VISIBLE, 0);
    for (const recorded_message& r : recorded)
        EXPECT_NE(r.message, (UINT)WM_DESTROY);
    // the window and its controls keep working until it is destroyed
    EXPECT_TRUE(SetDlgItemTextA(dialog, IDC_STATUS, "still here"));
    EXPECT_EQ(text(IDC_STATUS), "still here");
}

TEST_F(DialogWindow, DestroyFromInsideANotificationEndsTheRestQuietly)
{
    reactions = {{IDC_BASE_NUMBER, EN_UPDATE, [](HWND d) { DestroyWindow(d); }}};
    SetDlgItemTextA(dialog, IDC_BASE_NUMBER, "5");
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(command_trace(),
              std::vector<std::string>{std::to_string(IDC_BASE_NUMBER) + ":" + std::to_string(EN_UPDATE)});
}

namespace {

struct modal_case {
    const char* name;
    void (*act)(HWND dialog);
};

}  // namespace

TEST(ModalDialog, ClosingWaysEndTheModalLoopOnceTheProcedureDestroysTheDialog)
{
    const modal_case cases[] = {
        {"close box", [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); }},
        {"escape", [](HWND d) { SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }},
        {"typing, then escape",
         [](HWND d) {
             SendDlgItemMessageA(d, IDC_HEX, WM_CHAR, 'a', 1);
             SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
         }},
    };
    for (const modal_case& c : cases) {
        recorded.clear();
        reactions.clear();
        destroy_on_close = true;
        EXPECT_EQ(run_modal(c.act), 0) << c.name;
        destroy_on_close = false;
        ASSERT_GE(recorded.size(), 3u) << c.name;
        EXPECT_EQ(recorded.front().message, (UINT)WM_INITDIALOG) << c.name;
        EXPECT_EQ(recorded.back().message, (UINT)WM_DESTROY) << c.name;
        const recorded_message& closing = recorded[recorded.size() - 2];
        EXPECT_TRUE(closing.message == WM_CLOSE || (closing.message == WM_COMMAND && closing.id == IDCANCEL)) << c.name;
    }
}

namespace {

HWND modal_dialog = nullptr;
BOOL window_right_after_end = FALSE;

void end_with_7(HWND dialog)
{
    modal_dialog = dialog;
    EXPECT_TRUE(EndDialog(dialog, 7));
    window_right_after_end = IsWindow(dialog);
}

}  // namespace

TEST(ModalDialog, EndDialogEndsTheLoopWithItsResultAndTheDialogIsDestroyedAfter)
{
    const struct {
        const char* name;
        void (*act)(HWND dialog);
        bool end_on_cancel;  // the procedure ends the dialog on IDCANCEL
    } cases[] = {
        {"ended by the user's turn", end_with_7, false},
        {"ended by the procedure on Esc",
         [](HWND d) { SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }, true},
        {"ended by the procedure on the cancel that a close box left to the default handling becomes",
         [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); }, true},
    };
    for (const auto& c : cases) {
        recorded.clear();
        reactions.clear();
        if (c.end_on_cancel)
            reactions = {{IDCANCEL, BN_CLICKED, end_with_7}};
        modal_dialog = nullptr;
        window_right_after_end = FALSE;
        EXPECT_EQ(run_modal(c.act), 7) << c.name;
        reactions.clear();
        ASSERT_NE(modal_dialog, nullptr) << c.name;
        EXPECT_TRUE(window_right_after_end) << c.name;
        EXPECT_FALSE(IsWindow(modal_dialog)) << c.name;
        ASSERT_FALSE(recorded.empty()) << c.name;
        EXPECT_EQ(recorded.back().message, (UINT)WM_DESTROY) << c.name;
    }
}

TEST_F(DialogWindow, ProgramSettingsOfControlsNotifyNothing)
{
    struct setting {
        const char* name;
        int id;
        UINT message;
        WPARAM wparam;
    } const settings[] = {
        {"read-only on", IDC_HEX, EM_SETREADONLY, TRUE},  {"read-only off", IDC_ASCII, EM_SETREADONLY, FALSE},
        {"limit", IDC_BASE_NUMBER, EM_LIMITTEXT, 2},      {"selection", IDC_CUSTOM_TABLE_TEXT, EM_SETSEL, 0},
        {"check", IDC_SRC_HEX, BM_SETCHECK, BST_CHECKED}, {"combo item", IDC_MODE, CB_ADDSTRING, 0},
        {"static text", IDC_HEX_COUNT, WM_SETTEXT, 0},    {"button text", IDC_REV, WM_SETTEXT, 0},
    };
    for (const setting& s : settings) {
        recorded.clear();
        SendDlgItemMessageA(dialog, s.id, s.message, s.wparam, s.message == EM_SETSEL ? -1 : (LPARAM) "7");
        EXPECT_TRUE(recorded.empty()) << s.name;
    }
    recorded.clear();
    ShowWindow(control(IDC_SRC_HEX), SW_HIDE);
    SendDlgItemMessageA(dialog, IDC_STATUS, WM_SETFONT, SendMessageA(control(IDC_HEX), WM_GETFONT, 0, 0), TRUE);
    EXPECT_TRUE(recorded.empty());
}

namespace {

// A replacement window procedure for the dialog that counts the notifications passing through it and
// keeps those of IDC_HEX from the dialog procedure.
int seen_by_replacement = 0;
WNDPROC replaced = nullptr;

LRESULT CALLBACK filtering_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND && (HWND)lparam) {
        ++seen_by_replacement;
        if (LOWORD(wparam) == IDC_HEX)
            return 0;
    }
    return CallWindowProcA(replaced, window, message, wparam, lparam);
}

LRESULT CALLBACK upper_case_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SETTEXT && lparam) {
        std::string upper = reinterpret_cast<const char*>(lparam);
        for (char& c : upper)
            c = (char)toupper((unsigned char)c);
        return CallWindowProcA(replaced, window, message, wparam, (LPARAM)upper.c_str());
    }
    return CallWindowProcA(replaced, window, message, wparam, lparam);
}

}  // namespace

TEST_F(DialogWindow, ControlNotificationsPassThroughTheDialogsReplacementProcedure)
{
    seen_by_replacement = 0;
    replaced = (WNDPROC)SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)filtering_procedure);
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(dialog, GWLP_WNDPROC), (LONG_PTR)filtering_procedure);
    SendMessageA(control(IDC_HEX), EM_REPLACESEL, TRUE, (LPARAM) "a");
    SendMessageA(control(IDC_ASCII), EM_REPLACESEL, TRUE, (LPARAM) "b");
    EXPECT_EQ(seen_by_replacement, 4) << "EN_UPDATE and EN_CHANGE of each edit";
    EXPECT_EQ(command_trace(), (std::vector<std::string>{std::to_string(IDC_ASCII) + ":" + std::to_string(EN_UPDATE),
                                                         std::to_string(IDC_ASCII) + ":" + std::to_string(EN_CHANGE)}));
    EXPECT_EQ(SetWindowLongPtrA(dialog, GWLP_WNDPROC, (LONG_PTR)replaced), (LONG_PTR)filtering_procedure);
    recorded.clear();
    SendMessageA(control(IDC_HEX), EM_REPLACESEL, TRUE, (LPARAM) "c");
    EXPECT_EQ(seen_by_replacement, 4);
    EXPECT_EQ(command_trace().size(), 2u) << "the dialog procedure sees the edit again once restored";
}

TEST_F(DialogWindow, MessagesToAControlGoThroughItsReplacementProcedure)
{
    HWND edit = control(IDC_CUSTOM_TABLE_TEXT);
    replaced = (WNDPROC)SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)upper_case_procedure);
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "abc");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "ABC");
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM) "de");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "DE");
    SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)replaced);
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "fg");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "fg");
}

TEST_F(DialogWindow, PropertiesAreNamedValuesPerWindow)
{
    int a = 0, b = 0;
    HWND hex = control(IDC_HEX);
    EXPECT_EQ(GetPropA(hex, "Test.Value"), nullptr);
    EXPECT_TRUE(SetPropA(hex, "Test.Value", &a));
    EXPECT_TRUE(SetPropA(dialog, "Test.Value", &b));
    EXPECT_EQ(GetPropA(hex, "Test.Value"), &a);
    EXPECT_EQ(GetPropA(dialog, "Test.Value"), &b);
    EXPECT_TRUE(SetPropA(hex, "Test.Value", &b));
    EXPECT_EQ(RemovePropA(hex, "Test.Value"), &b);
    EXPECT_EQ(GetPropA(hex, "Test.Value"), nullptr);
    EXPECT_EQ(RemovePropA(hex, "Test.Value"), nullptr);
    EXPECT_EQ(RemovePropA(dialog, "Test.Value"), &b);
}
