// Fuzz target: the whole dialog, shown, through the headless window layer, as a state machine over
// what users and other programs do: typing, pasting, cutting and deleting anywhere in the source, the
// source and table radios, the radix and custom-alphabet edits, Rev. HEX, CLear ALL, both modes with
// the Base(2^n) buttons and edits, and other programs' WM_SETTEXT and EM_REPLACESEL into any data field.
// After every step it checks, with the tests' reference implementation (GMP for the radix change where
// the harness links it) and never the engine:
// - each mode shows its own controls; in BaseX mode exactly one source radio is checked and its field
//   is the only editable one, in Base(2^n) mode all three are editable;
// - no counter exceeds the capacity;
// - while the fields are those of the last refresh (told by the status line, or by the radix shown),
//   they describe the same bytes: HEX decodes to them, ASCII shows them up to their first zero byte,
//   BASE(X) is their number (Base64 for 64) in the radix shown and the alphabet in force at that
//   refresh, and the four counters count them; nothing is over the capacity;
// - CLear ALL leaves the fields and their counters empty; ByteUnit follows the bits typed.
// A step that changes a field without a refresh (another program's text, an edit in Base(2^n) mode)
// ends the agreement until the next refresh.
#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "mp/mp.h"
#include "platform/headless_hooks.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/reference/reference.h"
#include "ui/dialog_proc.h"
#include "ui/dialog_state.h"
#include "ui/resource.h"

#ifdef MORVANE_HAVE_GMP
#include <gmp.h>
#endif

namespace {

constexpr size_t MAX_BYTES = 32767, MAX_HEX_CHARS = 65534, MAX_BASEX_CHARS = 262136;
constexpr size_t LONGEST_TEXT = 70000;  // a little over what any field takes

struct action_reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool more() const { return at < size; }
    uint8_t byte() { return at < size ? data[at++] : 0; }
    // A chunk of 0-31 bytes, NUL-terminated at its first zero byte.
    std::string chunk()
    {
        const size_t n = byte() % 32;
        std::string s;
        for (size_t i = 0; i < n && more(); ++i)
            s.push_back(char(byte()));
        return s.substr(0, s.find('\0'));
    }
    // A chunk repeated to a length of up to a little over the largest field.
    std::string long_text()
    {
        const size_t length = (size_t(byte()) << 8 | byte()) * LONGEST_TEXT / 0xFFFF;
        std::string piece = chunk();
        if (piece.empty())
            piece = "F";
        std::string s;
        while (s.size() < length)
            s += piece;
        return s.substr(0, length);
    }
    // A position in a text of this length.
    size_t position(size_t length) { return byte() * length / 255; }
};

HWND control(HWND dialog, int id)
{
    return GetDlgItem(dialog, id);
}

std::string text(HWND dialog, int id)
{
    return headless_text(control(dialog, id));
}

UINT counter(HWND dialog, int id)
{
    return GetDlgItemInt(dialog, id, nullptr, FALSE);
}

bool checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool editable(HWND dialog, int id)
{
    return (GetWindowLongA(control(dialog, id), GWL_STYLE) & ES_READONLY) == 0;
}

const int DATA_FIELDS[] = {IDC_HEX, IDC_ASCII, IDC_BASEX};
const int SOURCE_RADIOS[] = {IDC_SRC_HEX, IDC_SRC_ASCII, IDC_SRC_BASEX};
const int POW2_BUTTONS[] = {IDC_REV, IDC_H2BIN, IDC_BIN2H, IDC_C2BIN};

// The data field whose radio is checked.
int source_shown(HWND dialog)
{
    for (int i = 0; i < 3; ++i)
        if (checked(dialog, SOURCE_RADIOS[i]))
            return DATA_FIELDS[i];
    return 0;
}

// The radix shown: the length of its default alphabet.
size_t radix_shown(HWND dialog)
{
    return text(dialog, IDC_DEFAULT_TABLE_TEXT).size();
}

std::string default_digits(size_t radix)
{
    return radix == 64 ? std::string(REFERENCE_BASE64) : std::string(REFERENCE_DIGITS60, radix);
}

// Each character of text, found in `from`, replaced by the one at its place in `to`; false when one is
// not found.
bool translate(std::string& text, const std::string& from, const std::string& to)
{
    for (char& c : text) {
        const size_t at = from.find(c);
        if (at == std::string::npos || at >= to.size())
            return false;
        c = to[at];
    }
    return true;
}

// What the harness knows of the dialog beyond what it shows.
struct dialog_model {
    bool pow2 = false;
    std::map<size_t, std::string> stored;     // custom alphabets the status line reported stored, by radix
    bool in_step = true;                      // the fields and counters are those of the last refresh
    int origin = IDC_HEX;                     // the field that refresh read
    size_t radix = 64;                        // and its radix and alphabet; empty: a custom alphabet of
    std::string alphabet = REFERENCE_BASE64;  // which nothing was ever stored, left unchecked
    // The last reference conversion, as the same fields are checked after many steps.
    std::string memo_key, memo_value;
};

// ref_text and ref_value, by GMP where the harness links it: the reference's schoolbook radix change
// took three quarters of a step at the capacity (27 s a unit in the instrumented build). GMP's digits
// are REFERENCE_DIGITS60's, in lower case up to radix 36.
std::string oracle_text(const std::vector<uint8_t>& bytes, uint32_t radix)
{
#ifdef MORVANE_HAVE_GMP
    mpz_t v;
    mpz_init(v);
    mpz_import(v, bytes.size(), 1, 1, 0, 0, bytes.data());
    std::string text(mpz_sizeinbase(v, static_cast<int>(radix)) + 2, '\0');
    mpz_get_str(&text[0], static_cast<int>(radix), v);
    mpz_clear(v);
    text.resize(std::strlen(text.c_str()));
    for (char& c : text)
        c = radix <= 36 ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
    return text;
#else
    return ref_text(bytes, radix);
#endif
}

std::vector<uint8_t> oracle_value(const std::string& text, uint32_t radix)
{
#ifdef MORVANE_HAVE_GMP
    mpz_t v;
    mpz_init(v);
    if (!text.empty())
        require(mpz_set_str(v, text.c_str(), static_cast<int>(radix)) == 0);
    std::vector<uint8_t> bytes((mpz_sizeinbase(v, 2) + 7) / 8);
    size_t count = 0;
    mpz_export(bytes.data(), &count, 1, 1, 0, 0, v);
    mpz_clear(v);
    bytes.resize(count);
    return bytes;
#else
    return ref_value(text, radix);
#endif
}

// The BASE(X) text of the bytes in the radix (default digits), or the HEX text of a BASE(X) text in
// default digits, by the reference, remembered for the next step.
std::string reference_basex(dialog_model& m, const std::vector<uint8_t>& bytes, size_t radix)
{
    const std::string key = "B" + std::to_string(radix) + ":" + std::string(bytes.begin(), bytes.end());
    if (key != m.memo_key) {
        m.memo_key = key;
        m.memo_value = radix == 64 ? ref_base64(bytes) : oracle_text(bytes, uint32_t(radix));
    }
    return m.memo_value;
}

std::string reference_hex(dialog_model& m, const std::string& digits, size_t radix)
{
    const std::string key = "H" + std::to_string(radix) + ":" + digits;
    if (key != m.memo_key) {
        m.memo_key = key;
        if (radix == 64) {
            m.memo_value = ref_hex_bytes(ref_base64_bytes(digits));
        } else {  // the value's hex digits, "0" for zero
            const std::string hex = ref_hex_bytes(oracle_value(digits, uint32_t(radix)));
            m.memo_value = hex.empty() ? "0" : hex.substr(hex[0] == '0' ? 1 : 0);
        }
    }
    return m.memo_value;
}

void check_fields_agree(HWND dialog, dialog_model& m)
{
    const std::string hex = text(dialog, IDC_HEX), basex = text(dialog, IDC_BASEX);
    for (char c : hex)
        require(std::strchr("0123456789ABCDEFabcdef", c) != nullptr && c != '\0');
    require(hex.size() <= MAX_HEX_CHARS);
    const std::vector<uint8_t> bytes = ref_bytes_of_hex(hex);
    require(bytes.size() <= MAX_BYTES);
    const std::string shown(bytes.begin(), bytes.end());
    require(text(dialog, IDC_ASCII) == shown.substr(0, shown.find('\0')));
    if (!m.alphabet.empty()) {
        const std::string digits = default_digits(m.radix);
        if (m.origin == IDC_BASEX) {
            std::string typed = basex;  // as typed, filtered: compared by value
            require(translate(typed, m.alphabet, digits));
            // A value over the capacity leaves HEX empty; a radix change reports only the radix then.
            const std::string expected = reference_hex(m, typed, m.radix);
            require(hex == (expected.size() > MAX_HEX_CHARS ? "" : expected));
        } else {
            std::string expected = hex.size() < 2 ? "" : reference_basex(m, bytes, m.radix);
            require(translate(expected, digits, m.alphabet));
            require(basex == expected);
        }
        require(counter(dialog, IDC_BASEX_COUNT) == basex.size());
        require(basex.size() <= MAX_BASEX_CHARS);
    }
    require(counter(dialog, IDC_HEX_COUNT) == hex.size());
    require(counter(dialog, IDC_BYTE_COUNT) == bytes.size());
    require(counter(dialog, IDC_BIGNUM_BITS) == bit_length(bytes));
}

// What holds after every step, whatever came before.
void check_always(HWND dialog, const dialog_model& m)
{
    require(!dialog_state_of(dialog)->refreshing);
    require(IsWindowVisible(control(dialog, IDC_REV)) == m.pow2);
    require(IsWindowVisible(control(dialog, IDC_SRC_HEX)) == !m.pow2);
    const int source = source_shown(dialog);
    require(source != 0 &&
            checked(dialog, IDC_SRC_HEX) + checked(dialog, IDC_SRC_ASCII) + checked(dialog, IDC_SRC_BASEX) == 1);
    for (int id : DATA_FIELDS)
        require(editable(dialog, id) == (m.pow2 || id == source));
    require(counter(dialog, IDC_HEX_COUNT) <= MAX_HEX_CHARS);
    require(counter(dialog, IDC_BYTE_COUNT) <= MAX_BYTES);
    require(counter(dialog, IDC_BASEX_COUNT) <= MAX_BASEX_CHARS);
    require(counter(dialog, IDC_BIGNUM_BITS) <= 8 * MAX_BYTES);
}

bool is_refresh_status(const std::string& status)
{
    static const char* const refreshed[] = {
        "HEX Changed OK.",
        "ASCII Changed OK.",
        "BASE(X) Changed OK.",
        "HEX String Reversed.",
        "Using default base table.",
        "Using custom base table.",
        "Custom base table updated ...",
    };
    for (const char* s : refreshed)
        if (status == s)
            return true;
    return false;
}

const char INVALID_RADIX[] = "Invalid Base Number, should be [2,60] or 64.";

// One step of the dialog: `act` runs on a blank status line, then the model follows what the dialog
// shows and everything is checked. `desyncs`: the step may change a field with no refresh;
// `radix_key`: a key into the radix edit, which refreshes whenever the edit then holds a valid radix,
// the radix in force included.
template <typename Act> void step(HWND dialog, dialog_model& m, bool desyncs, Act act, bool radix_key = false)
{
    SetDlgItemTextA(dialog, IDC_STATUS, "");
    const size_t radix_before = radix_shown(dialog);
    act();
    if (!IsWindow(dialog))
        return;
    const std::string status = text(dialog, IDC_STATUS);
    const size_t radix = radix_shown(dialog);
    require(radix == 64 || (radix >= 2 && radix <= 60));
    require(text(dialog, IDC_DEFAULT_TABLE_TEXT) == default_digits(radix));
    if (status == "Custom base table updated ...")
        m.stored[radix] = text(dialog, IDC_CUSTOM_TABLE_TEXT).substr(0, radix);
    if (is_refresh_status(status) || radix != radix_before ||
        (radix_key && !status.empty() && status != INVALID_RADIX)) {
        m.in_step = true;
        m.origin = status.compare(0, 4, "HEX ") == 0 ? IDC_HEX
                   : status == "ASCII Changed OK."   ? IDC_ASCII
                   : status == "BASE(X) Changed OK." ? IDC_BASEX
                                                     : source_shown(dialog);
        m.radix = radix;
        const auto stored = m.stored.find(radix);
        m.alphabet = !checked(dialog, IDC_USE_CUSTOM_TABLE) ? default_digits(radix)
                     : stored != m.stored.end()             ? stored->second
                                                            : "";
    } else if (status == "Idle.") {
        for (int id : DATA_FIELDS)
            require(text(dialog, id).empty());
        require(counter(dialog, IDC_HEX_COUNT) + counter(dialog, IDC_BYTE_COUNT) + counter(dialog, IDC_BASEX_COUNT) ==
                0);
        m.in_step = false;  // the bit counter keeps its value
    } else if (desyncs || status.compare(0, 14, "BASE(X) too bi") == 0) {
        m.in_step = false;
    }
    check_always(dialog, m);
    if (m.in_step)
        check_fields_agree(dialog, m);
}

// The user's selection in a field, from two positions in its text.
void select(HWND field, action_reader& in)
{
    const size_t length = headless_text_length(field);
    const size_t from = in.position(length), to = in.position(length);
    SendMessageA(field, EM_SETSEL, from, (LPARAM)to);
}

void paste(HWND field, const std::string& pasted)
{
    headless_paste(field, pasted.c_str());
}

void click(HWND dialog, int id)
{
    if (IsWindowVisible(control(dialog, id)))
        headless_click(dialog, id);
}

// Typed over the whole edit one key at a time, a step each: each key of the radix and alphabet edits
// runs its command at once.
void type_over_by_keys(HWND dialog, dialog_model& m, int id, const std::string& keys)
{
    HWND edit = control(dialog, id);
    if (!IsWindowVisible(edit))
        return;
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char key : keys)
        step(
            dialog, m, false, [&] { SendMessageA(edit, WM_CHAR, (unsigned char)key, 1); }, id == IDC_BASE_NUMBER);
}

// An alphabet of the radix shown, its default digits shuffled, now and then with a character repeated.
std::string shuffled_alphabet(HWND dialog, action_reader& in)
{
    std::string alphabet = default_digits(radix_shown(dialog));
    unsigned seed = in.byte();
    for (size_t i = alphabet.size(); i-- > 1;) {
        seed = seed * 1103515245u + 12345u;
        std::swap(alphabet[i], alphabet[(seed >> 16) % (i + 1)]);
    }
    const uint8_t repeat = in.byte();
    if (repeat % 8 == 0)
        alphabet[repeat % alphabet.size()] = alphabet[0];
    return alphabet;
}

void run_action(HWND dialog, dialog_model& m, action_reader& in)
{
    const int source = source_shown(dialog);
    const int any_field = DATA_FIELDS[in.byte() % 3];
    HWND field = control(dialog, source);
    // In Base(2^n) mode every edit of a data field leaves the others as they were.
    const bool source_edit_desyncs = m.pow2;
    switch (in.byte() % 17) {
    case 0: {
        const std::string keys = in.chunk();
        select(field, in);
        step(dialog, m, source_edit_desyncs, [&] {
            for (char key : keys)
                SendMessageA(field, WM_CHAR, (unsigned char)key, 1);
        });
        break;
    }
    case 1: {
        const std::string pasted = in.chunk();
        select(field, in);
        step(dialog, m, source_edit_desyncs, [&] { paste(field, pasted); });
        break;
    }
    case 2:
        select(field, in);
        step(dialog, m, source_edit_desyncs, [&] { SendMessageA(field, WM_CUT, 0, 0); });
        break;
    case 3: {
        const uint8_t how = in.byte() % 3;
        select(field, in);
        step(dialog, m, source_edit_desyncs, [&] {
            if (how == 0)
                SendMessageA(field, WM_KEYDOWN, VK_DELETE, 1);
            else if (how == 1)
                SendMessageA(field, WM_CHAR, '\b', 1);
            else
                SendMessageA(field, WM_CLEAR, 0, 0);
        });
        break;
    }
    case 4: type_over_by_keys(dialog, m, IDC_BASE_NUMBER, std::to_string(in.byte() % 70)); break;
    case 5: type_over_by_keys(dialog, m, IDC_BASE_NUMBER, in.chunk()); break;
    case 6:
        type_over_by_keys(dialog, m, IDC_CUSTOM_TABLE_TEXT, in.byte() % 2 ? in.chunk() : shuffled_alphabet(dialog, in));
        break;
    case 7: {
        const int radio = SOURCE_RADIOS[in.byte() % 3];
        step(dialog, m, false, [&] { click(dialog, radio); });
        break;
    }
    case 8: {
        const int radio = in.byte() % 2 ? IDC_USE_CUSTOM_TABLE : IDC_USE_DEFAULT_TABLE;
        step(dialog, m, false, [&] { click(dialog, radio); });
        break;
    }
    case 9: step(dialog, m, false, [&] { click(dialog, IDC_REV_HEX); }); break;
    case 10: step(dialog, m, false, [&] { click(dialog, IDC_CLEAR_ALL); }); break;
    case 11: {
        const int item = in.byte() % 2;
        step(dialog, m, false, [&] {
            headless_choose_combo_item(dialog, IDC_MODE, item);
            m.pow2 = item == 1;
        });
        break;
    }
    case 12: {
        const bool bits = in.byte() % 2;
        const std::string keys = in.chunk();
        HWND edit = control(dialog, bits ? IDC_POW2_BITS : IDC_BYTE_UNIT);
        const std::string bits_before = text(dialog, IDC_POW2_BITS);
        step(dialog, m, false, [&] {
            if (IsWindowVisible(edit))
                headless_type_over(edit, keys.c_str());
        });
        BOOL read = FALSE;
        const UINT n = GetDlgItemInt(dialog, IDC_POW2_BITS, &read, FALSE);
        // The unit follows a change of the bits; keys the edit refuses leave a unit typed by hand.
        const bool bits_changed = text(dialog, IDC_POW2_BITS) != bits_before;
        if (bits && bits_changed && IsWindowVisible(edit) && n <= 1000000)
            require(counter(dialog, IDC_BYTE_UNIT) == (n <= 8 ? 1 : n <= 16 ? 2 : n <= 32 ? 4 : 4 * ((n + 31) / 32)));
        break;
    }
    case 13: {
        const int button = POW2_BUTTONS[in.byte() % 4];
        step(dialog, m, false, [&] { click(dialog, button); });
        break;
    }
    case 14: {  // another program's text
        const std::string set = in.byte() % 4 ? in.chunk() : in.long_text();
        step(dialog, m, true, [&] { SetDlgItemTextA(dialog, any_field, set.c_str()); });
        break;
    }
    case 15: {  // another program's replacement of a selection, read-only or not
        const std::string replacement = in.byte() % 4 ? in.chunk() : in.long_text();
        HWND target = control(dialog, any_field);
        select(target, in);
        step(dialog, m, m.pow2 || any_field != source,
             [&] { SendMessageA(target, EM_REPLACESEL, TRUE, (LPARAM)replacement.c_str()); });
        break;
    }
    case 16: {  // a long paste, or keys into any field (only Base(2^n) mode leaves more than the source open)
        const bool long_paste = in.byte() % 2;
        const std::string input = long_paste ? in.long_text() : in.chunk();
        HWND target = long_paste ? field : control(dialog, any_field);
        select(target, in);
        step(dialog, m, m.pow2, [&] {
            if (long_paste)
                paste(target, input);
            else
                for (char key : input)
                    SendMessageA(target, WM_CHAR, (unsigned char)key, 1);
        });
        break;
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size > 4096)
        return 0;
    HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, main_dialog_proc, 0);
    require(dialog != nullptr);
    // Shown, as the modal dialog call shows it: the harness acts only on the controls a user can see.
    ShowWindow(dialog, SW_SHOW);
    dialog_model model;
    check_always(dialog, model);
    action_reader in{input, size};
    while (in.more())
        run_action(dialog, model, in);
    // Esc releases the library and ends the dialog; opened modelessly, it stays a window until destroyed.
    headless_press_escape(dialog);
    require(current_context() == nullptr && dialog_state_of(dialog)->engine == nullptr);
    DestroyWindow(dialog);
    return 0;
}
