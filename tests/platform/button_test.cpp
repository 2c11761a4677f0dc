// Buttons: clicks, the two radio groups, CheckRadioButton, check state and tab stops.
#include <string>

#include "tests/platform/recording_dialog.h"
#include "tests/platform/user_actions.h"
#include "ui/resource.h"

namespace {

const int radios[] = {IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_SRC_HEX, IDC_SRC_ASCII, IDC_SRC_BASEX};
const int push_buttons[] = {IDC_CLEAR_ALL, IDC_REV_HEX, IDC_REV, IDC_H2BIN, IDC_BIN2H, IDC_C2BIN};

// The check of the five radio buttons as "01001" (default, custom, hex, ascii, basex).
std::string radio_checks(HWND dialog)
{
    std::string s;
    for (int id : radios)
        s += IsDlgButtonChecked(dialog, id) == BST_CHECKED ? '1' : '0';
    return s;
}

std::string clicked(int id)
{
    return std::to_string(id) + ":" + std::to_string(BN_CLICKED);
}

}  // namespace

using ButtonControl = RecordingDialog;

TEST_F(ButtonControl, ClickSendsOneClickedNotificationBeforeReturning)
{
    for (int id : push_buttons) {
        recorded.clear();
        SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
        EXPECT_EQ(command_trace(), std::vector<std::string>{clicked(id)}) << id;
        EXPECT_EQ(SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0), BST_UNCHECKED) << id;
    }
}

TEST_F(ButtonControl, AutoRadioClickChecksItselfAndClearsOnlyItsOwnGroup)
{
    struct click_case {
        const char* before;  // set with BM_SETCHECK, which touches no other button
        int click;
        const char* after;
    } const cases[] = {
        {"00000", IDC_SRC_ASCII, "00010"},         {"10100", IDC_SRC_BASEX, "10001"},
        {"10100", IDC_USE_CUSTOM_TABLE, "01100"},  {"01011", IDC_SRC_HEX, "01100"},
        {"11000", IDC_USE_DEFAULT_TABLE, "10000"}, {"00010", IDC_SRC_ASCII, "00010"},
    };
    for (const click_case& c : cases) {
        for (int i = 0; i < 5; ++i)
            SendDlgItemMessageA(dialog, radios[i], BM_SETCHECK, c.before[i] == '1' ? BST_CHECKED : BST_UNCHECKED, 0);
        ASSERT_EQ(radio_checks(dialog), c.before);
        recorded.clear();
        SendDlgItemMessageA(dialog, c.click, BM_CLICK, 0, 0);
        EXPECT_EQ(radio_checks(dialog), c.after) << c.before << " click " << c.click;
        ASSERT_EQ(command_trace(), std::vector<std::string>{clicked(c.click)});
        EXPECT_EQ(recorded[0].state, BST_CHECKED) << "checked before BN_CLICKED arrives";
    }
}

TEST_F(ButtonControl, CheckRadioButtonChecksWithinTheRangeAndNotifiesNothing)
{
    struct range_case {
        int first, last, check;
        const char* after;
    } const cases[] = {
        {IDC_SRC_HEX, IDC_SRC_BASEX, IDC_SRC_HEX, "00100"},
        {IDC_SRC_HEX, IDC_SRC_BASEX, IDC_SRC_BASEX, "00001"},
        {IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_USE_DEFAULT_TABLE, "10001"},
        {IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_USE_CUSTOM_TABLE, "01001"},
        {IDC_SRC_HEX, IDC_SRC_ASCII, IDC_SRC_BASEX, "01001"},  // outside the range: only clears it
        {IDC_SRC_HEX, IDC_SRC_ASCII, IDC_SRC_ASCII, "01011"},  // basex lies outside: untouched
    };
    for (const range_case& c : cases) {
        EXPECT_TRUE(CheckRadioButton(dialog, c.first, c.last, c.check));
        EXPECT_EQ(radio_checks(dialog), c.after) << c.first << ".." << c.last << " " << c.check;
    }
    EXPECT_TRUE(recorded.empty());
}

TEST_F(ButtonControl, CheckedRadioButtonIsATabStopUncheckedIsNot)
{
    for (int id : radios)
        EXPECT_EQ(style(id) & WS_TABSTOP, 0) << id;
    CheckRadioButton(dialog, IDC_SRC_HEX, IDC_SRC_BASEX, IDC_SRC_ASCII);
    EXPECT_EQ(style(IDC_SRC_ASCII) & WS_TABSTOP, WS_TABSTOP);
    SendDlgItemMessageA(dialog, IDC_SRC_HEX, BM_CLICK, 0, 0);
    EXPECT_EQ(style(IDC_SRC_HEX) & WS_TABSTOP, WS_TABSTOP);
    EXPECT_EQ(style(IDC_SRC_ASCII) & WS_TABSTOP, 0);
}

TEST_F(ButtonControl, GroupClickPassesOverHiddenRadioButtons)
{
    CheckRadioButton(dialog, IDC_SRC_HEX, IDC_SRC_BASEX, IDC_SRC_ASCII);
    ShowWindow(control(IDC_SRC_ASCII), SW_HIDE);
    SendDlgItemMessageA(dialog, IDC_SRC_HEX, BM_CLICK, 0, 0);
    EXPECT_EQ(radio_checks(dialog), "00110");
}

TEST_F(ButtonControl, HiddenPushButtonStillAnswersBmClick)
{
    ShowWindow(control(IDC_REV), SW_HIDE);
    SendDlgItemMessageA(dialog, IDC_REV, BM_CLICK, 0, 0);
    EXPECT_EQ(command_trace(), std::vector<std::string>{clicked(IDC_REV)});
}

TEST_F(ButtonControl, PushButtonsTakeNoCheck)
{
    SendDlgItemMessageA(dialog, IDC_CLEAR_ALL, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_CLEAR_ALL), (UINT)BST_UNCHECKED);
    SendDlgItemMessageA(dialog, IDC_SRC_HEX, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SRC_HEX), (UINT)BST_CHECKED);
}
