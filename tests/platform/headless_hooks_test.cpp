// The headless layer's own hooks: the modal driver, the user's actions, the notification log, and
// handles that outlive their windows.
#include <string>

#include "platform/dialog_resources.h"
#include "platform/headless_hooks.h"
#include "tests/platform/recording_dialog.h"
#include "ui/resource.h"

using HeadlessHooks = RecordingDialog;

TEST(HeadlessModal, DriverThatLeavesTheDialogOpenGetsMinusOneAndTheDialogIsDestroyed)
{
    recorded.clear();
    HWND seen = nullptr;
    headless_set_modal_driver([](HWND d, void* out) { *static_cast<HWND*>(out) = d; }, &seen);
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
    headless_set_modal_driver(nullptr, nullptr);
    EXPECT_EQ(result, -1);
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen));
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(recorded[0].message, (UINT)WM_INITDIALOG);
    EXPECT_EQ(recorded[1].message, (UINT)WM_DESTROY);
}

TEST(HeadlessModal, DialogIsVisibleWhileTheDriverRuns)
{
    BOOL visible = FALSE;
    headless_set_modal_driver(
        [](HWND d, void* out) {
            *static_cast<BOOL*>(out) = IsWindowVisible(GetDlgItem(d, IDC_HEX));
            headless_click_close_box(d);
        },
        &visible);
    destroy_on_close = true;
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0), 0);
    destroy_on_close = false;
    headless_set_modal_driver(nullptr, nullptr);
    EXPECT_TRUE(visible);
}

TEST(HeadlessModal, DialogEndedByItsInitialisationIsNeitherShownNorDriven)
{
    bool driven = false;
    headless_set_modal_driver([](HWND, void* out) { *static_cast<bool*>(out) = true; }, &driven);
    INT_PTR result = DialogBoxParamA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
        [](HWND d, UINT message, WPARAM, LPARAM) -> INT_PTR {
            if (message == WM_INITDIALOG)
                EndDialog(d, 5);
            return FALSE;
        },
        0);
    headless_set_modal_driver(nullptr, nullptr);
    EXPECT_EQ(result, 5);
    EXPECT_FALSE(driven);
}

TEST(HeadlessModal, UnknownTemplatesAreRefused)
{
    EXPECT_EQ(CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN + 1), nullptr, recording_proc, 0), nullptr);
    EXPECT_EQ(CreateDialogParamA(nullptr, "IDD_MAIN", nullptr, recording_proc, 0), nullptr);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(7), nullptr, recording_proc, 0), -1);
}

// A dialog is made from the template registered under the id it names, and draws with that template's
// font; a later registration under the id replaces the template.
TEST(HeadlessTemplates, DialogIsMadeFromTheTemplateRegisteredUnderItsId)
{
    static const control_template one_edit[] = {{7, "Edit", "x", 0, WS_CHILD | WS_VISIBLE, 0, 1, 2, 3, 4}};
    static const control_template two_statics[] = {{8, "Static", "a", 0, WS_CHILD | WS_VISIBLE, 0, 1, 2, 3, 4},
                                                   {9, "Static", "b", 0, WS_CHILD | WS_VISIBLE, 0, 5, 6, 7, 8}};
    const int id = IDD_MAIN + 50;
    // in Arial, 10 points, bold italic: nothing like the main dialog's font
    auto arial_template = [id](int count, const control_template* controls) {
        dialog_template t{};
        t.id = id;
        t.style = WS_POPUP;
        t.caption = "";
        t.font_face = "Arial";
        t.font_points = 10;
        t.font_weight = FW_BOLD;
        t.font_italic = 1;
        t.font_charset = ANSI_CHARSET;
        t.control_count = count;
        t.controls = controls;
        return t;
    };
    static const dialog_template small = arial_template(1, one_edit);
    static const dialog_template other = arial_template(2, two_statics);
    register_dialog_template(small);
    HWND made = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), nullptr, recording_proc, 0);
    ASSERT_NE(made, nullptr);
    ASSERT_EQ(headless_control_count(made), 1);
    EXPECT_STREQ(headless_text(GetDlgItem(made, 7)), "x");
    const LOGFONTA* font = headless_font(GetDlgItem(made, 7));
    ASSERT_NE(font, nullptr);
    EXPECT_STREQ(font->lfFaceName, "Arial");
    EXPECT_EQ(font->lfHeight, -13);  // 10 points at 96 dots per inch
    EXPECT_EQ(font->lfWeight, FW_BOLD);
    EXPECT_EQ(font->lfItalic, 1);
    EXPECT_EQ(SendMessageA(made, WM_GETFONT, 0, 0), SendMessageA(GetDlgItem(made, 7), WM_GETFONT, 0, 0));
    DestroyWindow(made);

    HWND main_dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
    ASSERT_NE(main_dialog, nullptr);
    EXPECT_STREQ(headless_font(GetDlgItem(main_dialog, IDC_HEX))->lfFaceName, "Courier New");
    DestroyWindow(main_dialog);

    register_dialog_template(other);
    made = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), nullptr, recording_proc, 0);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(headless_control_count(made), 2);
    EXPECT_EQ(GetDlgItem(made, 7), nullptr);
    DestroyWindow(made);
}

TEST_F(HeadlessHooks, EscapeAndCloseBoxReachTheProcedure)
{
    headless_press_escape(dialog);
    destroy_on_close = true;
    headless_click_close_box(dialog);
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_EQ(recorded[0].message, (UINT)WM_COMMAND);
    EXPECT_EQ(recorded[0].id, IDCANCEL);
    EXPECT_EQ(recorded[1].message, (UINT)WM_CLOSE);
    EXPECT_EQ(recorded[2].message, (UINT)WM_DESTROY);
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(HeadlessHooks, NotificationLogMatchesWhatTheProcedureSaw)
{
    headless_clear_notifications();
    headless_type(control(IDC_BASE_NUMBER), "1x");
    headless_click(dialog, IDC_SRC_HEX);
    std::vector<std::string> logged;
    for (size_t i = 0; i < headless_notification_count(); ++i) {
        headless_notification n = headless_notification_at(i);
        logged.push_back(std::to_string(n.id) + ":" + std::to_string(n.code));
    }
    EXPECT_EQ(logged, command_trace());
    EXPECT_EQ(logged.size(), 3u);
    headless_clear_notifications();
    EXPECT_EQ(headless_notification_count(), 0u);
}

TEST_F(HeadlessHooks, TypeOverReplacesAllAndPasteNotifiesOnce)
{
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "old text");
    headless_type_over(control(IDC_CUSTOM_TABLE_TEXT), "new");
    EXPECT_STREQ(headless_text(control(IDC_CUSTOM_TABLE_TEXT)), "new");
    recorded.clear();
    SendMessageA(control(IDC_CUSTOM_TABLE_TEXT), EM_LIMITTEXT, 6, 0);
    headless_paste(control(IDC_CUSTOM_TABLE_TEXT), "12345");
    EXPECT_STREQ(headless_text(control(IDC_CUSTOM_TABLE_TEXT)), "new123");
    std::vector<std::string> expected = {std::to_string(IDC_CUSTOM_TABLE_TEXT) + ":" + std::to_string(EN_MAXTEXT),
                                         std::to_string(IDC_CUSTOM_TABLE_TEXT) + ":" + std::to_string(EN_UPDATE),
                                         std::to_string(IDC_CUSTOM_TABLE_TEXT) + ":" + std::to_string(EN_CHANGE)};
    EXPECT_EQ(command_trace(), expected);
}

TEST_F(HeadlessHooks, TypingFillsAFieldToItsLimitKeyByKey)
{
    HWND hex = control(IDC_HEX);
    SendMessageA(hex, EM_LIMITTEXT, 65534, 0);
    std::string keys(65535, 'f');
    headless_type(hex, keys.c_str());
    EXPECT_EQ(headless_text_length(hex), 65534u);
    ASSERT_FALSE(recorded.empty());
    EXPECT_EQ(recorded.back().code, EN_CHANGE);
    EXPECT_EQ(recorded[recorded.size() - 3].code, EN_MAXTEXT);
}

TEST_F(HeadlessHooks, FontDescriptionIsTheDialogsUntilSet)
{
    const LOGFONTA* font = headless_font(control(IDC_STATUS));
    ASSERT_NE(font, nullptr);
    EXPECT_STREQ(font->lfFaceName, "Courier New");
    EXPECT_EQ(font->lfHeight, -11);
}

TEST_F(HeadlessHooks, StaleHandlesAreRefusedQuietly)
{
    HWND hex = control(IDC_HEX);
    DestroyWindow(dialog);
    EXPECT_EQ(GetDlgItem(dialog, IDC_HEX), nullptr);
    EXPECT_EQ(SendMessageA(hex, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_FALSE(SetDlgItemTextA(dialog, IDC_HEX, "x"));
    EXPECT_EQ(GetWindowLongA(hex, GWL_STYLE), 0);
    EXPECT_FALSE(ShowWindow(hex, SW_HIDE));
    EXPECT_STREQ(headless_text(hex), "");
    headless_type(hex, "abc");
    headless_paste(hex, "abc");
    headless_click(dialog, IDC_REV);
    EXPECT_EQ(recorded.size(), 1u);  // WM_DESTROY only
}

// Minus signs and the exact 32-bit bounds. (Wine's answers to these depend on a stale errno and it
// wraps "-n" read unsigned; the layer keeps the documented rule: no minus sign unless signed.)
TEST_F(HeadlessHooks, GetDlgItemIntTakesAMinusSignOnlyWhenSignedAndHoldsTheExactBounds)
{
    struct int_case {
        const char* text;
        UINT unsigned_value;
        BOOL unsigned_ok;
        int signed_value;
        BOOL signed_ok;
    } const cases[] = {
        {"-12", 0, FALSE, -12, TRUE},
        {"-0", 0, FALSE, 0, TRUE},
        {"-", 0, FALSE, 0, FALSE},
        {"4294967295", 4294967295u, TRUE, 0, FALSE},
        {"2147483647", 2147483647u, TRUE, 2147483647, TRUE},
        {"2147483648", 2147483648u, TRUE, 0, FALSE},
        {"-2147483648", 0, FALSE, (int)0x80000000u, TRUE},
        {"-2147483649", 0, FALSE, 0, FALSE},
    };
    for (const int_case& c : cases) {
        SetDlgItemTextA(dialog, IDC_POW2_BITS, c.text);
        BOOL ok = 7;
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_POW2_BITS, &ok, FALSE), c.unsigned_value) << c.text;
        EXPECT_EQ(ok, c.unsigned_ok) << c.text;
        ok = 7;
        EXPECT_EQ((int)GetDlgItemInt(dialog, IDC_POW2_BITS, &ok, TRUE), c.signed_value) << c.text;
        EXPECT_EQ(ok, c.signed_ok) << c.text;
    }
}
