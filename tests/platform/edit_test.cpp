// Edit controls: which writes notify and how, nesting, limits, digits-only, read-only, selection,
// typed keys and the bytes a text may hold.
#include <cstring>
#include <string>

#include "tests/platform/recording_dialog.h"
#include "tests/platform/user_actions.h"
#include "ui/resource.h"

namespace {

const std::string UPDATE = std::to_string(EN_UPDATE), CHANGE = std::to_string(EN_CHANGE),
                  MAXTEXT = std::to_string(EN_MAXTEXT);

std::vector<std::string> change_pair(int id)
{
    return {std::to_string(id) + ":" + UPDATE, std::to_string(id) + ":" + CHANGE};
}

const int multi_line_edits[] = {IDC_HEX, IDC_ASCII, IDC_BASEX, IDC_STATUS};
const int single_line_edits[] = {IDC_BASE_NUMBER, IDC_DEFAULT_TABLE_TEXT, IDC_CUSTOM_TABLE_TEXT, IDC_POW2_BITS,
                                 IDC_BYTE_UNIT};

}  // namespace

using EditControl = RecordingDialog;

TEST_F(EditControl, ProgramWriteNotifiesSingleLineEditsAtOnceEvenForTheSameText)
{
    for (int id : single_line_edits) {
        for (int round = 0; round < 2; ++round) {  // the second write repeats the text
            recorded.clear();
            ASSERT_TRUE(SetDlgItemTextA(dialog, id, "12"));
            EXPECT_EQ(command_trace(), change_pair(id)) << id << " round " << round;
            ASSERT_EQ(recorded.size(), 2u);
            EXPECT_EQ(recorded[1].text, "12") << "new text readable in EN_CHANGE";
        }
    }
}

TEST_F(EditControl, ProgramWriteIntoMultiLineEditsNotifiesNothing)
{
    for (int id : multi_line_edits) {
        recorded.clear();
        SetDlgItemTextA(dialog, id, "12");
        SendMessageA(control(id), WM_SETTEXT, 0, (LPARAM) "34");
        SetDlgItemInt(dialog, id, 5, FALSE);
        EXPECT_TRUE(recorded.empty()) << id;
        EXPECT_EQ(text(id), "5");
    }
}

TEST_F(EditControl, NotificationOfAWriteMadeInsideAHandlerNestsInsideIt)
{
    reactions = {{IDC_BASE_NUMBER, EN_CHANGE, [](HWND d) { SetDlgItemTextA(d, IDC_CUSTOM_TABLE_TEXT, "xyz"); }}};
    SetDlgItemTextA(dialog, IDC_BASE_NUMBER, "7");
    ASSERT_EQ(recorded.size(), 4u);
    std::vector<std::string> expected = change_pair(IDC_BASE_NUMBER);
    for (const std::string& s : change_pair(IDC_CUSTOM_TABLE_TEXT))
        expected.push_back(s);
    EXPECT_EQ(command_trace(), expected);
    EXPECT_EQ(recorded[1].depth, 1);
    EXPECT_EQ(recorded[2].depth, 2);
    EXPECT_EQ(recorded[3].depth, 2);
    EXPECT_EQ(recorded[3].text, "xyz");
}

TEST_F(EditControl, WritingAnEditFromItsOwnChangeReentersWithoutAGuard)
{
    static int rewrites;
    rewrites = 0;
    reactions = {{IDC_POW2_BITS, EN_CHANGE, [](HWND d) {
                      if (rewrites++ < 2)
                          SetDlgItemTextA(d, IDC_POW2_BITS, rewrites == 1 ? "b" : "c");
                  }}};
    user_type(control(IDC_POW2_BITS), "1");
    std::vector<std::string> expected;
    for (int i = 0; i < 3; ++i)
        for (const std::string& s : change_pair(IDC_POW2_BITS))
            expected.push_back(s);
    EXPECT_EQ(command_trace(), expected);
    ASSERT_EQ(recorded.size(), 6u);
    EXPECT_EQ(recorded[1].depth, 1);
    EXPECT_EQ(recorded[3].depth, 2);
    EXPECT_EQ(recorded[5].depth, 3);
    EXPECT_EQ(recorded[5].text, "c");
    EXPECT_EQ(text(IDC_POW2_BITS), "c");
}

TEST_F(EditControl, TypingAndReplaceSelNotifyInEveryEdit)
{
    for (int id : multi_line_edits) {
        SendMessageA(control(id), EM_SETREADONLY, FALSE, 0);
        recorded.clear();
        user_type(control(id), "ab");
        SendMessageA(control(id), EM_REPLACESEL, TRUE, (LPARAM) "c");
        std::vector<std::string> expected;
        for (int i = 0; i < 3; ++i)
            for (const std::string& s : change_pair(id))
                expected.push_back(s);
        EXPECT_EQ(command_trace(), expected) << id;
        EXPECT_EQ(text(id), "abc") << id;
    }
}

TEST_F(EditControl, ReplaceSelOfNothingOverNothingIsSilent)
{
    SetDlgItemTextA(dialog, IDC_HEX, "ab");
    SendMessageA(control(IDC_HEX), EM_SETSEL, 1, 1);
    SendMessageA(control(IDC_HEX), EM_REPLACESEL, TRUE, (LPARAM) "");
    EXPECT_TRUE(recorded.empty());
    SendMessageA(control(IDC_HEX), EM_SETSEL, 0, 1);
    SendMessageA(control(IDC_HEX), EM_REPLACESEL, TRUE, (LPARAM) "");
    EXPECT_EQ(command_trace(), change_pair(IDC_HEX));
    EXPECT_EQ(text(IDC_HEX), "b");
}

TEST_F(EditControl, RequestRefusedWholeAtTheLimitStillRaisesTheChangePair)
{
    HWND edit = control(IDC_CUSTOM_TABLE_TEXT);
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "abc");
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    std::vector<std::string> expected = {std::to_string(IDC_CUSTOM_TABLE_TEXT) + ":" + MAXTEXT};
    for (const std::string& s : change_pair(IDC_CUSTOM_TABLE_TEXT))
        expected.push_back(s);
    recorded.clear();
    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM) "de");
    EXPECT_EQ(command_trace(), expected);
    recorded.clear();
    user_type(edit, "d");
    EXPECT_EQ(command_trace(), expected);
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "abc");
}

TEST_F(EditControl, LimitBoundsTypingAndReplaceSelButNotProgramWrites)
{
    struct limit_case {
        const char* name;
        const char* start_text;
        int limit, sel_start, sel_end;
        bool typed;  // typed one key at a time, else one EM_REPLACESEL
        const char* input;
        const char* expected;
        bool max_text;  // EN_MAXTEXT raised
    } const cases[] = {
        {"typing stops at the limit", "ab", 4, 2, 2, true, "xyz", "abxy", true},
        {"replacesel is cut to the room left", "ab", 4, 2, 2, false, "wxyz", "abwx", true},
        {"the selection's room counts", "abwx", 4, 1, 3, false, "QRS", "aQRx", true},
        {"typing over a selection at the limit", "abcd", 4, 0, 4, true, "z", "z", false},
        {"text over the limit stays, keys are refused", "abcdef", 4, 6, 6, true, "x", "abcdef", true},
        {"limit zero lifts the limit", "ab", 0, 2, 2, false, "cdefgh", "abcdefgh", false},
    };
    for (const limit_case& c : cases) {
        HWND edit = control(IDC_CUSTOM_TABLE_TEXT);
        SendMessageA(edit, EM_LIMITTEXT, 0, 0);
        SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, c.start_text);
        SendMessageA(edit, EM_LIMITTEXT, (WPARAM)c.limit, 0);
        SendMessageA(edit, EM_SETSEL, (WPARAM)c.sel_start, c.sel_end);
        recorded.clear();
        if (c.typed)
            user_type(edit, c.input);
        else
            SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)c.input);
        EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), c.expected) << c.name;
        bool saw_max_text = false;
        for (const recorded_message& r : recorded)
            saw_max_text |= r.code == EN_MAXTEXT;
        EXPECT_EQ(saw_max_text, c.max_text) << c.name;
    }
    // a program write ignores the limit
    SendMessageA(control(IDC_CUSTOM_TABLE_TEXT), EM_LIMITTEXT, 2, 0);
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "longer than two");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "longer than two");
}

TEST_F(EditControl, LimitDefaultsAndLimitZero)
{
    HWND single = control(IDC_CUSTOM_TABLE_TEXT), multi = control(IDC_HEX);
    EXPECT_EQ(SendMessageA(single, EM_GETLIMITTEXT, 0, 0), 30000);
    EXPECT_EQ(SendMessageA(multi, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(single, EM_LIMITTEXT, 65534, 0);
    EXPECT_EQ(SendMessageA(single, EM_GETLIMITTEXT, 0, 0), 65534);
    SendMessageA(single, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(single, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(EditControl, NumberStyleRefusesTypedNonDigitsSilentlyButNotOtherWrites)
{
    HWND number = control(IDC_BASE_NUMBER);
    user_type(number, "a1b2-");
    EXPECT_EQ(text(IDC_BASE_NUMBER), "12");
    std::vector<std::string> expected = change_pair(IDC_BASE_NUMBER);
    for (const std::string& s : change_pair(IDC_BASE_NUMBER))
        expected.push_back(s);
    EXPECT_EQ(command_trace(), expected) << "refused keys raise nothing";
    SendMessageA(number, EM_REPLACESEL, TRUE, (LPARAM) "x");
    EXPECT_EQ(text(IDC_BASE_NUMBER), "12x");
    SendMessageA(number, EM_SETSEL, 0, -1);
    user_paste(number, "q7");
    EXPECT_EQ(text(IDC_BASE_NUMBER), "q7");
    SetDlgItemTextA(dialog, IDC_BASE_NUMBER, "y9");
    EXPECT_EQ(text(IDC_BASE_NUMBER), "y9");
}

TEST_F(EditControl, PasteTakesOneLineIntoSingleLineEditsAndAllIntoMultiLineOnes)
{
    struct paste_case {
        int id;
        const char* pasted;
        const char* expected;
        bool notifies;  // pasting nothing over nothing is silent
    } const cases[] = {
        {IDC_CUSTOM_TABLE_TEXT, "a\r\nb", "a", true},      {IDC_CUSTOM_TABLE_TEXT, "x\ny", "x", true},
        {IDC_CUSTOM_TABLE_TEXT, "\r\nz", "", false},       {IDC_ASCII, "p\r\nq", "p\r\nq", true},
        {IDC_ASCII, "\x01\x7f\xff", "\x01\x7f\xff", true},
    };
    for (const paste_case& c : cases) {
        SendMessageA(control(c.id), EM_SETREADONLY, FALSE, 0);
        SetDlgItemTextA(dialog, c.id, "");
        recorded.clear();
        user_paste(control(c.id), c.pasted);
        EXPECT_EQ(text(c.id), c.expected) << c.id << " " << c.pasted;
        EXPECT_EQ(command_trace(), c.notifies ? change_pair(c.id) : std::vector<std::string>{})
            << c.id << " " << c.pasted;
    }
}

TEST_F(EditControl, ReadOnlyStyleFollowsSetReadOnlyAndBlocksOnlyTheUser)
{
    HWND hex = control(IDC_HEX);
    EXPECT_EQ(style(IDC_HEX) & ES_READONLY, 0);
    EXPECT_TRUE(SendMessageA(hex, EM_SETREADONLY, TRUE, 0));
    EXPECT_EQ(style(IDC_HEX) & ES_READONLY, ES_READONLY);
    SetDlgItemTextA(dialog, IDC_HEX, "ab");
    SendMessageA(hex, EM_SETSEL, 2, 2);
    recorded.clear();
    user_type(hex, "c\b\t");
    user_paste(hex, "pasted");
    EXPECT_EQ(text(IDC_HEX), "ab");
    EXPECT_TRUE(recorded.empty());
    SendMessageA(hex, EM_REPLACESEL, TRUE, (LPARAM) "d");
    EXPECT_EQ(text(IDC_HEX), "abd");
    SendMessageA(hex, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(style(IDC_HEX) & ES_READONLY, 0);
    user_type(hex, "e");
    EXPECT_EQ(text(IDC_HEX), "abde");
    // a read-only single-line edit still notifies the program's writes
    recorded.clear();
    SetDlgItemTextA(dialog, IDC_DEFAULT_TABLE_TEXT, "0123");
    EXPECT_EQ(command_trace(), change_pair(IDC_DEFAULT_TABLE_TEXT));
}

TEST_F(EditControl, EnterInAReadOnlyMultiLineEditOnlyMovesTheCaretToTheNextLine)
{
    struct enter_case {
        const char* text;
        int caret;
        DWORD expected;
    } const cases[] = {{"ab\r\ncd", 1, 4}, {"ab\r\ncd", 5, 4}, {"ab", 2, 0}, {"ab\r\ncd\r\nef", 0, 4}};
    HWND status = control(IDC_STATUS);
    for (const enter_case& c : cases) {
        SetDlgItemTextA(dialog, IDC_STATUS, c.text);
        SendMessageA(status, EM_SETSEL, (WPARAM)c.caret, c.caret);
        recorded.clear();
        user_type(status, "\r");
        DWORD start = 99, end = 99;
        SendMessageA(status, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, c.expected) << c.text << " at " << c.caret;
        EXPECT_EQ(end, c.expected) << c.text << " at " << c.caret;
        EXPECT_EQ(text(IDC_STATUS), c.text);
        // scrolling may be reported (EN_VSCROLL, depending on the window's size); no change is
        for (const recorded_message& r : recorded)
            EXPECT_TRUE(r.code != EN_UPDATE && r.code != EN_CHANGE) << c.text << " code " << r.code;
    }
}

TEST_F(EditControl, SetSelOrdersClampsAndDeselects)
{
    struct sel_case {
        int start, end;
        DWORD expected_start, expected_end;
    } const cases[] = {
        {1, 3, 1, 3}, {5, 2, 2, 5}, {2, -1, 2, 6}, {0, -1, 0, 6}, {10, 20, 6, 6}, {-1, 3, 2, 2},
    };
    HWND edit = control(IDC_CUSTOM_TABLE_TEXT);
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "abcdef");
    DWORD start = 9, end = 9;
    SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    SendMessageA(edit, EM_SETSEL, 5, 2);  // caret at 2: "-1" below keeps it
    for (const sel_case& c : cases) {
        if (c.start == -1)
            SendMessageA(edit, EM_SETSEL, 5, 2);
        SendMessageA(edit, EM_SETSEL, (WPARAM)c.start, c.end);
        SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, c.expected_start) << c.start << "," << c.end;
        EXPECT_EQ(end, c.expected_end) << c.start << "," << c.end;
    }
}

TEST_F(EditControl, TypedKeysByKindOfEdit)
{
    struct key_case {
        int id;
        const char* start_text;
        const char* keys;
        const char* expected;
    } const cases[] = {
        {IDC_HEX, "", "a\rb", "a\r\nb"},
        {IDC_HEX, "", "\n\t", "\r\n\t"},
        {IDC_ASCII, "", "\r", "\r\n"},
        {IDC_HEX, "", "\x01\x7f\x80\xff", "\x80\xff"},
        {IDC_CUSTOM_TABLE_TEXT, "",
         "a\r\n\t\x01"
         "b",
         "ab"},
        {IDC_ASCII, "x\r\ny", "\b", "x\r\n"},
        {IDC_ASCII, "x\r\n", "\b", "x"},
        {IDC_CUSTOM_TABLE_TEXT, "abc", "\b\b", "a"},
        {IDC_BASE_NUMBER, "64", "\b1", "61"},  // digits-only edits still take backspace
    };
    for (const key_case& c : cases) {
        SendMessageA(control(c.id), EM_SETREADONLY, FALSE, 0);
        SetDlgItemTextA(dialog, c.id, c.start_text);
        WPARAM end = strlen(c.start_text);
        SendMessageA(control(c.id), EM_SETSEL, end, (LPARAM)end);
        user_type(control(c.id), c.keys);
        EXPECT_EQ(text(c.id), c.expected) << c.id << " keys " << c.keys;
    }
}

TEST_F(EditControl, BackspaceAtTheStartChangesAndRaisesNothing)
{
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "ab");
    recorded.clear();
    user_type(control(IDC_CUSTOM_TABLE_TEXT), "\b");
    EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), "ab");
    EXPECT_TRUE(recorded.empty());
}

TEST_F(EditControl, TextsHoldEveryByteUpToTheFirstNul)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back((char)b);
    for (int id : {IDC_ASCII, IDC_CUSTOM_TABLE_TEXT}) {
        SetDlgItemTextA(dialog, id, all.c_str());
        EXPECT_EQ(text(id), all) << id;
        SetDlgItemTextA(dialog, id, "ab\0cd");
        EXPECT_EQ(text(id), "ab") << id;
    }
}

TEST_F(EditControl, FullSizeTextsGoInAndOutWhole)
{
    // 262143 characters: the largest field content the program reads
    std::string big(262143, 'z');
    for (size_t i = 0; i < big.size(); i += 97)
        big[i] = (char)('0' + i % 10);
    SendMessageA(control(IDC_CUSTOM_TABLE_TEXT), EM_LIMITTEXT, 0, 0);
    SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, big.c_str());
    std::string back(262144, '\0');
    UINT n = GetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, &back[0], 262144);
    ASSERT_EQ(n, 262143u);
    back.resize(n);
    EXPECT_TRUE(back == big);
    SendMessageA(control(IDC_CUSTOM_TABLE_TEXT), EM_SETSEL, 262143, 262143);
    user_type(control(IDC_CUSTOM_TABLE_TEXT), "!");
    EXPECT_EQ(SendMessageA(control(IDC_CUSTOM_TABLE_TEXT), WM_GETTEXTLENGTH, 0, 0), 262144);
}

TEST_F(EditControl, ModifiedFlagAndUndoFollowEachKindOfChange)
{
    // Starts from a program write (not modified, nothing to undo), then one action and its result.
    struct change_case {
        const char* name;
        void (*act)(HWND edit);
        LRESULT modified, can_undo;
    } const cases[] = {
        {"program write", [](HWND e) { SetWindowTextA(e, "xyz"); }, FALSE, FALSE},
        {"typed key", [](HWND e) { user_type(e, "q"); }, TRUE, TRUE},
        {"undoable replace", [](HWND e) { SendMessageA(e, EM_REPLACESEL, TRUE, (LPARAM) "q"); }, TRUE, TRUE},
        {"replace that may not be undone", [](HWND e) { SendMessageA(e, EM_REPLACESEL, FALSE, (LPARAM) "q"); }, TRUE,
         FALSE},
        {"typed key, then the undo buffer emptied",
         [](HWND e) {
             user_type(e, "q");
             SendMessageA(e, EM_EMPTYUNDOBUFFER, 0, 0);
         },
         TRUE, FALSE},
        {"typed key, then marked unmodified",
         [](HWND e) {
             user_type(e, "q");
             SendMessageA(e, EM_SETMODIFY, FALSE, 0);
         },
         FALSE, TRUE},
        {"marked modified", [](HWND e) { SendMessageA(e, EM_SETMODIFY, TRUE, 0); }, TRUE, FALSE},
        {"typed key, then a program write",
         [](HWND e) {
             user_type(e, "q");
             SetWindowTextA(e, "new");
         },
         FALSE, FALSE},
    };
    for (int id : {IDC_HEX, IDC_CUSTOM_TABLE_TEXT}) {
        HWND edit = control(id);
        SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
        for (const change_case& c : cases) {
            SetDlgItemTextA(dialog, id, "abc");
            SendMessageA(edit, EM_SETSEL, 3, 3);
            c.act(edit);
            EXPECT_EQ(SendMessageA(edit, EM_GETMODIFY, 0, 0) != 0, c.modified != 0) << id << " " << c.name;
            EXPECT_EQ(SendMessageA(edit, EM_CANUNDO, 0, 0) != 0, c.can_undo != 0) << id << " " << c.name;
        }
    }
}

TEST_F(EditControl, ScrollCaretChangesNeitherTextNorSelectionAndRaisesNoChange)
{
    HWND edit = control(IDC_BASEX);
    SetDlgItemTextA(dialog, IDC_BASEX, std::string(3000, '7').c_str());
    SendMessageA(edit, EM_SETSEL, 2990, 2995);
    recorded.clear();
    EXPECT_NE(SendMessageA(edit, EM_SCROLLCARET, 0, 0), 0);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(start, 2990u);
    EXPECT_EQ(end, 2995u);
    EXPECT_EQ(text(IDC_BASEX), std::string(3000, '7'));
    for (const recorded_message& r : recorded)
        EXPECT_TRUE(r.code != EN_UPDATE && r.code != EN_CHANGE) << r.code;
}

TEST_F(EditControl, SetRedrawIsLeftToTheDefaultProcedureWhichTogglesOnlyTheVisibleStyle)
{
    ShowWindow(dialog, SW_SHOW);
    HWND edit = control(IDC_BASEX);
    // the edit control itself keeps its visibility
    SendMessageA(edit, WM_SETREDRAW, FALSE, 0);
    EXPECT_TRUE(IsWindowVisible(edit));
    SendMessageA(edit, WM_SETREDRAW, TRUE, 0);
    // the default procedure clears and sets WS_VISIBLE; text written meanwhile arrives whole
    DefWindowProcA(edit, WM_SETREDRAW, FALSE, 0);
    EXPECT_FALSE(IsWindowVisible(edit));
    EXPECT_EQ(style(IDC_BASEX) & WS_VISIBLE, 0);
    SendMessageA(edit, EM_REPLACESEL, FALSE, (LPARAM) "123");
    DefWindowProcA(edit, WM_SETREDRAW, TRUE, 0);
    EXPECT_TRUE(InvalidateRect(edit, nullptr, TRUE));
    EXPECT_TRUE(IsWindowVisible(edit));
    EXPECT_EQ(text(IDC_BASEX), "123");
}

TEST_F(EditControl, DeleteKeyCutAndClearRemoveTheSelectionOrTheNextCharacter)
{
    struct removal_case {
        const char* name;
        UINT message;
        const char* start_text;
        int sel_start, sel_end;
        bool read_only;
        const char* expected;
        const char* clipboard;  // WM_CUT only: the text put on the clipboard, null when it stays
        bool notifies;
    } const cases[] = {
        {"Delete: the character after the caret", WM_KEYDOWN, "abcd", 1, 1, false, "acd", nullptr, true},
        {"Delete: a line break as one", WM_KEYDOWN, "ab\r\ncd", 2, 2, false, "abcd", nullptr, true},
        {"Delete: the selection", WM_KEYDOWN, "abcd", 1, 3, false, "ad", nullptr, true},
        {"Delete at the end: nothing", WM_KEYDOWN, "abcd", 4, 4, false, "abcd", nullptr, false},
        {"Delete in a read-only edit: nothing", WM_KEYDOWN, "abcd", 1, 1, true, "abcd", nullptr, false},
        {"clear: the selection", WM_CLEAR, "abcd", 0, 2, false, "cd", nullptr, true},
        {"clear of nothing: nothing", WM_CLEAR, "abcd", 2, 2, false, "abcd", nullptr, false},
        {"cut: the selection, onto the clipboard", WM_CUT, "abcd", 1, 3, false, "ad", "bc", true},
        {"cut in a read-only edit: only copied", WM_CUT, "abcd", 0, 1, true, "abcd", "a", false},
    };
    HWND edit = control(IDC_HEX);
    for (const removal_case& c : cases) {
        SendMessageA(edit, EM_SETREADONLY, c.read_only, 0);
        SetDlgItemTextA(dialog, IDC_HEX, c.start_text);
        SendMessageA(edit, EM_SETSEL, (WPARAM)c.sel_start, c.sel_end);
        user_paste(control(IDC_CUSTOM_TABLE_TEXT), "");  // a known clipboard: an empty text
        recorded.clear();
        SendMessageA(edit, c.message, c.message == WM_KEYDOWN ? VK_DELETE : 0, c.message == WM_KEYDOWN ? 1 : 0);
        EXPECT_EQ(text(IDC_HEX), c.expected) << c.name;
        bool changed = false;
        for (const recorded_message& r : recorded)
            changed |= r.id == IDC_HEX && r.code == EN_CHANGE;
        EXPECT_EQ(changed, c.notifies) << c.name;
        if (c.clipboard) {
            SetDlgItemTextA(dialog, IDC_CUSTOM_TABLE_TEXT, "");
            SendMessageA(control(IDC_CUSTOM_TABLE_TEXT), WM_PASTE, 0, 0);
            EXPECT_EQ(text(IDC_CUSTOM_TABLE_TEXT), c.clipboard) << c.name;
        }
    }
}
