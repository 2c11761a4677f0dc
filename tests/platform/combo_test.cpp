// The mode combo box: items, silent selection by the program, notified choice by the user.
#include <cstring>
#include <string>

#include "tests/platform/recording_dialog.h"
#include "tests/platform/user_actions.h"
#include "ui/resource.h"

using ComboControl = RecordingDialog;

TEST_F(ComboControl, ItemsKeepTheirOrderAndAnswerByIndex)
{
    HWND combo = control(IDC_MODE);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "BaseX"), 0);
    EXPECT_EQ(SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "Base(2^n)"), 1);
    EXPECT_EQ(SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "Apple"), 2);  // not sorted
    char item[32] = "";
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 1, (LPARAM)item), 9);
    EXPECT_STREQ(item, "Base(2^n)");
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 2, 0), 5);
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 3, (LPARAM)item), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXTLEN, 7, 0), CB_ERR);
    EXPECT_TRUE(recorded.empty());
}

TEST_F(ComboControl, ProgramSelectionIsSilentAndOnlyMinusOneClearsIt)
{
    HWND combo = control(IDC_MODE);
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "BaseX");
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "Base(2^n)");
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 1, 0), 1);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(text(IDC_MODE), "Base(2^n)");
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, 5, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(text(IDC_MODE), "Base(2^n)");
    EXPECT_EQ(SendMessageA(combo, CB_SETCURSEL, (WPARAM)-1, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(text(IDC_MODE), "");
    EXPECT_TRUE(recorded.empty());
}

TEST_F(ComboControl, UserChoiceSendsSelEndOkThenSelChangeWithTheNewSelection)
{
    HWND combo = control(IDC_MODE);
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "BaseX");
    SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM) "Base(2^n)");
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    for (int index : {1, 0}) {
        recorded.clear();
        user_choose(dialog, IDC_MODE, index);
        std::vector<std::string> expected = {std::to_string(IDC_MODE) + ":" + std::to_string(CBN_SELENDOK),
                                             std::to_string(IDC_MODE) + ":" + std::to_string(CBN_SELCHANGE)};
        EXPECT_EQ(command_trace(), expected) << index;
        ASSERT_EQ(recorded.size(), 2u);
        EXPECT_EQ(recorded[0].state, index) << "selected before CBN_SELENDOK arrives";
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), index);
    }
}
