#include "ui/refresh.h"

#include <cstring>

#include "engine/basex_leg.h"
#include "engine/conversion.h"
#include "engine/filters.h"
#include "engine/hex_utils.h"
#include "engine/state.h"
#include "ui/field_text.h"
#include "ui/resource.h"

// Reads the HEX field and converts it; returns the status text.
static const char* refresh_from_hex(HWND dialog, int& byte_count, int& hex_count, int& basex_count)
{
    hex_count = static_cast<int>(GetDlgItemTextA(dialog, IDC_HEX, hex_text, HEX_TEXT_SIZE));
    int n = filter_hex_field_text();
    if (n < hex_count)
        set_field_text(dialog, IDC_HEX, hex_text);
    hex_count = n;
    hex_to_all(byte_count, hex_count, basex_count);
    return "HEX Changed OK.";
}

// Reads the ASCII field as the bytes themselves and converts them; returns the status text.
// At most MAX_DATA_BYTES are taken: the typing limit keeps the field within it, but another program
// can put more text there, and the hex form of more bytes would not fit hex_text.
static const char* refresh_from_ascii(HWND dialog, int& byte_count, int& hex_count, int& basex_count)
{
    byte_count = static_cast<int>(GetDlgItemTextA(dialog, IDC_ASCII, reinterpret_cast<char*>(byte_data),
                                                  MAX_DATA_BYTES + 1));
    ascii_to_all(byte_count, hex_count, basex_count);
    return "ASCII Changed OK.";
}

// Reads the BASE(X) field and converts it, or refuses a value beyond the data limit (HEX and
// ASCII then stay empty); returns the status text.
static const char* refresh_from_basex(HWND dialog, int& byte_count, int& hex_count, int& basex_count)
{
    basex_count = static_cast<int>(GetDlgItemTextA(dialog, IDC_BASEX, basex_text, BASEX_TEXT_SIZE));
    int n = filter_basex_text(basex_text, current_base, table_mode);
    if (n < basex_count)
        set_field_text(dialog, IDC_BASEX, basex_text);
    basex_count = n;
    if (!basex_to_bytes(byte_count, hex_count, basex_count))
        return "BASE(X) too big, should be at most 32767 bytes.";
    return "BASE(X) Changed OK.";
}

void refresh_from_field(HWND dialog, int field_id)
{
    if (update_guard == UPDATE_GUARD_MARKER)
        return;
    update_guard = UPDATE_GUARD_MARKER;
    std::memset(hex_text, 0, sizeof hex_text);
    std::memset(byte_data, 0, sizeof byte_data);
    std::memset(basex_text, 0, sizeof basex_text);
    int hex_count = 0, byte_count = 0, basex_count = 0;

    const char* status = nullptr;
    if (field_id == IDC_HEX)
        status = refresh_from_hex(dialog, byte_count, hex_count, basex_count);
    else if (field_id == IDC_ASCII)
        status = refresh_from_ascii(dialog, byte_count, hex_count, basex_count);
    else if (field_id == IDC_BASEX)
        status = refresh_from_basex(dialog, byte_count, hex_count, basex_count);
    if (status)
        SetDlgItemTextA(dialog, IDC_STATUS, status);

    int bits = count_significant_bits(hex_text, static_cast<uint32_t>(hex_count));
    SetDlgItemInt(dialog, IDC_HEX_COUNT, static_cast<UINT>(hex_count), FALSE);
    SetDlgItemInt(dialog, IDC_BYTE_COUNT, static_cast<UINT>(byte_count), FALSE);
    SetDlgItemInt(dialog, IDC_BASEX_COUNT, static_cast<UINT>(basex_count), FALSE);
    SetDlgItemInt(dialog, IDC_BIGNUM_BITS, static_cast<UINT>(bits), FALSE);

    const char* ascii_text = reinterpret_cast<const char*>(byte_data);
    if (field_id == IDC_HEX) {
        set_field_text(dialog, IDC_ASCII, ascii_text);
        set_field_text(dialog, IDC_BASEX, basex_text);
    } else if (field_id == IDC_ASCII) {
        set_field_text(dialog, IDC_HEX, hex_text);
        set_field_text(dialog, IDC_BASEX, basex_text);
    } else if (field_id == IDC_BASEX) {
        set_field_text(dialog, IDC_HEX, hex_text);
        set_field_text(dialog, IDC_ASCII, ascii_text);
    }
    update_guard = 0;
}
