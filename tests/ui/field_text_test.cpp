// Field writes in pieces against the dialog template: the real controls under Windows, the headless
// layer natively. Each write must leave the field as one SetDlgItemTextA leaves it, and the dialog
// must see none of the pieces' notifications.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "ui/field_procedure.h"
#include "ui/field_text.h"
#include "ui/quiet_field.h"
#include "ui/resource.h"

namespace {

std::vector<std::pair<int, int>> notifications;  // (control id, code) of every WM_COMMAND

INT_PTR CALLBACK recording_proc(HWND, UINT message, WPARAM wparam, LPARAM)
{
    if (message == WM_COMMAND)
        notifications.push_back({LOWORD(wparam), HIWORD(wparam)});
    return FALSE;
}

std::string text_of(HWND field)
{
    std::string text((size_t)SendMessageA(field, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize((size_t)SendMessageA(field, WM_GETTEXT, (WPARAM)text.size(), (LPARAM)&text[0]));
    return text;
}

// A text of n characters drawn from the alphabet, the same for the same arguments.
std::string sample(const std::string& alphabet, size_t n, unsigned seed = 1)
{
    std::string s(n, ' ');
    for (size_t i = 0; i < n; ++i) {
        seed = seed * 1103515245u + 12345u;
        s[i] = alphabet[(seed >> 16) % alphabet.size()];
    }
    return s;
}

const std::string DECIMAL_DIGITS = "0123456789", HEX_DIGITS = "0123456789ABCDEF", TEXT_CHARS = "ab cd\r\nef, 9";

// What one write must leave, beside the text itself.
struct field_state {
    DWORD selection_start, selection_end;
    LRESULT modified, can_undo, limit;
    LONG read_only;
};

field_state state_of(HWND field)
{
    field_state s{};
    SendMessageA(field, EM_GETSEL, (WPARAM)&s.selection_start, (LPARAM)&s.selection_end);
    s.modified = SendMessageA(field, EM_GETMODIFY, 0, 0);
    s.can_undo = SendMessageA(field, EM_CANUNDO, 0, 0);
    s.limit = SendMessageA(field, EM_GETLIMITTEXT, 0, 0);
    s.read_only = GetWindowLongA(field, GWL_STYLE) & ES_READONLY;
    return s;
}

class FieldText : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
        ASSERT_NE(dialog, nullptr);
        // the limits and read-only states the program gives the fields
        SendDlgItemMessageA(dialog, IDC_HEX, EM_LIMITTEXT, 65534, 0);
        SendDlgItemMessageA(dialog, IDC_ASCII, EM_LIMITTEXT, 32767, 0);
        SendDlgItemMessageA(dialog, IDC_BASEX, EM_LIMITTEXT, 65534, 0);
        SendDlgItemMessageA(dialog, IDC_ASCII, EM_SETREADONLY, TRUE, 0);
        notifications.clear();
    }
    void TearDown() override
    {
        if (dialog)
            DestroyWindow(dialog);
    }
    HWND field(int id) const { return GetDlgItem(dialog, id); }

    HWND dialog = nullptr;
};

}  // namespace

TEST_F(FieldText, EveryWriteLeavesTheFieldAsOneSetTextDoes)
{
    const std::string digits = sample(DECIMAL_DIGITS, 78911), hex = sample(HEX_DIGITS, 65534);
    const std::string words = sample(TEXT_CHARS, 9000);
    std::string digits_new_head = digits, hex_new_middle = hex, digits_new_tail = digits;
    digits_new_head[3] = digits[3] == '7' ? '8' : '7';
    hex_new_middle.replace(30000, 5, "FFFFF");
    digits_new_tail.replace(digits.size() - 1, 1, "55");
    std::string hex_inserted_at_512 = hex.substr(0, 30000);
    hex_inserted_at_512.insert(512, "A");
    const struct {
        const char* name;
        int id;
        std::string before, after;
        DWORD caret;  // where the user left the caret before the write
    } cases[] = {
        {"empty to a long digit run, over the typing limit", IDC_BASEX, "", digits, 0},
        {"the same text again", IDC_BASEX, digits, digits, 500},
        {"one digit near the start", IDC_BASEX, digits, digits_new_head, 78911},
        {"one digit at the end becomes two", IDC_BASEX, digits, digits_new_tail, 3},
        {"five hex digits in the middle", IDC_HEX, hex, hex_new_middle, 30002},
        {"a long text emptied", IDC_HEX, hex, "", 65534},
        {"text with line breaks into a read-only field", IDC_ASCII, "", words, 0},
        {"text shortened from its head", IDC_ASCII, words, words.substr(700), 10},
        {"a short text over a long one", IDC_BASEX, digits, "12", 0},
        {"one digit inserted where a compared block starts", IDC_HEX, hex.substr(0, 30000), hex_inserted_at_512, 9},
        {"the last 300 digits removed", IDC_HEX, hex.substr(0, 30000), hex.substr(0, 29700), 29999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND edit = field(c.id);
        // one SetDlgItemTextA of a long digit run takes Wine minutes
        set_field_text(dialog, c.id, c.before.c_str());
        SendMessageA(edit, EM_SETSEL, c.caret, c.caret);
        SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
        const field_state expected = [&] {
            field_state s = state_of(edit);
            s.selection_start = s.selection_end = 0;
            s.modified = s.can_undo = FALSE;
            return s;
        }();
        const LONG_PTR procedure = GetWindowLongPtrA(dialog, GWLP_WNDPROC);
        notifications.clear();

        set_field_text(dialog, c.id, c.after.c_str());

        EXPECT_TRUE(text_of(edit) == c.after) << text_of(edit).size() << " characters";
        const field_state s = state_of(edit);
        EXPECT_EQ(s.selection_start, expected.selection_start);
        EXPECT_EQ(s.selection_end, expected.selection_end);
        EXPECT_EQ(s.modified, expected.modified);
        EXPECT_EQ(s.can_undo, expected.can_undo);
        EXPECT_EQ(s.limit, expected.limit);
        EXPECT_EQ(s.read_only, expected.read_only);
        EXPECT_TRUE(notifications.empty()) << notifications.size() << " notifications";
        EXPECT_EQ(GetWindowLongPtrA(dialog, GWLP_WNDPROC), procedure) << "the dialog's procedure is restored";
    }
}

TEST_F(FieldText, ARangeReplacedInPiecesRaisesWhatOneReplaceRaises)
{
    const std::string long_text = sample(HEX_DIGITS, 5000);
    const struct {
        const char* name;
        std::string before;
        DWORD from, to;
        std::string inserted;
        LRESULT limit;
    } cases[] = {
        {"a long insertion", "", 0, 0, long_text, 65534},
        {"a long insertion over a selection", "0123456789", 2, 8, long_text, 65534},
        {"cut by the limit in its second piece", "", 0, 0, long_text, 3000},
        {"refused whole at the limit", "abc", 3, 3, long_text, 3},
        {"a deletion", "0123456789", 1, 9, "", 65534},
        {"nothing over nothing", "0123", 2, 2, "", 65534},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // one EM_REPLACESEL on the HEX_DIGITS field, the same change in pieces on the BASE(X) field
        for (int id : {IDC_HEX, IDC_BASEX}) {
            SetDlgItemTextA(dialog, id, c.before.c_str());
            SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, (WPARAM)c.limit, 0);
        }
        notifications.clear();
        SendMessageA(field(IDC_HEX), EM_SETSEL, c.from, c.to);
        SendMessageA(field(IDC_HEX), EM_REPLACESEL, TRUE, (LPARAM)c.inserted.c_str());
        std::vector<int> one_replace;  // the pieces' scroll notifications are dropped (see the writer)
        for (const auto& n : notifications)
            if (n.second != EN_VSCROLL && n.second != EN_HSCROLL)
                one_replace.push_back(n.second);
        notifications.clear();

        raised_codes raised =
            replace_field_range(dialog, field(IDC_BASEX), c.from, c.to, c.inserted.c_str(), c.inserted.size(), true);

        EXPECT_TRUE(notifications.empty());
        EXPECT_EQ(std::vector<int>(raised.codes, raised.codes + raised.count), one_replace);
        EXPECT_TRUE(text_of(field(IDC_BASEX)) == text_of(field(IDC_HEX)));
        DWORD pieces_end = 0, one_end = 0;
        SendMessageA(field(IDC_BASEX), EM_GETSEL, 0, (LPARAM)&pieces_end);
        SendMessageA(field(IDC_HEX), EM_GETSEL, 0, (LPARAM)&one_end);
        EXPECT_EQ(pieces_end, one_end) << "the caret ends after the insertion";
        EXPECT_EQ(SendMessageA(field(IDC_BASEX), EM_GETMODIFY, 0, 0) != 0,
                  SendMessageA(field(IDC_HEX), EM_GETMODIFY, 0, 0) != 0);
    }
}

TEST_F(FieldText, QuietScopesNestAndEachNotesWhatItsFieldRaisesWhileItIsTheInnermost)
{
    HWND edit = field(IDC_BASEX);
    const std::vector<int> one_edit = {EN_UPDATE, EN_CHANGE};
    const auto codes = [](const quiet_scope& scope) {
        const raised_codes raised = scope.raised();
        return std::vector<int>(raised.codes, raised.codes + raised.count);
    };
    const LONG_PTR procedure = GetWindowLongPtrA(dialog, GWLP_WNDPROC);
    {
        const quiet_scope outer(dialog, edit);
        {
            const quiet_scope inner(dialog, edit);
            SendMessageA(edit, EM_REPLACESEL, FALSE, (LPARAM) "12");
            EXPECT_EQ(codes(inner), one_edit);
            // Any other message reaches the dialog's own procedure, once, from the innermost scope too.
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_HEX, EN_MAXTEXT), (LPARAM)field(IDC_HEX));
            EXPECT_EQ(notifications, (std::vector<std::pair<int, int>>{{IDC_HEX, EN_MAXTEXT}}));
            notifications.clear();
        }
        EXPECT_TRUE(codes(outer).empty());
        EXPECT_TRUE(field_is_quiet(dialog, edit));
        SendMessageA(edit, EM_REPLACESEL, FALSE, (LPARAM) "3");
        EXPECT_EQ(codes(outer), one_edit);
    }
    EXPECT_FALSE(field_is_quiet(dialog, edit));
    EXPECT_EQ(GetWindowLongPtrA(dialog, GWLP_WNDPROC), procedure) << "the dialog's procedure is restored";
    EXPECT_TRUE(notifications.empty());
    SendMessageA(edit, EM_REPLACESEL, FALSE, (LPARAM) "4");
    EXPECT_EQ(notifications, (std::vector<std::pair<int, int>>{{IDC_BASEX, EN_UPDATE}, {IDC_BASEX, EN_CHANGE}}));
    EXPECT_EQ(text_of(edit), "1234");
}

TEST(FieldPieceSize, OnlyARunOfDigitsLongerThanASmallPieceTakesSmallPieces)
{
    const struct {
        std::string text;
        size_t expected;
    } cases[] = {
        {std::string(DIGIT_RUN_PIECE + 1, '7'), DIGIT_RUN_PIECE},
        {std::string(LONG_TEXT, '1'), DIGIT_RUN_PIECE},
        {std::string(LONG_TEXT + 1, '1'), LONG_DIGIT_RUN_PIECE},
        {std::string(DIGIT_RUN_PIECE, '7'), PLAIN_PIECE},
        {std::string(5000, '7').replace(DIGIT_RUN_PIECE / 2, 1, "A").replace(4000, 1, "x"), DIGIT_RUN_PIECE},
        {sample(HEX_DIGITS, 100000), PLAIN_PIECE},
        {[] {  // runs of DIGIT_RUN_PIECE digits between letters
             std::string s;
             for (int i = 0; i < 100; ++i)
                 s += std::string(DIGIT_RUN_PIECE, '1') + "Z";
             return s;
         }(),
         PLAIN_PIECE},
        {"", PLAIN_PIECE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(field_piece_size(c.text.c_str(), c.text.size()), c.expected) << c.text.size();
}

namespace {

// Two dialogs of the template: in one the data fields have their replacement procedure, in the other
// they are plain edits. The same edit made in both must leave the same field and raise the same
// notifications.
class FieldProcedure : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (HWND* d : {&with_procedure, &plain}) {
            *d = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
            ASSERT_NE(*d, nullptr);
        }
        for (int id : {IDC_HEX, IDC_ASCII, IDC_BASEX})
            install_field_procedure(with_procedure, id);
    }
    void TearDown() override
    {
        for (HWND d : {with_procedure, plain})
            if (d)
                DestroyWindow(d);
    }

    HWND with_procedure = nullptr, plain = nullptr;
};

void paste(HWND field, const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(field));
    EmptyClipboard();
    HANDLE block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    SendMessageA(field, WM_PASTE, 0, 0);
}

}  // namespace

TEST_F(FieldProcedure, LongEditsLeaveWhatTheControlsOwnEditLeaves)
{
    // long enough that the replacement procedure takes each edit in pieces
    const std::string hex = sample(HEX_DIGITS, 3000), digits = sample(DECIMAL_DIGITS, 1500);
    const std::string words = sample(TEXT_CHARS, 2500);
    enum action_kind { PASTE, REPLACE, REPLACE_NO_UNDO, TYPE, DELETE_KEY, CUT, CLEAR, SET_TEXT };
    const struct {
        const char* name;
        int id;
        std::string before;
        DWORD from, to;
        action_kind action;
        std::string input;
        LRESULT limit;
        bool read_only;
        bool in_pieces;  // the replacement procedure takes the edit in pieces: nothing is left to undo
    } cases[] = {
        {"paste into an empty field", IDC_HEX, "", 0, 0, PASTE, hex, 65534, false, true},
        {"paste over all of a long text", IDC_BASEX, digits, 0, 1500, PASTE, digits.substr(7), 65534, false, true},
        {"paste in the middle of a long text", IDC_BASEX, digits, 10, 12, PASTE, digits, 65534, false, true},
        {"paste of text with line breaks at the end", IDC_ASCII, words, 2500, 2500, PASTE, words, 32767, false, true},
        {"paste cut by the limit", IDC_HEX, hex, 3000, 3000, PASTE, hex, 4500, false, true},
        {"paste near the start, cut by the limit", IDC_HEX, hex, 2, 2, PASTE, hex, 4500, false, true},
        {"paste into a read-only field", IDC_HEX, hex, 0, 0, PASTE, hex, 65534, true, false},
        {"another program replaces all", IDC_HEX, hex, 0, 3000, REPLACE, hex.substr(1), 65534, false, true},
        {"another program inserts at the start", IDC_BASEX, digits, 0, 0, REPLACE_NO_UNDO, digits, 65534, false, true},
        {"replace into a read-only field", IDC_BASEX, "", 0, 0, REPLACE, digits, 65534, true, true},
        {"a short replace near the end", IDC_BASEX, digits, 1490, 1491, REPLACE, "7", 65534, false, false},
        {"a key over the first digit", IDC_BASEX, digits, 0, 1, TYPE, "9", 65534, false, true},
        {"keys and backspaces near the start", IDC_HEX, hex, 3, 3, TYPE, "AB\b\bC\b\b", 65534, false, true},
        {"enter near the start", IDC_ASCII, words, 5, 5, TYPE, "\r", 32767, false, true},
        {"a key at the start of a full field", IDC_HEX, hex, 0, 0, TYPE, "A", 3000, false, false},
        // edits of nothing: the text is not touched, and what the user can undo stays
        {"a key in the middle of a full field", IDC_BASEX, digits, 700, 700, TYPE, "5", 1500, false, false},
        {"enter near the start of a full field", IDC_ASCII, words, 5, 5, TYPE, "\r", 2500, false, false},
        {"a paste in the middle of a full field", IDC_HEX, hex, 1500, 1500, PASTE, hex, 3000, false, false},
        {"another program's insertion into a field over its limit", IDC_BASEX, digits, 9, 9, REPLACE, "12", 1000, false,
         false},
        {"backspace at the start of a long text", IDC_BASEX, digits, 0, 0, TYPE, "\b", 65534, false, false},
        {"cut of nothing near the start", IDC_HEX, hex, 2, 2, CUT, "", 65534, false, false},
        {"another program sets a long text over the limit", IDC_BASEX, hex, 5, 5, SET_TEXT, digits, 1000, false, true},
        {"another program sets a long text into a read-only field", IDC_ASCII, "ab", 1, 2, SET_TEXT, words, 32767, true,
         true},
        {"a key over the first digit of a full field", IDC_HEX, hex, 0, 1, TYPE, "A", 3000, false, true},
        {"a key into a read-only field", IDC_HEX, hex, 0, 0, TYPE, "A", 65534, true, false},
        // the smallest piece decides: a shorter rest of digits is left to the control
        {"a key before a rest of a small piece of digits", IDC_BASEX, digits, 1500 - DIGIT_RUN_PIECE,
         1500 - DIGIT_RUN_PIECE, TYPE, "5", 65534, false, false},
        {"a key before a rest one digit longer", IDC_BASEX, digits, 1499 - DIGIT_RUN_PIECE, 1499 - DIGIT_RUN_PIECE,
         TYPE, "5", 65534, false, true},
        {"the Delete key near the start", IDC_BASEX, digits, 4, 4, DELETE_KEY, "", 65534, false, true},
        {"the Delete key over a selection", IDC_HEX, hex, 1, 9, DELETE_KEY, "", 65534, false, true},
        {"the Delete key before a line break", IDC_ASCII, "ab\r\n" + words, 2, 2, DELETE_KEY, "", 32767, false, true},
        {"the Delete key at the end", IDC_HEX, hex, 3000, 3000, DELETE_KEY, "", 65534, false, false},
        {"cut near the start", IDC_BASEX, digits, 0, 7, CUT, "", 65534, false, true},
        {"clear near the start", IDC_HEX, hex, 2, 3, CLEAR, "", 65534, false, true},
        {"clear of nothing", IDC_HEX, hex, 2, 2, CLEAR, "", 65534, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<int, int>> raised[2];
        std::string text[2];
        DWORD start[2] = {}, end[2] = {};
        LRESULT modified[2] = {}, can_undo[2] = {};
        int i = 0;
        for (HWND d : {with_procedure, plain}) {
            HWND field = GetDlgItem(d, c.id);
            // the last character typed: something the user can undo, which an edit of nothing keeps
            SetDlgItemTextA(d, c.id, c.before.substr(0, c.before.size() - !c.before.empty()).c_str());
            SendMessageA(field, EM_SETSEL, c.before.size(), (LPARAM)c.before.size());
            SendMessageA(field, EM_REPLACESEL, TRUE,
                         (LPARAM)c.before.substr(c.before.size() - !c.before.empty()).c_str());
            SendMessageA(field, EM_SETMODIFY, FALSE, 0);
            SendMessageA(field, EM_LIMITTEXT, (WPARAM)c.limit, 0);
            SendMessageA(field, EM_SETREADONLY, c.read_only, 0);
            SendMessageA(field, EM_SETSEL, c.from, c.to);
            notifications.clear();
            if (c.action == PASTE)
                paste(field, c.input);
            else if (c.action == TYPE)
                for (char key : c.input)
                    SendMessageA(field, WM_CHAR, (unsigned char)key, 1);
            else if (c.action == DELETE_KEY)
                SendMessageA(field, WM_KEYDOWN, VK_DELETE, 1);
            else if (c.action == CUT)
                SendMessageA(field, WM_CUT, 0, 0);
            else if (c.action == CLEAR)
                SendMessageA(field, WM_CLEAR, 0, 0);
            else if (c.action == SET_TEXT)
                SendMessageA(field, WM_SETTEXT, 0, (LPARAM)c.input.c_str());
            else
                SendMessageA(field, EM_REPLACESEL, c.action == REPLACE, (LPARAM)c.input.c_str());
            // Scroll notifications follow the view, which the pieces move on their way; the dialog
            // ignores them, and the replacement procedure restores the view itself.
            for (const auto& n : notifications)
                if (n.second != EN_VSCROLL && n.second != EN_HSCROLL)
                    raised[i].push_back(n);
            text[i] = text_of(field);
            SendMessageA(field, EM_GETSEL, (WPARAM)&start[i], (LPARAM)&end[i]);
            modified[i] = SendMessageA(field, EM_GETMODIFY, 0, 0);
            can_undo[i] = SendMessageA(field, EM_CANUNDO, 0, 0);
            ++i;
        }
        EXPECT_TRUE(text[0] == text[1]) << text[0].size() << " against " << text[1].size() << " characters";
        EXPECT_EQ(start[0], start[1]);
        EXPECT_EQ(end[0], end[1]);
        EXPECT_EQ(raised[0], raised[1]);
        EXPECT_EQ(modified[0] != 0, modified[1] != 0);
        EXPECT_EQ(can_undo[0] != 0, c.in_pieces ? false : can_undo[1] != 0);
    }
}
