// Fuzz target: the whole dialog through the headless window layer, driven by arbitrary sequences of
// user actions. After every action: the process is alive and clean under the sanitizers, and whenever
// the action ended in a refresh of the fields, the three data fields agree (ASCII and BASE(X)
// recomputed from the HEX field give the fields shown) and the counters equal the lengths they count.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "engine/codecs.h"
#include "engine/digit_maps.h"
#include "engine/engine.h"
#include "mp/mp.h"
#include "platform/headless_hooks.h"
#include "ui/dialog.h"
#include "ui/resource.h"

#ifdef MORVANE_HAVE_GMP
#include <gmp.h>
#endif

namespace {

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
};

std::string field_text(HWND dialog, int id)
{
    return headless_text(GetDlgItem(dialog, id));
}

UINT counter(HWND dialog, int id)
{
    return GetDlgItemInt(dialog, id, nullptr, FALSE);
}

// The BASE(X) text of a HEX text in the default alphabet of the radix, made independently of the
// engine: GMP for radix 2-60, the Base64 codec for 64. Returns false when there is no oracle.
bool expected_basex(const std::string& hex, const std::vector<uint8_t>& bytes, uint32_t radix, std::string& out)
{
    out.clear();
    if (hex.size() < 2)
        return true;
    if (radix == 64) {
        std::vector<char> text(4 * (bytes.size() / 3 + 1) + 1);
        base64_encode(bytes.data(), text.data(), uint32_t(bytes.size()));
        out = text.data();
        return true;
    }
#ifdef MORVANE_HAVE_GMP
    mpz_t value;
    mpz_init(value);
    require(mpz_set_str(value, hex.c_str(), 16) == 0);
    std::vector<char> text(mpz_sizeinbase(value, int(radix)) + 2);
    mpz_get_str(text.data(), radix <= 36 ? -int(radix) : int(radix), value);
    mpz_clear(value);
    out = text.data();
    return true;
#else
    return false;
#endif
}

// The field that the last refresh took as the truth, told by the status it left; 0 when the last
// action ended in no refresh (a refused or a non-converting command).
int refreshed_from(const dialog_state& state, const std::string& status)
{
    if (status == "HEX Changed OK." || status == "HEX String Reversed.")
        return IDC_HEX;
    if (status == "ASCII Changed OK.")
        return IDC_ASCII;
    if (status == "BASE(X) Changed OK.")
        return IDC_BASEX;
    if (status == "Using default base table." || status == "Using custom base table." ||
        status == "Custom base table updated ...")
        return state.source_field;
    return 0;
}

// The HEX text of a BASE(X) text, made independently of the engine: the value's hex digits without
// leading zeros for radix 2-60 ("0" for zero), the bytes' hex for radix 64.
bool expected_hex(const conversion_engine& engine, std::string basex, std::string& out)
{
    const uint32_t radix = engine.radix();
    if (engine.alphabet() == alphabet_choice::custom_alphabet)
        translate_alphabet(basex.data(), uint32_t(basex.size()), engine.custom_alphabet_in_force(),
                           default_alphabet(radix));
    if (radix == 64) {
        std::vector<uint8_t> bytes(3 * (basex.size() / 4 + 1) + 1);
        const int n = base64_decode(basex.c_str(), bytes.data());
        std::vector<char> hex(2 * size_t(n) + 1);
        hex_encode(bytes.data(), hex.data(), uint32_t(n));
        out = hex.data();
        return true;
    }
#ifdef MORVANE_HAVE_GMP
    mpz_t value;
    mpz_init(value);
    require(basex.empty() || mpz_set_str(value, basex.c_str(), int(radix)) == 0);
    std::vector<char> hex(mpz_sizeinbase(value, 16) + 2);
    mpz_get_str(hex.data(), -16, value);
    mpz_clear(value);
    out = hex.data();
    return true;
#else
    return false;
#endif
}

void check_views_agree(HWND dialog)
{
    const dialog_state& state = *dialog_state_of(dialog);
    const int origin = refreshed_from(state, field_text(dialog, IDC_STATUS));
    if (origin == 0)
        return;
    const conversion_engine& engine = *state.engine;
    const uint32_t current_base = engine.radix();
    const bool custom = engine.alphabet() == alphabet_choice::custom_alphabet;
    const std::string hex = field_text(dialog, IDC_HEX);
    for (char c : hex)
        require(HEX_DIGIT_MAP[uint8_t(c)] != NOT_A_DIGIT);
    std::vector<uint8_t> bytes(hex.size() / 2 + 2);
    bytes.resize(size_t(hex_decode(bytes.data(), hex.c_str(), uint32_t(hex.size()))));

    const std::string ascii = field_text(dialog, IDC_ASCII);
    const std::string shown(bytes.begin(), bytes.end());
    require(ascii == shown.substr(0, shown.find('\0')));

    const std::string basex_shown = field_text(dialog, IDC_BASEX);
    if (origin == IDC_BASEX) {
        // The user's text stays as typed (leading zeros, spare Base64 bits): compare by value.
        std::string made_hex;
        if (expected_hex(engine, basex_shown, made_hex))
            require(hex == made_hex);
        require(counter(dialog, IDC_BASEX_COUNT) == basex_shown.size());
    } else {
        std::string basex;
        if (expected_basex(hex, bytes, current_base, basex)) {
            if (custom)
                translate_alphabet(basex.data(), uint32_t(basex.size()), default_alphabet(current_base),
                                   engine.custom_alphabet_in_force());
            require(basex_shown == basex.substr(0, basex.find('\0')));
            require(counter(dialog, IDC_BASEX_COUNT) == basex.size());
        }
    }
    require(counter(dialog, IDC_HEX_COUNT) == hex.size());
    require(counter(dialog, IDC_BYTE_COUNT) == bytes.size());
    require(counter(dialog, IDC_BIGNUM_BITS) == bit_length(bytes));
}

const int pow2_buttons[] = {IDC_REV, IDC_H2BIN, IDC_BIN2H, IDC_C2BIN};
const int data_fields[] = {IDC_HEX, IDC_ASCII, IDC_BASEX};

// Acts on visible controls only, as a user can.
void type(HWND dialog, int id, const std::string& keys)
{
    if (IsWindowVisible(GetDlgItem(dialog, id)))
        headless_type(GetDlgItem(dialog, id), keys.c_str());
}

void type_over(HWND dialog, int id, const std::string& keys)
{
    if (IsWindowVisible(GetDlgItem(dialog, id)))
        headless_type_over(GetDlgItem(dialog, id), keys.c_str());
}

void paste_over(HWND dialog, int id, const std::string& text)
{
    if (!IsWindowVisible(GetDlgItem(dialog, id)))
        return;
    SendMessageA(GetDlgItem(dialog, id), EM_SETSEL, 0, -1);
    headless_paste(GetDlgItem(dialog, id), text.c_str());
}

void click(HWND dialog, int id)
{
    if (IsWindowVisible(GetDlgItem(dialog, id)))
        headless_click(dialog, id);
}

void run_action(HWND dialog, action_reader& in)
{
    const int source = dialog_state_of(dialog)->source_field;
    switch (in.byte() % 14) {
    case 0: type(dialog, source, in.chunk()); break;
    case 1: paste_over(dialog, source, in.chunk()); break;
    case 2: type_over(dialog, IDC_BASE_NUMBER, std::to_string(in.byte() % 70)); break;
    case 3: type(dialog, IDC_BASE_NUMBER, in.chunk()); break;
    case 4: type_over(dialog, IDC_CUSTOM_TABLE_TEXT, in.chunk()); break;
    case 5: click(dialog, IDC_SRC_HEX + in.byte() % 3); break;
    case 6: click(dialog, in.byte() % 2 ? IDC_USE_CUSTOM_TABLE : IDC_USE_DEFAULT_TABLE); break;
    case 7: click(dialog, IDC_REV_HEX); break;
    case 8: click(dialog, IDC_CLEAR_ALL); break;
    case 9: headless_choose_combo_item(dialog, IDC_MODE, in.byte() % 2); break;
    case 10: type_over(dialog, IDC_POW2_BITS, in.chunk()); break;
    case 11: type(dialog, data_fields[in.byte() % 3], in.chunk()); break;
    case 12: click(dialog, pow2_buttons[in.byte() % 4]); break;
    case 13: type(dialog, source, "\b"); break;
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
    action_reader in{input, size};
    while (in.more() && IsWindow(dialog)) {
        // The status line tells which refresh, if any, the action ended in: start each action blank.
        SetDlgItemTextA(dialog, IDC_STATUS, "");
        run_action(dialog, in);
        require(!dialog_state_of(dialog)->refreshing);
        check_views_agree(dialog);
    }
    // Esc releases the library and ends the dialog; opened modelessly, it stays a window until destroyed.
    headless_press_escape(dialog);
    require(current_context() == nullptr && dialog_state_of(dialog)->engine == nullptr);
    DestroyWindow(dialog);
    return 0;
}
