// The refresh cycle against the main dialog's template: the real controls under Windows, the
// headless layer natively. The dialog procedure does nothing but record notifications. Last, the status
// texts that the refresh and the commands write.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "ui/dialog_state.h"
#include "ui/field_text.h"
#include "ui/refresh.h"
#include "ui/resource.h"
#include "ui/status_texts.h"

namespace {

std::vector<std::pair<int, int>> notifications;  // (control id, code) of every WM_COMMAND

INT_PTR CALLBACK recording_proc(HWND, UINT message, WPARAM wparam, LPARAM)
{
    if (message == WM_COMMAND)
        notifications.push_back({LOWORD(wparam), HIWORD(wparam)});
    return FALSE;
}

std::string text_of(HWND dialog, int id)
{
    static std::vector<char> buffer(300000);
    UINT n = GetDlgItemTextA(dialog, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), n);
}

// What the dialog shows after a refresh.
struct View {
    std::string hex, ascii, basex, status;
    std::string counts;  // "HEX bytes BASE(X) bits"
};

View view_of(HWND dialog)
{
    return {text_of(dialog, IDC_HEX), text_of(dialog, IDC_ASCII), text_of(dialog, IDC_BASEX),
            text_of(dialog, IDC_STATUS),
            text_of(dialog, IDC_HEX_COUNT) + " " + text_of(dialog, IDC_BYTE_COUNT) + " " +
                text_of(dialog, IDC_BASEX_COUNT) + " " + text_of(dialog, IDC_BIGNUM_BITS)};
}

class RefreshCycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
        ASSERT_NE(dialog, nullptr);
        state = &attach_dialog_state(dialog);  // radix 64, default alphabet
        notifications.clear();
    }
    void TearDown() override
    {
        if (dialog) {
            release_dialog_state(dialog);
            DestroyWindow(dialog);
        }
    }

    conversion_engine& engine() const { return *state->engine; }

    // Puts the text into the field as the program does, then runs the cycle from that field.
    View refresh(int field, const std::string& text, uint32_t radix,
                 alphabet_choice alphabet = alphabet_choice::default_alphabet)
    {
        engine().change_radix(radix);
        engine().choose_alphabet(alphabet);
        set_field_text(dialog, field, text.c_str());
        refresh_from_field(dialog, field);
        return view_of(dialog);
    }

    HWND dialog = nullptr;
    dialog_state* state = nullptr;
};

const alphabet_choice CUSTOM = alphabet_choice::custom_alphabet;

struct FieldCase {
    int field;
    uint32_t radix;
    std::string in;
    View out;
};

void expect_view(const View& got, const View& want, const std::string& where)
{
    EXPECT_EQ(got.hex, want.hex) << where;
    EXPECT_EQ(got.ascii, want.ascii) << where;
    EXPECT_EQ(got.basex, want.basex) << where;
    EXPECT_EQ(got.status, want.status) << where;
    EXPECT_EQ(got.counts, want.counts) << "HEX bytes BASE(X) bits; " << where;
}

const char* HEX_OK = "HEX Changed OK.";
const char* ASCII_OK = "ASCII Changed OK.";
const char* BASEX_OK = "BASE(X) Changed OK.";
const char* TOO_BIG = "BASE(X) too big, should be at most 32767 bytes.";

TEST_F(RefreshCycle, FieldsCountersAndStatusForEachSource)
{
    const FieldCase cases[] = {
        {IDC_HEX, 10, "41 42", {"4142", "AB", "16706", HEX_OK, "4 2 5 15"}},
        {IDC_HEX, 10, "", {"", "", "", HEX_OK, "0 0 0 0"}},
        {IDC_HEX, 16, "7", {"7", "\x07", "", HEX_OK, "1 1 0 3"}},
        {IDC_HEX, 16, "0001", {"0001", "", "1", HEX_OK, "4 2 1 1"}},
        {IDC_HEX, 60, "0001", {"0001", "", "1", HEX_OK, "4 2 1 1"}},
        {IDC_HEX, 2, "0001", {"0001", "", "1", HEX_OK, "4 2 1 1"}},
        {IDC_HEX, 64, "4d61\r\n6e", {"4d616e", "Man", "TWFu", HEX_OK, "6 3 4 23"}},
        {IDC_ASCII, 64, "AB", {"4142", "AB", "QUI", ASCII_OK, "4 2 3 15"}},
        {IDC_ASCII, 10, "AB", {"4142", "AB", "16706", ASCII_OK, "4 2 5 15"}},
        {IDC_ASCII, 10, "", {"", "", "", ASCII_OK, "0 0 0 0"}},
        {IDC_ASCII, 16, "\xC3\xA9\xE0\xFF", {"C3A9E0FF", "\xC3\xA9\xE0\xFF", "C3A9E0FF", ASCII_OK, "8 4 8 32"}},
        {IDC_HEX, 64, "e9fe", {"e9fe", "\xE9\xFE", "6f4", HEX_OK, "4 2 3 16"}},
        {IDC_BASEX, 10, "256", {"100", "\x01", "256", BASEX_OK, "3 2 3 9"}},
        {IDC_BASEX, 10, "", {"0", "", "", BASEX_OK, "1 1 0 0"}},
        {IDC_BASEX, 64, "", {"", "", "", BASEX_OK, "0 0 0 0"}},
        {IDC_BASEX, 10, "2 5\r\n6x", {"100", "\x01", "256", BASEX_OK, "3 2 3 9"}},
        {IDC_BASEX, 64, "TW Fu==", {"4D616E", "Man", "TWFu", BASEX_OK, "6 3 4 23"}},
        {IDC_BASEX, 36, "az", {"0", "", "", BASEX_OK, "1 1 0 0"}},  // no digit of radix 36 is left
    };
    for (const auto& c : cases) {
        View got = refresh(c.field, c.in, c.radix);
        expect_view(got, c.out, std::to_string(c.field) + " '" + c.in + "' radix " + std::to_string(c.radix));
    }
}

TEST_F(RefreshCycle, HexFieldKeepsHexDigitsOnly)
{
    // A leading "-" is removed like any other character that is no hex digit.
    const FieldCase cases[] = {
        {IDC_HEX, 10, "-12", {"12", "\x12", "18", HEX_OK, "2 1 2 5"}},
        {IDC_HEX, 64, "-4142", {"4142", "AB", "QUI", HEX_OK, "4 2 3 15"}},
        {IDC_HEX, 16, "-", {"", "", "", HEX_OK, "0 0 0 0"}},
        {IDC_HEX, 10, "--1-2", {"12", "\x12", "18", HEX_OK, "2 1 2 5"}},
    };
    for (const auto& c : cases)
        expect_view(refresh(c.field, c.in, c.radix), c.out, "'" + c.in + "'");
    // In custom-alphabet mode too: no sign character reaches the BASE(X) text.
    engine().change_radix(10);
    engine().store_custom_alphabet("abcdefghij", 10);
    View custom = refresh(IDC_HEX, "-12", 10, CUSTOM);
    EXPECT_EQ(custom.basex, "bi");
    EXPECT_EQ(custom.hex, "12");
}

// Where the caret of the field stands after a refresh from it: a program write of the field's text
// puts the caret back at the start, so an unneeded rewrite shows even when the text is the same.
std::pair<DWORD, DWORD> selection_after_refresh(HWND dialog, int field, const std::string& text)
{
    SetDlgItemTextA(dialog, field, text.c_str());
    SendDlgItemMessageA(dialog, field, EM_SETSEL, 2, 3);
    refresh_from_field(dialog, field);
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(dialog, field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

TEST_F(RefreshCycle, SourceFieldIsRewrittenOnlyWhenTheFilterRemovedSomething)
{
    using Sel = std::pair<DWORD, DWORD>;
    engine().change_radix(10);
    struct Case {
        int field;
        std::string in, shown;
        Sel selection;
    } cases[] = {
        {IDC_HEX, "abcd", "abcd", Sel(2, 3)},  // lower case is kept: nothing removed, no rewrite
        {IDC_HEX, "ab cd", "abcd", Sel(0, 0)},
        {IDC_ASCII, "a\tb c", "a\tb c", Sel(2, 3)},  // the ASCII field has no filter
        {IDC_BASEX, "1000", "1000", Sel(2, 3)},
        {IDC_BASEX, "1,000", "1000", Sel(0, 0)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(selection_after_refresh(dialog, c.field, c.in), c.selection) << c.field << " '" << c.in << "'";
        EXPECT_EQ(text_of(dialog, c.field), c.shown);
    }
    // A program write into a multi-line data field raises no notification: every write of the
    // cycle is silent.
    EXPECT_TRUE(notifications.empty()) << notifications.size() << " notifications, first from "
                                       << notifications[0].first;
}

TEST_F(RefreshCycle, AnyOtherFieldOnlyZeroesTheCounters)
{
    refresh(IDC_HEX, "4142", 10);
    SetDlgItemTextA(dialog, IDC_STATUS, "before");
    refresh_from_field(dialog, 0);
    View v = view_of(dialog);
    EXPECT_EQ(v.counts, "0 0 0 0");
    EXPECT_EQ(v.hex, "4142");
    EXPECT_EQ(v.ascii, "AB");
    EXPECT_EQ(v.basex, "16706");
    EXPECT_EQ(v.status, "before");
    EXPECT_FALSE(state->refreshing);
}

TEST_F(RefreshCycle, CallWhileARefreshRunsChangesNothing)
{
    refresh(IDC_HEX, "4142", 10);
    View before = view_of(dialog);
    std::string hex_before(engine().hex()), basex_before(engine().basex());
    SetDlgItemTextA(dialog, IDC_HEX, "FFFF");
    state->refreshing = true;
    for (int field : {IDC_HEX, IDC_ASCII, IDC_BASEX, 0})
        refresh_from_field(dialog, field);
    EXPECT_TRUE(state->refreshing);
    state->refreshing = false;
    View after = view_of(dialog);
    EXPECT_EQ(after.hex, "FFFF");
    before.hex = "FFFF";
    expect_view(after, before, "nested calls");
    EXPECT_EQ(std::string(engine().hex()), hex_before);
    EXPECT_EQ(std::string(engine().basex()), basex_before);
    EXPECT_EQ(std::string(engine().bytes()), "AB");
}

TEST_F(RefreshCycle, GuardIsClearAfterEveryPath)
{
    const std::pair<int, std::string> runs[] = {
        {IDC_HEX, "12"}, {IDC_ASCII, "x"}, {IDC_BASEX, "12"}, {IDC_BASEX, std::string(60000, 'x')}, {0, ""},
    };
    for (const auto& run : runs) {
        refresh(run.first, run.second, 60);
        EXPECT_FALSE(state->refreshing) << run.first;
    }
}

TEST_F(RefreshCycle, EveryRunStartsFromClearedBuffers)
{
    refresh(IDC_HEX, "FFFFFFFF", 2);
    View v = refresh(IDC_HEX, "01", 2);
    EXPECT_EQ(v.basex, "1");
    EXPECT_EQ(std::string(engine().basex()), "1");
    EXPECT_EQ(engine().basex().data()[2], '\0');
}

TEST_F(RefreshCycle, CustomAlphabetInForceForEachSource)
{
    engine().change_radix(2);
    engine().store_custom_alphabet("xy", 2);
    expect_view(refresh(IDC_HEX, "05", 2, CUSTOM), {"05", "\x05", "yxy", HEX_OK, "2 1 3 3"}, "HEX");
    expect_view(refresh(IDC_ASCII, "\x05", 2, CUSTOM), {"05", "\x05", "yxy", ASCII_OK, "2 1 3 3"}, "ASCII");
    expect_view(refresh(IDC_BASEX, "y1x0y", 2, CUSTOM), {"5", "\x05", "yxy", BASEX_OK, "1 1 3 3"}, "BASE(X)");
}

TEST_F(RefreshCycle, BasexValueBeyondTheDataLimitIsRefused)
{
    struct Case {
        uint32_t radix;
        std::string in, kept;
    } cases[] = {
        {64, std::string(43691, 'A'), std::string(43691, 'A')},
        {60, std::string(65534, 'x'), std::string(65534, 'x')},
        {60, std::string(400, 'x') + " \r\n" + std::string(400, 'x') + std::string(65000, 'w'),
         std::string(800, 'x') + std::string(65000, 'w')},  // filtered first, then refused
        {10, "1" + std::string(80000, '0'), "1" + std::string(80000, '0')},
    };
    for (const auto& c : cases) {
        View v = refresh(IDC_BASEX, c.in, c.radix);
        std::string where = "radix " + std::to_string(c.radix) + ", " + std::to_string(c.in.size()) + " chars";
        EXPECT_EQ(v.status, TOO_BIG) << where;
        EXPECT_EQ(v.basex, c.kept) << where;
        EXPECT_EQ(v.hex, "") << where;
        EXPECT_EQ(v.ascii, "") << where;
        EXPECT_EQ(v.counts, "0 0 " + std::to_string(c.kept.size()) + " 0") << where;
        EXPECT_FALSE(state->refreshing);
    }
}

TEST_F(RefreshCycle, RadixChangeRereadingALongBinaryTextIsRefused)
{
    std::string ones(262136, '1');  // 32767 bytes of 0xFF in radix 2
    View two = refresh(IDC_BASEX, ones, 2);
    EXPECT_EQ(two.status, BASEX_OK);
    EXPECT_EQ(two.counts, "65534 32767 262136 262136");
    engine().change_radix(60);  // the radix command then refreshes from the same field
    refresh_from_field(dialog, IDC_BASEX);
    View sixty = view_of(dialog);
    EXPECT_EQ(sixty.status, TOO_BIG);
    EXPECT_EQ(sixty.basex.size(), ones.size());
    EXPECT_EQ(sixty.hex, "");
    EXPECT_EQ(sixty.counts, "0 0 262136 0");
}

TEST_F(RefreshCycle, FullCapacityHexConvertsInEveryRadixKind)
{
    std::string all_ff(65534, 'F');
    for (uint32_t radix : {64u, 16u, 10u, 2u}) {
        View v = refresh(IDC_HEX, all_ff, radix);
        EXPECT_EQ(v.status, HEX_OK) << radix;
        EXPECT_EQ(text_of(dialog, IDC_HEX_COUNT), "65534") << radix;
        EXPECT_EQ(text_of(dialog, IDC_BYTE_COUNT), "32767") << radix;
        EXPECT_EQ(text_of(dialog, IDC_BIGNUM_BITS), "262136") << radix;
        View back = refresh(IDC_BASEX, v.basex, radix);
        EXPECT_EQ(back.hex, all_ff) << radix;
    }
}

// Typing stops at 32767 characters, but another program can put more into the field: the cycle takes
// no more than the data limit, so the HEX text made from it still fits its buffer.
TEST_F(RefreshCycle, AsciiTextBeyondTheDataLimitIsTakenUpToTheLimit)
{
    View v = refresh(IDC_ASCII, std::string(40000, 'Z'), 16);
    EXPECT_EQ(v.status, ASCII_OK);
    std::string hex_of_limit;
    for (int i = 0; i < 32767; ++i)
        hex_of_limit += "5A";
    EXPECT_EQ(v.hex, hex_of_limit);
    EXPECT_EQ(v.counts, "65534 32767 65534 262135");
}

TEST_F(RefreshCycle, RefusedValueThroughRealControls)
{
    View v = refresh(IDC_BASEX, std::string(43691, 'A'), 64);
    EXPECT_EQ(v.status, TOO_BIG);
    EXPECT_EQ(v.basex.size(), 43691u);
    EXPECT_EQ(v.hex, "");
    EXPECT_EQ(v.ascii, "");
    EXPECT_EQ(v.counts, "0 0 43691 0");
}

TEST(StatusTexts, EachOutcomeHasItsText)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {status_text(conversion_status::cleared), "Idle."},
        {status_text(conversion_status::hex_changed), "HEX Changed OK."},
        {status_text(conversion_status::ascii_changed), "ASCII Changed OK."},
        {status_text(conversion_status::basex_changed), "BASE(X) Changed OK."},
        {status_text(conversion_status::basex_too_big), "BASE(X) too big, should be at most 32767 bytes."},
        {status_text(radix_outcome::changed), "Base Number Changed."},
        {status_text(radix_outcome::invalid), "Invalid Base Number, should be [2,60] or 64."},
        {status_text(alphabet_outcome::not_enough_chars), "Not enough chars for custom base table ..."},
        {status_text(alphabet_outcome::repeated_chars), "Custom base table has repeated chars ..."},
        {status_text(alphabet_outcome::stored), "Custom base table updated ..."},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.text, c.expected);
}

}  // namespace
