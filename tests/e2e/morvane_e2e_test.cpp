// The real program, started as its own process and driven through its window messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "morvane_process.h"
#include "ui/resource.h"

class Morvane : public ::testing::Test {
protected:
    morvane_process program = {};
    HWND dialog = nullptr;

    void SetUp() override
    {
        program = start_morvane();
        dialog = program.dialog;
        ASSERT_NE(dialog, nullptr) << "no dialog window of " << MORVANE_EXE;
    }
    // Esc as the keyboard delivers it: posted, so that the dialog's own loop sees the window go.
    void TearDown() override
    {
        if (dialog && IsWindow(dialog)) {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            EXPECT_EQ(wait_for_exit(program, 10000), 0);
        }
        finish(program);
    }

    std::string text(int id) const { return control_text(dialog, id); }
    std::string status() const { return text(IDC_STATUS); }
    std::string counters() const
    {
        return text(IDC_HEX_COUNT) + " " + text(IDC_BYTE_COUNT) + " " + text(IDC_BASEX_COUNT) + " " +
               text(IDC_BIGNUM_BITS);
    }
    void type(int id, const char* keys) { type_text(dialog, id, keys); }
    void replace(int id, const char* keys) { replace_text(dialog, id, keys); }
    void click(int id) { click_button(dialog, id); }
    // Only the field given may be edited.
    void expect_only_editable(int field) const
    {
        for (int id : {IDC_HEX, IDC_ASCII, IDC_BASEX})
            EXPECT_EQ(is_read_only(dialog, id), id != field) << id;
    }
    void expect_all_editable() const
    {
        for (int id : {IDC_HEX, IDC_ASCII, IDC_BASEX})
            EXPECT_FALSE(is_read_only(dialog, id)) << id;
    }
};

static const int POW2_ONLY[] = {IDC_REV,       IDC_H2BIN,      IDC_BIN2H,    IDC_C2BIN, IDC_BYTE_UNIT_LABEL,
                                IDC_BYTE_UNIT, IDC_POW2_LABEL, IDC_POW2_BITS};
static const int BASEX_ONLY[] = {
    IDC_SRC_HEX,           IDC_SRC_ASCII,        IDC_SRC_BASEX,   IDC_DEFAULT_TABLE_TEXT, IDC_CUSTOM_TABLE_TEXT,
    IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_BASE_NUMBER, IDC_BASE_RANGE_LABEL};

TEST_F(Morvane, OpensWith34ControlsInBaseXModeRadix64AndHexAsSource)
{
    EXPECT_EQ(child_count(dialog), 34);
    EXPECT_EQ(status(), "CHECKED HEX.");
    EXPECT_EQ(text(IDC_BASE_NUMBER), "64");
    EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "");
    EXPECT_EQ(text(IDC_POW2_BITS), "32");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "4");
    EXPECT_EQ(counters(), "0 0 0 0");
    expect_only_editable(IDC_HEX);
    for (int id : BASEX_ONLY)
        EXPECT_TRUE(is_visible(dialog, id)) << id;
    for (int id : POW2_ONLY)
        EXPECT_FALSE(is_visible(dialog, id)) << id;
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_MODE, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_SRC_HEX, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_USE_DEFAULT_TABLE, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Morvane, EachSourceFieldDrivesTheOtherTwo)
{
    replace(IDC_BASE_NUMBER, "10");
    const struct {
        int radio;
        int field;
        const char* entered;
        const char* hex;
        const char* ascii;
        const char* basex;
        const char* status;
        const char* counters;
    } cases[] = {
        {IDC_SRC_HEX, IDC_HEX, "41 42", "4142", "AB", "16706", "HEX Changed OK.", "4 2 5 15"},
        {IDC_SRC_ASCII, IDC_ASCII, "ABC", "414243", "ABC", "4276803", "ASCII Changed OK.", "6 3 7 23"},
        {IDC_SRC_BASEX, IDC_BASEX, "256", "100", "\x01", "256", "BASE(X) Changed OK.", "3 2 3 9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entered);
        click(c.radio);
        expect_only_editable(c.field);
        replace(c.field, c.entered);
        EXPECT_EQ(text(IDC_HEX), c.hex);
        EXPECT_EQ(text(IDC_ASCII), c.ascii);
        EXPECT_EQ(text(IDC_BASEX), c.basex);
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(counters(), c.counters);
    }
}

TEST_F(Morvane, RadixTypedAsOneThenSixIsRefusedThenTaken)
{
    type(IDC_HEX, "0041");
    replace(IDC_BASE_NUMBER, "1");
    EXPECT_EQ(status(), "Invalid Base Number, should be [2,60] or 64.");
    EXPECT_EQ(text(IDC_BASEX), "AEE");
    type(IDC_BASE_NUMBER, "6");
    EXPECT_EQ(status(), "Not enough chars for custom base table ...");
    EXPECT_EQ(text(IDC_BASEX), "41");
    EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), "0123456789ABCDEF");

    for (const char* invalid : {"", "0", "61", "63", "65", "99"}) {
        SCOPED_TRACE(invalid);
        replace(IDC_BASE_NUMBER, invalid);
        EXPECT_EQ(status(), "Invalid Base Number, should be [2,60] or 64.");
        EXPECT_EQ(text(IDC_BASEX), "41");
        EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), "0123456789ABCDEF");
    }
    replace(IDC_BASE_NUMBER, "07");
    EXPECT_EQ(text(IDC_BASEX), "122");  // 65 in radix 7
    EXPECT_EQ(text(IDC_DEFAULT_TABLE_TEXT), "0123456");
}

TEST_F(Morvane, CustomAlphabetIsTypedStoredChosenAndRefusedWithRepeats)
{
    replace(IDC_BASE_NUMBER, "4");
    type(IDC_HEX, "1B");
    EXPECT_EQ(text(IDC_BASEX), "123");
    for (const char* key : {"w", "x", "y"}) {
        type(IDC_CUSTOM_TABLE_TEXT, key);
        EXPECT_EQ(status(), "Not enough chars for custom base table ...") << key;
    }
    type(IDC_CUSTOM_TABLE_TEXT, "z");
    EXPECT_EQ(status(), "Custom base table updated ...");
    type(IDC_CUSTOM_TABLE_TEXT, "q");  // limited to the radix
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "wxyz");

    click(IDC_USE_CUSTOM_TABLE);
    EXPECT_EQ(status(), "Using custom base table.");
    EXPECT_EQ(text(IDC_BASEX), "xyz");

    replace(IDC_CUSTOM_TABLE_TEXT, "abab");
    EXPECT_EQ(status(), "Custom base table has repeated chars ...");
    EXPECT_EQ(text(IDC_BASEX), "xyz");
    click(IDC_USE_CUSTOM_TABLE);
    EXPECT_EQ(status(), "Custom base table is not full.");

    click(IDC_USE_DEFAULT_TABLE);
    EXPECT_EQ(status(), "Using default base table.");
    EXPECT_EQ(text(IDC_BASEX), "123");
}

TEST_F(Morvane, StoredAlphabetReturnsWithItsRadix)
{
    replace(IDC_BASE_NUMBER, "16");
    replace(IDC_CUSTOM_TABLE_TEXT, "ghijklmnopqrstuv");
    EXPECT_EQ(status(), "Custom base table updated ...");
    replace(IDC_BASE_NUMBER, "10");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "");
    EXPECT_EQ(status(), "Not enough chars for custom base table ...");
    replace(IDC_BASE_NUMBER, "16");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "ghijklmnopqrstuv");
    EXPECT_EQ(status(), "Custom base table updated ...");
}

TEST_F(Morvane, UseCustomBeforeAnyAlphabetReportsAndKeepsTheFields)
{
    type(IDC_HEX, "414243");
    click(IDC_USE_CUSTOM_TABLE);
    EXPECT_EQ(status(), "Custom base table is not full.");
    EXPECT_EQ(text(IDC_BASEX), "QUJD");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_USE_CUSTOM_TABLE, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Morvane, BaseXSourceIsReadAgainAfterARadixChange)
{
    replace(IDC_BASE_NUMBER, "10");
    click(IDC_SRC_BASEX);
    type(IDC_BASEX, "1239");
    replace(IDC_BASE_NUMBER, "8");
    EXPECT_EQ(text(IDC_BASEX), "123");
    EXPECT_EQ(text(IDC_HEX), "53");
    EXPECT_EQ(text(IDC_ASCII), "S");
}

TEST_F(Morvane, RevHexFromAsciiSourceAndClearAll)
{
    click(IDC_SRC_ASCII);
    type(IDC_ASCII, "ABC");
    click(IDC_REV_HEX);
    EXPECT_EQ(status(), "HEX String Reversed.");
    EXPECT_EQ(text(IDC_HEX), "434241");
    EXPECT_EQ(text(IDC_ASCII), "CBA");
    expect_only_editable(IDC_ASCII);

    click(IDC_CLEAR_ALL);
    EXPECT_EQ(status(), "Idle.");
    for (int id : {IDC_HEX, IDC_ASCII, IDC_BASEX})
        EXPECT_EQ(text(id), "") << id;
    EXPECT_EQ(counters(), "0 0 0 23");
    click(IDC_REV_HEX);
    EXPECT_EQ(status(), "Idle.");
}

TEST_F(Morvane, Base2nModeUnlocksIndependentFieldsAndItsButtonsReverse)
{
    type(IDC_HEX, "414243");
    choose_mode(dialog, 1);
    EXPECT_EQ(status(), "Use Base 2^n");
    expect_all_editable();
    for (int id : POW2_ONLY)
        EXPECT_TRUE(is_visible(dialog, id)) << id;
    for (int id : BASEX_ONLY)
        EXPECT_FALSE(is_visible(dialog, id)) << id;

    type(IDC_ASCII, "zz");
    type(IDC_HEX, "99");
    EXPECT_EQ(text(IDC_BASEX), "QUJD");
    EXPECT_EQ(counters(), "6 3 4 23");

    for (int button : {IDC_REV, IDC_H2BIN, IDC_BIN2H, IDC_C2BIN}) {
        SCOPED_TRACE(button);
        click(button);
        EXPECT_EQ(status(), "HEX String Reversed.");
        EXPECT_EQ(text(IDC_HEX), button == IDC_H2BIN || button == IDC_C2BIN ? "414243" : "434241");
    }
    replace(IDC_POW2_BITS, "33");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "8");
    replace(IDC_POW2_BITS, "100");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "16");
    // The n edit is narrow and takes no more digits than it shows; the program itself may still
    // put a long number there, and the rule must hold for it.
    SetDlgItemTextA(dialog, IDC_POW2_BITS, "4294967295");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "536870912") << "n = " << text(IDC_POW2_BITS);
    replace(IDC_BYTE_UNIT, "3");
    EXPECT_EQ(text(IDC_BYTE_UNIT), "3");
}

TEST_F(Morvane, ModeRoundTripAndRepeatedConfirmationKeepTheSource)
{
    click(IDC_SRC_BASEX);
    choose_mode(dialog, 0);  // already in force
    expect_only_editable(IDC_BASEX);
    EXPECT_EQ(status(), "CHECKED Base(X).");

    choose_mode(dialog, 1);
    choose_mode(dialog, 1);
    expect_all_editable();
    choose_mode(dialog, 0);
    EXPECT_EQ(status(), "Use base x (2 - 64)");
    expect_only_editable(IDC_BASEX);
    for (int id : BASEX_ONLY)
        EXPECT_TRUE(is_visible(dialog, id)) << id;
}

TEST_F(Morvane, KilobytesOfHexConvertToRadix10)
{
    replace(IDC_BASE_NUMBER, "10");
    std::string hex(2000, 'F');  // 2^8000 - 1 has 2409 decimal digits
    replace(IDC_HEX, hex.c_str());
    EXPECT_EQ(counters(), "2000 1000 2409 8000");
    std::string basex = text(IDC_BASEX);
    EXPECT_EQ(basex.size(), 2409u);
    EXPECT_EQ(basex.substr(basex.size() - 4), "9375");  // 2^8000 ends in ...9376
}

TEST(MorvaneStart, ArgumentsAreIgnored)
{
    morvane_process program = start_morvane("--radix 10 C:\\data.bin");
    ASSERT_NE(program.dialog, nullptr);
    RECT plain = {}, with_arguments = {};
    GetWindowRect(program.dialog, &with_arguments);
    EXPECT_EQ(control_text(program.dialog, IDC_BASE_NUMBER), "64");
    EXPECT_EQ(control_text(program.dialog, IDC_STATUS), "CHECKED HEX.");
    PostMessageA(program.dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(wait_for_exit(program, 10000), 0);
    finish(program);

    program = start_morvane();
    ASSERT_NE(program.dialog, nullptr);
    GetWindowRect(program.dialog, &plain);
    EXPECT_TRUE(EqualRect(&plain, &with_arguments));
    PostMessageA(program.dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(wait_for_exit(program, 10000), 0);
    finish(program);
}

// Posted as the keyboard and the mouse deliver them, and sent as task managers and automation tools
// do: a sent close is handled inside the dialog's wait for messages, with nothing posted after it.
TEST(MorvaneExit, EveryWayOfClosingEndsTheProgramWithCode0)
{
    const struct {
        const char* how;
        UINT message;
        WPARAM wparam;
        bool sent;
    } ways[] = {
        {"Esc, posted", WM_COMMAND, IDCANCEL, false},
        {"WM_CLOSE, posted", WM_CLOSE, 0, false},
        {"close box, posted", WM_SYSCOMMAND, SC_CLOSE, false},
        {"IDCANCEL, sent", WM_COMMAND, IDCANCEL, true},
        {"WM_CLOSE, sent", WM_CLOSE, 0, true},
        {"SC_CLOSE, sent", WM_SYSCOMMAND, SC_CLOSE, true},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        morvane_process program = start_morvane();
        ASSERT_NE(program.dialog, nullptr);
        type_text(program.dialog, IDC_HEX, "414243");
        if (way.sent) {
            DWORD_PTR answer = 0;
            EXPECT_NE(SendMessageTimeoutA(program.dialog, way.message, way.wparam, 0, SMTO_NORMAL, 5000, &answer), 0);
        } else {
            PostMessageA(program.dialog, way.message, way.wparam, 0);
        }
        EXPECT_EQ(wait_for_exit(program, 5000), 0);
        finish(program);
    }
}

// The fields at full capacity, in the radixes whose texts Wine lays out slowest: a paste of 65,534 hex
// digits from another program, then keys over the last and the first digit; and a paste through the
// clipboard into the BASE(X) source.
TEST_F(Morvane, FullCapacityPastesAndKeysInRadix10And2)
{
    const std::string all_f(65534, 'F');
    const struct {
        const char* radix;
        size_t length;        // of the BASE(X) text each time
        const char* head[3];  // its start after the paste, the last key, the first key
        const char* tail[3];  // its end
    } cases[] = {
        // 2^262136 - 1, then minus 8, then minus 2^262135
        {"10",
         78911,
         {"629424108392", "629424108392", "314712054196"},
         {"148180852735", "148180852727", "074090426359"}},
        {"2", 262136, {"1111", "1111", "111"}, {"1111", "0111", "0111"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radix);
        replace(IDC_BASE_NUMBER, c.radix);
        replace(IDC_HEX, all_f.c_str());
        HWND hex = GetDlgItem(dialog, IDC_HEX);
        for (int step = 0; step < 3; ++step) {
            if (step == 1)
                SendMessageA(hex, EM_SETSEL, 65533, 65534);
            if (step == 2)
                SendMessageA(hex, EM_SETSEL, 0, 1);
            if (step > 0)
                SendMessageA(hex, WM_CHAR, '7', 1);
            const std::string basex = text(IDC_BASEX);
            const size_t length = step == 2 && std::string(c.radix) == "2" ? c.length - 1 : c.length;
            ASSERT_EQ(basex.size(), length) << "step " << step;
            EXPECT_EQ(basex.substr(0, std::strlen(c.head[step])), c.head[step]) << "step " << step;
            EXPECT_EQ(basex.substr(length - std::strlen(c.tail[step])), c.tail[step]) << "step " << step;
            EXPECT_EQ(text(IDC_BYTE_COUNT), "32767");
            EXPECT_EQ(text(IDC_BIGNUM_BITS), step == 2 ? "262135" : "262136");
            EXPECT_EQ(status(), "HEX Changed OK.");
        }
        EXPECT_EQ(text(IDC_HEX), "7" + std::string(65532, 'F') + "7");
    }

    // 10^65534 - 1 pasted from the clipboard into the BASE(X) source
    replace(IDC_BASE_NUMBER, "10");
    click(IDC_SRC_BASEX);
    const std::string nines(65534, '9');
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, nines.size() + 1);
    std::memcpy(GlobalLock(block), nines.c_str(), nines.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    HWND basex = GetDlgItem(dialog, IDC_BASEX);
    SendMessageA(basex, EM_SETSEL, 0, -1);
    SendMessageA(basex, WM_PASTE, 0, 0);
    EXPECT_EQ(text(IDC_BASEX), nines);
    EXPECT_EQ(counters(), "54425 27213 65534 217700");
    EXPECT_EQ(text(IDC_HEX).substr(0, 12), "96B97A4E0A4B");
    EXPECT_EQ(status(), "BASE(X) Changed OK.");
}

// Other programs' edits of a full HEX field that change nothing leave its text, caret and undo as they
// were, and raise what the control raises: an insertion refused at the limit refreshes the fields, a
// backspace at the start nothing. Their long WM_SETTEXT texts are laid out in pieces (one piece of
// 78,911 digits takes Wine minutes) and, as the control's own, raise nothing: no refresh.
TEST_F(Morvane, EditsOfNothingAndLongSetTextsAtFullCapacity)
{
    const std::string all_f(65534, 'F');
    replace(IDC_HEX, all_f.c_str());
    HWND hex = GetDlgItem(dialog, IDC_HEX);
    const std::string pasted = "AB";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, pasted.size() + 1);
    std::memcpy(GlobalLock(block), pasted.c_str(), pasted.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    const struct {
        const char* name;
        DWORD caret;
        UINT message;
        WPARAM wparam;
        const char* lparam;
        const char* status;  // after the status line was emptied
    } nothing[] = {
        {"a key in the middle", 30000, WM_CHAR, 'A', nullptr, "HEX Changed OK."},
        {"a paste in the middle", 40000, WM_PASTE, 0, nullptr, "HEX Changed OK."},
        {"an insertion at the start", 0, EM_REPLACESEL, TRUE, "12", "HEX Changed OK."},
        {"backspace at the start", 0, WM_CHAR, '\b', nullptr, ""},
    };
    for (const auto& c : nothing) {
        SCOPED_TRACE(c.name);
        SendMessageA(hex, EM_SETSEL, c.caret, (LPARAM)c.caret);
        SetDlgItemTextA(dialog, IDC_STATUS, "");
        SendMessageA(hex, c.message, c.wparam, (LPARAM)c.lparam);
        EXPECT_TRUE(text(IDC_HEX) == all_f);
        DWORD start = 0, end = 0;
        SendMessageA(hex, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, c.caret);
        EXPECT_EQ(end, c.caret);
        EXPECT_EQ(status(), c.status);
        EXPECT_EQ(counters(), "65534 32767 43690 262136");
    }

    std::string digits(78911, '0'), hex_digits(65534, '0');
    for (size_t i = 0; i < digits.size(); ++i)
        digits[i] = char('0' + (i * 7 + i / 13) % 10);
    for (size_t i = 0; i < hex_digits.size(); ++i)
        hex_digits[i] = "0123456789ABCDEF"[(i * 5 + i / 11) % 16];
    const struct {
        int id;
        const std::string& text;
    } set_texts[] = {{IDC_BASEX, digits}, {IDC_HEX, hex_digits}};
    const std::string ascii = text(IDC_ASCII);
    for (const auto& c : set_texts) {
        SCOPED_TRACE(c.id);
        HWND field = GetDlgItem(dialog, c.id);
        SendMessageA(field, EM_SETSEL, 100, 200);
        SetDlgItemTextA(dialog, IDC_STATUS, "");
        EXPECT_EQ(SendMessageA(field, WM_SETTEXT, 0, (LPARAM)c.text.c_str()), TRUE);
        EXPECT_TRUE(text(c.id) == c.text);
        DWORD start = 1, end = 1;
        SendMessageA(field, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start + end, 0u);
        EXPECT_FALSE(SendMessageA(field, EM_GETMODIFY, 0, 0));
        EXPECT_FALSE(SendMessageA(field, EM_CANUNDO, 0, 0));
        EXPECT_EQ(status(), "");
        EXPECT_EQ(counters(), "65534 32767 43690 262136");
        EXPECT_TRUE(text(IDC_ASCII) == ascii);
    }
}
