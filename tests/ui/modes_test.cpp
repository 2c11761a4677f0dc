// The two modes of the dialog and the ByteUnit rule of Base(2^n) mode.
#include "dialog_fixture.h"
#include "ui/byte_unit.h"

using Modes = MainDialog;

static const int POW2_ONLY[] = {IDC_REV,       IDC_H2BIN,      IDC_BIN2H,    IDC_C2BIN, IDC_BYTE_UNIT_LABEL,
                                IDC_BYTE_UNIT, IDC_POW2_LABEL, IDC_POW2_BITS};
static const int BASEX_ONLY[] = {
    IDC_SRC_HEX,           IDC_SRC_ASCII,        IDC_SRC_BASEX,   IDC_DEFAULT_TABLE_TEXT, IDC_CUSTOM_TABLE_TEXT,
    IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_BASE_NUMBER, IDC_BASE_RANGE_LABEL};

TEST_F(Modes, Base2nUnlocksAllFieldsAndSwapsTheControls)
{
    choose_mode(1);
    EXPECT_EQ(status(), "Use Base 2^n");
    EXPECT_TRUE(state().pow2_mode);
    for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX})
        EXPECT_FALSE(read_only(field)) << field;
    for (int id : POW2_ONLY)
        EXPECT_TRUE(visible(id)) << id;
    for (int id : BASEX_ONLY)
        EXPECT_FALSE(visible(id)) << id;

    choose_mode(0);
    EXPECT_EQ(status(), "Use base x (2 - 64)");
    EXPECT_FALSE(state().pow2_mode);
    for (int id : POW2_ONLY)
        EXPECT_FALSE(visible(id)) << id;
    for (int id : BASEX_ONLY)
        EXPECT_TRUE(visible(id)) << id;
}

TEST_F(Modes, Base2nEditsChangeNoOtherFieldAndNoCounter)
{
    type(IDC_HEX, "414243");
    choose_mode(1);
    append(IDC_HEX, "99");
    append(IDC_ASCII, "zz");
    append(IDC_BASEX, "q");
    EXPECT_EQ(text(IDC_HEX), "41424399");
    EXPECT_EQ(text(IDC_ASCII), "ABCzz");
    EXPECT_EQ(text(IDC_BASEX), "QUJDq");
    EXPECT_EQ(counters(), "6 3 4 23");
    EXPECT_EQ(status(), "Use Base 2^n");
}

TEST_F(Modes, EachBase2nButtonReversesTheHexOfTheLastRefresh)
{
    for (int button : {IDC_REV, IDC_H2BIN, IDC_BIN2H, IDC_C2BIN}) {
        SCOPED_TRACE(button);
        choose_mode(0);
        type_over(IDC_HEX, "414243");
        choose_mode(1);
        type(IDC_HEX, "FF");  // typed since the last refresh: discarded
        click(button);
        EXPECT_EQ(text(IDC_HEX), "434241");
        EXPECT_EQ(text(IDC_ASCII), "CBA");
        EXPECT_EQ(text(IDC_BASEX), "Q0JB");
        EXPECT_EQ(status(), "HEX String Reversed.");
        EXPECT_TRUE(state().pow2_mode);
    }
}

TEST_F(Modes, RoundTripLeavesExactlyThePreviousSourceEditable)
{
    const struct {
        int radio;
        int field;
    } sources[] = {{IDC_SRC_ASCII, IDC_ASCII}, {IDC_SRC_BASEX, IDC_BASEX}, {IDC_SRC_HEX, IDC_HEX}};
    for (const auto& s : sources) {
        SCOPED_TRACE(s.field);
        click(s.radio);
        choose_mode(1);
        choose_mode(0);
        for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX})
            EXPECT_EQ(read_only(field), field != s.field) << field;
        EXPECT_EQ(state().source_field, s.field);
    }
}

// Confirming the mode already in force must neither save the all-editable states of Base(2^n)
// mode nor restore states saved before another source was chosen.
TEST_F(Modes, ConfirmingTheModeInForceChangesNothing)
{
    click(IDC_SRC_ASCII);
    choose_mode(0);
    EXPECT_EQ(status(), "CHECKED ASCII.");
    for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX})
        EXPECT_EQ(read_only(field), field != IDC_ASCII) << field;
    for (int id : BASEX_ONLY)
        EXPECT_TRUE(visible(id)) << id;

    choose_mode(1);
    choose_mode(1);
    EXPECT_EQ(status(), "Use Base 2^n");
    for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX})
        EXPECT_FALSE(read_only(field)) << field;

    choose_mode(0);
    for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX})
        EXPECT_EQ(read_only(field), field != IDC_ASCII) << field;
}

TEST_F(Modes, SelectionChangeWithoutConfirmationIsIgnored)
{
    SendDlgItemMessageA(dialog, IDC_MODE, CB_SETCURSEL, 1, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MODE, CBN_SELCHANGE), (LPARAM)control(IDC_MODE));
    EXPECT_FALSE(state().pow2_mode);
    EXPECT_EQ(status(), "CHECKED HEX.");
}

TEST_F(Modes, ByteUnitFollowsTheBitCount)
{
    choose_mode(1);
    const struct {
        const char* n;
        const char* unit;
    } rule[] = {
        {"", "1"},
        {"0", "1"},
        {"8", "1"},
        {"9", "2"},
        {"16", "2"},
        {"17", "4"},
        {"32", "4"},
        {"33", "8"},
        {"64", "8"},
        {"65", "12"},
        {"100", "16"},
        // Past the 32-bit signed range of the rule: 4 x ceil(n / 32), no overflow.
        {"2147483616", "268435452"},
        {"2147483647", "268435456"},
        {"2147483648", "268435456"},
        {"4294967295", "536870912"},
    };
    for (const auto& r : rule) {
        SCOPED_TRACE(r.n);
        paste_over(IDC_POW2_BITS, r.n);
        EXPECT_EQ(text(IDC_BYTE_UNIT), r.unit);
    }
}

TEST_F(Modes, ByteUnitTypedByHandStaysUntilTheBitCountChanges)
{
    choose_mode(1);
    type_over(IDC_POW2_BITS, "33");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "8");
    type_over(IDC_BYTE_UNIT, "3");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "3");
    type(IDC_POW2_BITS, "4");  // 334 bits
    EXPECT_EQ(text(IDC_BYTE_UNIT), "44");
}

TEST(ByteUnitRule, NeverOverflowsAndGrowsWithTheBitCount)
{
    uint32_t previous = 0;
    for (uint64_t n = 0; n <= UINT32_MAX; n += 65537) {
        uint32_t unit = byte_unit_for_bits((uint32_t)n);
        EXPECT_GE(unit, previous);
        EXPECT_GE(uint64_t(unit) * 8, n);  // enough bytes for n bits
        previous = unit;
    }
    EXPECT_EQ(byte_unit_for_bits(UINT32_MAX), 536870912u);
}
