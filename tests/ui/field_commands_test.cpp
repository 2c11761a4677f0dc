// Editing the source field, choosing the source, Rev. HEX and Clear ALL.
#include "dialog_fixture.h"

using FieldCommands = MainDialog;

TEST_F(FieldCommands, EditOfTheSourceFieldRecomputesTheOtherTwo)
{
    set_radix("10");
    const struct {
        int radio;
        int field;
        const char* pasted;
        const char* hex;
        const char* ascii;
        const char* basex;
        const char* status;
        const char* counters;
    } cases[] = {
        {IDC_SRC_HEX, IDC_HEX, "41 42", "4142", "AB", "16706", "HEX Changed OK.", "4 2 5 15"},
        {IDC_SRC_ASCII, IDC_ASCII, "AB", "4142", "AB", "16706", "ASCII Changed OK.", "4 2 5 15"},
        {IDC_SRC_BASEX, IDC_BASEX, "256", "100", "\x01", "256", "BASE(X) Changed OK.", "3 2 3 9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pasted);
        select_source(c.radio);
        paste_over(c.field, c.pasted);
        EXPECT_EQ(text(IDC_HEX), c.hex);
        EXPECT_EQ(text(IDC_ASCII), c.ascii);
        EXPECT_EQ(text(IDC_BASEX), c.basex);
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(counters(), c.counters);
    }
}

TEST_F(FieldCommands, SourceButtonMakesOnlyItsFieldEditableAndConvertsNothing)
{
    type(IDC_HEX, "414243");
    const struct {
        int radio;
        int field;
        const char* status;
    } choices[] = {
        {IDC_SRC_ASCII, IDC_ASCII, "CHECKED ASCII."},
        {IDC_SRC_BASEX, IDC_BASEX, "CHECKED Base(X)."},
        {IDC_SRC_HEX, IDC_HEX, "CHECKED HEX."},
    };
    for (const auto& c : choices) {
        SCOPED_TRACE(c.status);
        click(c.radio);
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(state().source_field, c.field);
        for (const auto& other : choices) {
            EXPECT_EQ(read_only(other.field), other.field != c.field) << other.field;
            EXPECT_EQ(checked(other.radio), other.radio == c.radio) << other.radio;
        }
        EXPECT_EQ(text(IDC_HEX), "414243");
        EXPECT_EQ(text(IDC_ASCII), "ABC");
        EXPECT_EQ(text(IDC_BASEX), "QUJD");
        EXPECT_EQ(counters(), "6 3 4 23");
    }
}

TEST_F(FieldCommands, RevHexReversesTheByteOrderOfTheLastHexText)
{
    const struct {
        const char* hex;
        const char* reversed;
    } cases[] = {
        {"A1B2C3", "C3B2A1"},
        {"ABC", "BC0A"},
        {"12345", "452301"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex);
        type_over(IDC_HEX, c.hex);
        click(IDC_REV_HEX);
        EXPECT_EQ(text(IDC_HEX), c.reversed);
        EXPECT_EQ(status(), "HEX String Reversed.");
        EXPECT_EQ(engine().hex(), c.reversed);
    }
}

TEST_F(FieldCommands, RevHexOfTwoCharactersOrFewerDoesNothing)
{
    for (const char* hex : {"", "7", "AB"}) {
        SCOPED_TRACE(hex);
        type_over(IDC_HEX, hex[0] ? hex : "\b");
        SetDlgItemTextA(dialog, IDC_STATUS, "before");
        click(IDC_REV_HEX);
        EXPECT_EQ(status(), "before");
        EXPECT_EQ(text(IDC_HEX), hex);
    }
}

TEST_F(FieldCommands, RevHexWithAsciiSourceRecomputesAsciiAndKeepsItTheSource)
{
    select_source(IDC_SRC_ASCII);
    type(IDC_ASCII, "ABC");
    click(IDC_REV_HEX);
    EXPECT_EQ(text(IDC_HEX), "434241");
    EXPECT_EQ(text(IDC_ASCII), "CBA");
    EXPECT_EQ(text(IDC_BASEX), "Q0JB");
    EXPECT_EQ(status(), "HEX String Reversed.");
    EXPECT_EQ(state().source_field, IDC_ASCII);
    EXPECT_FALSE(read_only(IDC_ASCII));
    EXPECT_TRUE(read_only(IDC_HEX));

    append(IDC_ASCII, "D");  // the ASCII field still drives the others
    EXPECT_EQ(text(IDC_HEX), "43424144");
}

TEST_F(FieldCommands, ClearAllEmptiesFieldsAndCountersButKeepsTheBitCount)
{
    set_radix("10");
    type(IDC_HEX, "4142");
    ASSERT_EQ(counters(), "4 2 5 15");
    click(IDC_CLEAR_ALL);
    for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX})
        EXPECT_EQ(text(field), "") << field;
    EXPECT_EQ(counters(), "0 0 0 15");
    EXPECT_EQ(status(), "Idle.");
    EXPECT_EQ(engine().hex(), "");
    EXPECT_EQ(engine().radix(), 10u);
    EXPECT_EQ(state().source_field, IDC_HEX);

    click(IDC_REV_HEX);  // nothing left to reverse
    EXPECT_EQ(status(), "Idle.");
    EXPECT_EQ(text(IDC_HEX), "");
}
