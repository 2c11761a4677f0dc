// Reading and writing controls by id: text with a buffer limit, and decimal numbers.
#include <cstring>
#include <string>

#include "tests/platform/recording_dialog.h"
#include "ui/resource.h"

using DialogItems = RecordingDialog;

TEST_F(DialogItems, GetDlgItemTextCopiesLimitLessOneAndANul)
{
    struct limit_case {
        int limit;
        UINT count;
        const char* copied;
    } const cases[] = {{1, 0, ""}, {2, 1, "h"}, {5, 4, "hell"}, {6, 5, "hello"}, {7, 5, "hello"}};
    SetDlgItemTextA(dialog, IDC_STATUS, "hello");
    for (const limit_case& c : cases) {
        char buffer[16];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_EQ(GetDlgItemTextA(dialog, IDC_STATUS, buffer, c.limit), c.count) << c.limit;
        EXPECT_STREQ(buffer, c.copied) << c.limit;
    }
    char untouched[4] = "ZZZ";
    EXPECT_EQ(GetDlgItemTextA(dialog, IDC_STATUS, untouched, 0), 0u);
    EXPECT_STREQ(untouched, "ZZZ");
    char missing[4] = "ZZZ";
    EXPECT_EQ(GetDlgItemTextA(dialog, 4242, missing, 4), 0u);
    EXPECT_STREQ(missing, "");
}

TEST_F(DialogItems, GetDlgItemIntReadsTheLeadingDecimalNumber)
{
    struct int_case {
        const char* text;
        UINT unsigned_value;
        BOOL unsigned_ok;
        int signed_value;
        BOOL signed_ok;
    } const cases[] = {
        {"", 0, FALSE, 0, FALSE},
        {"12", 12, TRUE, 12, TRUE},
        {"07", 7, TRUE, 7, TRUE},
        {"12ab", 12, TRUE, 12, TRUE},
        {" 12", 12, TRUE, 12, TRUE},
        {"12 ", 12, TRUE, 12, TRUE},
        {"abc", 0, FALSE, 0, FALSE},
        {"+5", 5, TRUE, 5, TRUE},
        {"0x10", 0, TRUE, 0, TRUE},
        {"4294967294", 4294967294u, TRUE, 0, FALSE},
        {"4294967296", 0, FALSE, 0, FALSE},
        {"2147483646", 2147483646u, TRUE, 2147483646, TRUE},
        {"99999999999999999999999999999999999", 0, FALSE, 0, FALSE},
        {"000000000000000000000000000000012", 0, TRUE, 0, TRUE},  // only the first 29 characters count
    };
    for (const int_case& c : cases) {
        SetDlgItemTextA(dialog, IDC_POW2_BITS, c.text);
        BOOL ok = 7;
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_POW2_BITS, &ok, FALSE), c.unsigned_value) << "[" << c.text << "]";
        EXPECT_EQ(ok, c.unsigned_ok) << "[" << c.text << "]";
        ok = 7;
        EXPECT_EQ((int)GetDlgItemInt(dialog, IDC_POW2_BITS, &ok, TRUE), c.signed_value) << "[" << c.text << "]";
        EXPECT_EQ(ok, c.signed_ok) << "[" << c.text << "]";
    }
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_POW2_BITS, nullptr, FALSE), 0u);
}

TEST_F(DialogItems, SetDlgItemIntWritesDecimalThroughSetText)
{
    struct int_case {
        UINT value;
        BOOL is_signed;
        const char* text;
    } const cases[] = {{0, FALSE, "0"},
                       {64, FALSE, "64"},
                       {4294967295u, FALSE, "4294967295"},
                       {(UINT)-5, TRUE, "-5"},
                       {2147483648u, TRUE, "-2147483648"}};
    for (const int_case& c : cases) {
        recorded.clear();
        EXPECT_TRUE(SetDlgItemInt(dialog, IDC_BYTE_UNIT, c.value, c.is_signed));
        EXPECT_EQ(text(IDC_BYTE_UNIT), c.text);
        EXPECT_EQ(recorded.size(), 2u) << "a single-line edit notifies the write";
    }
    SetDlgItemInt(dialog, IDC_HEX_COUNT, 1234, FALSE);
    EXPECT_EQ(text(IDC_HEX_COUNT), "1234");
}

TEST_F(DialogItems, MissingControlsAreRefused)
{
    EXPECT_FALSE(SetDlgItemTextA(dialog, 4242, "x"));
    EXPECT_EQ(GetDlgItem(dialog, 4242), nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 4242, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_TRUE(recorded.empty());
}
