// The state every control and variable is in once the dialog has opened.
#include "dialog_fixture.h"

#include "engine/digit_alphabet.h"
#include "mp/mp.h"

using StartUp = MainDialog;

TEST_F(StartUp, OpensInBaseXModeWithRadix64DefaultAlphabetAndHexAsSource)
{
    EXPECT_EQ(status(), "CHECKED HEX.");
    EXPECT_EQ(text(IDC_BASE_NUMBER), "64");
    EXPECT_EQ(text(IDC_POW2_BITS), "32");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "4");
    EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), BASE64_ALPHABET);
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "");
    EXPECT_EQ(counters(), "0 0 0 0");
    for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX})
        EXPECT_EQ(text(field), "") << field;

    EXPECT_EQ(engine().radix(), 64u);
    EXPECT_EQ(engine().alphabet(), alphabet_choice::default_alphabet);
    EXPECT_FALSE(engine().custom_alphabet_ready());
    EXPECT_EQ(state().source_field, IDC_HEX);
    EXPECT_FALSE(state().pow2_mode);
    EXPECT_FALSE(state().refreshing);
    ASSERT_NE(current_context(), nullptr);
    EXPECT_EQ(current_context()->max_words, 8193);  // started for the dialog's 32,767 bytes
    EXPECT_NE(state().engine, nullptr);
}

TEST_F(StartUp, OnlyTheHexFieldIsEditable)
{
    EXPECT_FALSE(read_only(IDC_HEX));
    EXPECT_TRUE(read_only(IDC_ASCII));
    EXPECT_TRUE(read_only(IDC_BASEX));
}

TEST_F(StartUp, ChecksTheHexSourceAndTheDefaultTable)
{
    const struct {
        int id;
        bool checked;
    } radios[] = {
        {IDC_SRC_HEX, true},           {IDC_SRC_ASCII, false},        {IDC_SRC_BASEX, false},
        {IDC_USE_DEFAULT_TABLE, true}, {IDC_USE_CUSTOM_TABLE, false},
    };
    for (const auto& r : radios)
        EXPECT_EQ(checked(r.id), r.checked) << r.id;
}

TEST_F(StartUp, ShowsTheBaseXControlsAndHidesTheBase2nOnes)
{
    const int basex_only[] = {
        IDC_SRC_HEX,           IDC_SRC_ASCII,        IDC_SRC_BASEX,   IDC_DEFAULT_TABLE_TEXT, IDC_CUSTOM_TABLE_TEXT,
        IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_BASE_NUMBER, IDC_BASE_RANGE_LABEL};
    const int pow2_only[] = {IDC_REV,       IDC_H2BIN,      IDC_BIN2H,    IDC_C2BIN, IDC_BYTE_UNIT_LABEL,
                             IDC_BYTE_UNIT, IDC_POW2_LABEL, IDC_POW2_BITS};
    const int always[] = {IDC_HEX,     IDC_ASCII,     IDC_BASEX,      IDC_STATUS,      IDC_MODE,       IDC_CLEAR_ALL,
                          IDC_REV_HEX, IDC_HEX_COUNT, IDC_BYTE_COUNT, IDC_BASEX_COUNT, IDC_BIGNUM_BITS};
    for (int id : basex_only)
        EXPECT_TRUE(visible(id)) << id;
    for (int id : pow2_only)
        EXPECT_FALSE(visible(id)) << id;
    for (int id : always)
        EXPECT_TRUE(visible(id)) << id;
    EXPECT_EQ(headless_control_count(dialog), 34);
}

TEST_F(StartUp, OffersTheTwoModesWithBaseXSelected)
{
    ASSERT_EQ(SendDlgItemMessageA(dialog, IDC_MODE, CB_GETCOUNT, 0, 0), 2);
    const char* expected[] = {"BaseX", "Base(2^n)"};
    for (int i = 0; i < 2; ++i) {
        char item[32] = {};
        SendDlgItemMessageA(dialog, IDC_MODE, CB_GETLBTEXT, (WPARAM)i, (LPARAM)item);
        EXPECT_STREQ(item, expected[i]);
    }
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_MODE, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(StartUp, LimitsWhatTheUserMayType)
{
    const struct {
        int id;
        LRESULT limit;
    } limits[] = {
        {IDC_HEX, 65534}, {IDC_ASCII, 32767}, {IDC_BASEX, 65534}, {IDC_BASE_NUMBER, 2}, {IDC_CUSTOM_TABLE_TEXT, 64},
    };
    for (const auto& l : limits)
        EXPECT_EQ(SendDlgItemMessageA(dialog, l.id, EM_GETLIMITTEXT, 0, 0), l.limit) << l.id;
}

TEST_F(StartUp, GivesOnlyTheTwoAlphabetEditsTheBold12PixelFont)
{
    for (int id : {IDC_DEFAULT_TABLE_TEXT, IDC_CUSTOM_TABLE_TEXT}) {
        const LOGFONTA* font = headless_font(control(id));
        ASSERT_NE(font, nullptr) << id;
        EXPECT_EQ(font->lfHeight, -12);
        EXPECT_EQ(font->lfWeight, FW_BOLD);
        EXPECT_STREQ(font->lfFaceName, "Courier New");
        EXPECT_EQ(font->lfWidth, 0);
        EXPECT_EQ(font->lfItalic, 0);
        EXPECT_EQ(font->lfCharSet, ANSI_CHARSET);
    }
    for (int id : {IDC_HEX, IDC_ASCII, IDC_BASEX, IDC_STATUS, IDC_BASE_NUMBER}) {
        const LOGFONTA* font = headless_font(control(id));  // the dialog's own font
        ASSERT_NE(font, nullptr) << id;
        EXPECT_LT(font->lfWeight, FW_BOLD) << id;
        EXPECT_NE(font->lfHeight, -12) << id;
    }
}
