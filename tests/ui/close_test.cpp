// Every way of closing the dialog releases the library once and ends the dialog; closes and commands
// that still reach it before its window goes change nothing.
#include "dialog_fixture.h"

#include "mp/mp.h"

using Closing = MainDialog;

namespace {

struct closing_way {
    const char* how;
    void (*close)(HWND);
};

const closing_way closing_ways[] = {
    {"Esc", headless_press_escape},
    {"close box", headless_click_close_box},
    {"IDCANCEL click", [](HWND d) { SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }},
};

}  // namespace

TEST_F(Closing, EveryWayReleasesTheLibraryAndEndsTheDialogAndASecondCloseChangesNothing)
{
    for (const closing_way& first : closing_ways)
        for (const closing_way& second : closing_ways) {
            SCOPED_TRACE(std::string(first.how) + ", then " + second.how);
            type(IDC_HEX, "414243");
            ASSERT_NE(current_context(), nullptr);
            for (const closing_way& way : {first, second}) {
                way.close(dialog);
                EXPECT_EQ(current_context(), nullptr) << way.how;
                EXPECT_EQ(state().engine, nullptr) << way.how;
                EXPECT_TRUE(IsWindow(dialog)) << way.how;
                EXPECT_FALSE(IsWindowVisible(dialog)) << way.how;
            }
            DestroyWindow(dialog);
            open();
        }
}

// Other programs may still send commands to the dialog between its end and the end of its modal loop.
TEST_F(Closing, CommandsAfterTheCloseChangeNothing)
{
    set_radix("10");  // the BASE(X) field goes through the library
    type(IDC_HEX, "414243");
    headless_press_escape(dialog);
    const std::string closed = status() + "|" + counters() + "|" + text(IDC_ASCII) + "|" + text(IDC_BASEX);
    const struct {
        const char* what;
        void (*act)(HWND);
    } commands[] = {
        {"typing the source", [](HWND d) { headless_type(GetDlgItem(d, IDC_HEX), "44"); }},
        {"pasting the source", [](HWND d) { headless_paste(GetDlgItem(d, IDC_HEX), "4546"); }},
        {"Rev. HEX", [](HWND d) { headless_click(d, IDC_REV_HEX); }},
        {"CLear ALL", [](HWND d) { headless_click(d, IDC_CLEAR_ALL); }},
        {"another source", [](HWND d) { headless_click(d, IDC_SRC_BASEX); }},
        {"a radix", [](HWND d) { headless_type_over(GetDlgItem(d, IDC_BASE_NUMBER), "36"); }},
        {"a custom alphabet", [](HWND d) { headless_type(GetDlgItem(d, IDC_CUSTOM_TABLE_TEXT), "xyz"); }},
        {"Custom Table", [](HWND d) { headless_click(d, IDC_USE_CUSTOM_TABLE); }},
        {"Base(2^n) mode", [](HWND d) { headless_choose_combo_item(d, IDC_MODE, 1); }},
        {"the bit count", [](HWND d) { headless_type_over(GetDlgItem(d, IDC_POW2_BITS), "64"); }},
    };
    for (const auto& command : commands) {
        command.act(dialog);
        EXPECT_EQ(status() + "|" + counters() + "|" + text(IDC_ASCII) + "|" + text(IDC_BASEX), closed) << command.what;
        EXPECT_EQ(current_context(), nullptr) << command.what;
    }
}

TEST_F(Closing, EnterChangesNothing)
{
    type(IDC_HEX, "41");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(status(), "HEX Changed OK.");
    EXPECT_EQ(text(IDC_HEX), "41");
}

TEST(ModalDialog, EveryWayOfClosingEndsTheLoopWithResult0AndReleasesTheLibrary)
{
    for (const closing_way& way : closing_ways) {
        SCOPED_TRACE(way.how);
        headless_set_modal_driver(
            [](HWND d, void* context) {
                headless_type_over(GetDlgItem(d, IDC_BASE_NUMBER), "10");
                headless_type(GetDlgItem(d, IDC_HEX), "41");
                static_cast<const closing_way*>(context)->close(d);
                // what may still arrive before the loop ends
                headless_press_escape(d);
                headless_type(GetDlgItem(d, IDC_HEX), "42");
            },
            const_cast<closing_way*>(&way));
        INT_PTR result =
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, main_dialog_proc, 0);
        headless_set_modal_driver(nullptr, nullptr);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(current_context(), nullptr);
    }
}
