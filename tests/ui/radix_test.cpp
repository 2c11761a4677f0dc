// Typing into the radix edit: every keystroke runs the radix command with what the edit holds then.
#include "dialog_fixture.h"

using RadixEdit = MainDialog;

TEST_F(RadixEdit, TypingOneThenSixRefusesRadix1ThenConvertsInRadix16)
{
    type(IDC_HEX, "0041");
    set_radix("1");
    EXPECT_EQ(status(), "Invalid Base Number, should be [2,60] or 64.");
    EXPECT_EQ(engine().radix(), 64u);
    EXPECT_EQ(text(IDC_BASEX), "AEE");  // still the radix-64 form of the bytes 00 41

    type(IDC_BASE_NUMBER, "6");
    EXPECT_EQ(engine().radix(), 16u);
    EXPECT_EQ(text(IDC_BASEX), "41");
    EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), "0123456789ABCDEF");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, EM_GETLIMITTEXT, 0, 0), 16);
    EXPECT_EQ(status(), "Not enough chars for custom base table ...");
    EXPECT_FALSE(engine().custom_alphabet_ready());
}

TEST_F(RadixEdit, InvalidRadixChangesNothingButTheStatus)
{
    type(IDC_HEX, "FF");
    set_radix("10");
    ASSERT_EQ(text(IDC_BASEX), "255");
    // Pasted whole: typed digit by digit, "61" would pass through the valid radix 6.
    const char* invalid[] = {"", "0", "1", "61", "62", "63", "65", "80", "99", "00"};
    for (const char* radix : invalid) {
        paste_over(IDC_BASE_NUMBER, radix);
        SCOPED_TRACE(radix);
        EXPECT_EQ(status(), "Invalid Base Number, should be [2,60] or 64.");
        EXPECT_EQ(engine().radix(), 10u);
        EXPECT_EQ(text(IDC_BASEX), "255");
        EXPECT_EQ(text(IDC_HEX), "FF");
        EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), "0123456789");
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_CUSTOM_TABLE_TEXT, EM_GETLIMITTEXT, 0, 0), 10);
        EXPECT_EQ(text(IDC_BASE_NUMBER), radix);  // keeps what was entered
    }
}

TEST_F(RadixEdit, ValidRadixRewritesTheBaseXFieldWithItsDefaultAlphabet)
{
    type(IDC_HEX, "FF");  // 255
    const struct {
        const char* radix;
        uint32_t base;
        const char* basex;
        const char* alphabet;
    } cases[] = {
        {"07", 7, "513", "0123456"},
        {"2", 2, "11111111", "01"},
        {"10", 10, "255", "0123456789"},
        {"36", 36, "73", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"60", 60, "4F", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx"},
        {"64", 64, "/w", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radix);
        set_radix(c.radix);
        EXPECT_EQ(engine().radix(), c.base);
        EXPECT_EQ(text(IDC_BASEX), c.basex);
        EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), c.alphabet);
        EXPECT_EQ(text(IDC_HEX), "FF");
        EXPECT_EQ(status(), "Not enough chars for custom base table ...");
    }
}

TEST_F(RadixEdit, BaseXSourceIsReadAgainInTheNewRadix)
{
    set_radix("10");
    select_source(IDC_SRC_BASEX);
    type(IDC_BASEX, "1239");
    ASSERT_EQ(text(IDC_HEX), "4D7");  // 1239

    set_radix("8");  // "9" is no octal digit: 123 octal is 83
    EXPECT_EQ(text(IDC_BASEX), "123");
    EXPECT_EQ(text(IDC_HEX), "53");
    EXPECT_EQ(text(IDC_ASCII), "S");
    EXPECT_EQ(state().source_field, IDC_BASEX);
    EXPECT_EQ(counters(), "2 1 3 7");
}
