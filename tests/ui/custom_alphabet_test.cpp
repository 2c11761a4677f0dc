// The custom alphabet: typed, stored per radix, chosen with the table radio buttons.
#include "dialog_fixture.h"

using CustomAlphabet = MainDialog;

TEST_F(CustomAlphabet, IsStoredOnlyWhenTheRadixthCharacterIsTyped)
{
    set_radix("4");
    const char* keys = "wxyz";
    for (int i = 0; i < 3; ++i) {
        char key[2] = {keys[i], 0};
        type(IDC_CUSTOM_TABLE_TEXT, key);
        EXPECT_EQ(status(), "Not enough chars for custom base table ...") << i;
        EXPECT_FALSE(engine().custom_alphabet_ready()) << i;
        EXPECT_STREQ(engine().custom_alphabet_in_force().chars, "") << i;
    }
    type(IDC_CUSTOM_TABLE_TEXT, "z");
    EXPECT_EQ(status(), "Custom base table updated ...");
    EXPECT_TRUE(engine().custom_alphabet_ready());
    EXPECT_STREQ(engine().custom_alphabet_in_force().chars, "wxyz");

    type(IDC_CUSTOM_TABLE_TEXT, "q");  // the edit is full
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "wxyz");
}

TEST_F(CustomAlphabet, TableButtonsSwitchTheBaseXFieldBetweenTheAlphabets)
{
    set_radix("4");
    type(IDC_HEX, "1B");  // 27 is 123 in radix 4
    type(IDC_CUSTOM_TABLE_TEXT, "wxyz");
    EXPECT_EQ(text(IDC_BASEX), "123");  // the default table is still in force

    click(IDC_USE_CUSTOM_TABLE);
    EXPECT_EQ(status(), "Using custom base table.");
    EXPECT_EQ(engine().alphabet(), alphabet_choice::custom_alphabet);
    EXPECT_EQ(text(IDC_BASEX), "xyz");

    click(IDC_USE_DEFAULT_TABLE);
    EXPECT_EQ(status(), "Using default base table.");
    EXPECT_EQ(engine().alphabet(), alphabet_choice::default_alphabet);
    EXPECT_EQ(text(IDC_BASEX), "123");
}

TEST_F(CustomAlphabet, CustomBaseXSourceReadsBackInTheCustomAlphabet)
{
    set_radix("4");
    type(IDC_CUSTOM_TABLE_TEXT, "wxyz");
    click(IDC_USE_CUSTOM_TABLE);
    select_source(IDC_SRC_BASEX);
    type(IDC_BASEX, "xyzq");  // q is no digit of this alphabet
    EXPECT_EQ(text(IDC_BASEX), "xyz");
    EXPECT_EQ(text(IDC_HEX), "1B");
}

TEST_F(CustomAlphabet, ChoosingItBeforeAnyIsCompleteReportsAndConvertsNothing)
{
    type(IDC_HEX, "414243");
    const std::string basex = text(IDC_BASEX);
    click(IDC_USE_CUSTOM_TABLE);
    EXPECT_EQ(status(), "Custom base table is not full.");
    EXPECT_EQ(engine().alphabet(), alphabet_choice::custom_alphabet);
    EXPECT_TRUE(checked(IDC_USE_CUSTOM_TABLE));
    EXPECT_FALSE(checked(IDC_USE_DEFAULT_TABLE));
    EXPECT_EQ(text(IDC_BASEX), basex);
    EXPECT_EQ(text(IDC_ASCII), "ABC");
}

TEST_F(CustomAlphabet, StoredAlphabetComesBackWithItsRadix)
{
    set_radix("16");
    type(IDC_CUSTOM_TABLE_TEXT, "ghijklmnopqrstuv");
    ASSERT_TRUE(engine().custom_alphabet_ready());

    set_radix("10");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "");
    EXPECT_EQ(status(), "Not enough chars for custom base table ...");
    EXPECT_FALSE(engine().custom_alphabet_ready());

    set_radix("16");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "ghijklmnopqrstuv");
    EXPECT_EQ(status(), "Custom base table updated ...");
    EXPECT_TRUE(engine().custom_alphabet_ready());
}

// A repeated character would write two digit values alike and read them back as one: such a text
// is refused, and whatever was stored before stays in force.
TEST_F(CustomAlphabet, TextWithRepeatedCharactersIsRefused)
{
    const struct {
        const char* radix;
        const char* typed;
        const char* status;
    } cases[] = {
        {"4", "wxwz", "Custom base table has repeated chars ..."},
        {"4", "wwwz", "Custom base table has repeated chars ..."},
        {"4", "wxzz", "Custom base table has repeated chars ..."},
        {"2", "\xe9\xe9", "Custom base table has repeated chars ..."},
        {"4", "wxw", "Not enough chars for custom base table ..."},  // too short is reported first
        {"4", "aAbB", "Custom base table updated ..."},              // letters differ by case
        {"2", "\xe9\xea", "Custom base table updated ..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        set_radix(c.radix);
        type_over(IDC_CUSTOM_TABLE_TEXT, c.typed);
        EXPECT_EQ(status(), c.status);
        bool stored = std::string(c.status) == "Custom base table updated ...";
        EXPECT_EQ(engine().custom_alphabet_ready(), stored);
        EXPECT_EQ(std::string(engine().custom_alphabet_in_force().chars) == c.typed, stored);
    }
}

TEST_F(CustomAlphabet, RefusedTextKeepsTheStoredAlphabetAndTheTableMode)
{
    set_radix("4");
    type(IDC_HEX, "1B");
    type(IDC_CUSTOM_TABLE_TEXT, "wxyz");
    click(IDC_USE_CUSTOM_TABLE);
    ASSERT_EQ(text(IDC_BASEX), "xyz");

    type_over(IDC_CUSTOM_TABLE_TEXT, "abab");
    EXPECT_EQ(status(), "Custom base table has repeated chars ...");
    EXPECT_FALSE(engine().custom_alphabet_ready());
    EXPECT_STREQ(engine().custom_alphabet_in_force().chars, "wxyz");
    EXPECT_EQ(engine().alphabet(), alphabet_choice::custom_alphabet);
    EXPECT_EQ(text(IDC_BASEX), "xyz");

    click(IDC_USE_CUSTOM_TABLE);
    EXPECT_EQ(status(), "Custom base table is not full.");
}
