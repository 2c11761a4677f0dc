// Every way of closing the dialog releases the library and destroys the window.
#include "dialog_fixture.h"

#include "mp/mp.h"

using Closing = MainDialog;

TEST_F(Closing, EscAndTheCloseBoxReleaseTheLibraryAndDestroyTheDialog)
{
    const struct { const char* how; void (*close)(HWND); } ways[] = {
        {"Esc", headless_press_escape},
        {"close box", headless_click_close_box},
        {"IDCANCEL click", [](HWND d) { SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        if (!IsWindow(dialog)) {
            dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                        main_dialog_proc, 0);
        }
        type(IDC_HEX, "414243");
        ASSERT_NE(current_context(), nullptr);
        way.close(dialog);
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_EQ(current_context(), nullptr);
        EXPECT_EQ(work_number, nullptr);
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

TEST(ModalDialog, ReturnsOnceTheUserPressesEsc)
{
    headless_set_modal_driver(
        [](HWND d, void*) {
            headless_type(GetDlgItem(d, IDC_HEX), "41");
            headless_press_escape(d);
        },
        nullptr);
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr,
                                     main_dialog_proc, 0);
    headless_set_modal_driver(nullptr, nullptr);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(current_context(), nullptr);
}
