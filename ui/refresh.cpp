#include "ui/refresh.h"

#include "ui/dialog_state.h"
#include "ui/field_text.h"
#include "ui/resource.h"
#include "ui/status_texts.h"

namespace {

// Reads the field as GetDlgItemTextA does, at most `most` characters, into the state's buffer.
size_t read_field(HWND dialog, const dialog_state& state, int field_id, size_t most)
{
    return GetDlgItemTextA(dialog, field_id, state.field_buffer.get(), static_cast<int>(most + 1));
}

// The most characters a refresh takes from a data field: from HEX and ASCII what their typing limits let
// a user type, the capacity's worth; from BASE(X) the longest text the engine reads, as the program
// writes the radix-2 form of the capacity there. The limits keep a user's text within them, but another
// program can put more text into a field.
size_t most_taken(const conversion_engine& engine, int field_id)
{
    switch (field_id) {
    case IDC_HEX: return 2 * size_t(engine.capacity());
    case IDC_ASCII: return engine.capacity();
    default: return engine.max_basex_chars();
    }
}

// Converts from the field; any other id clears.
conversion_result convert_from(HWND dialog, dialog_state& state, int field_id)
{
    conversion_engine& engine = *state.engine;
    const char* text = state.field_buffer.get();
    const size_t read = read_field(dialog, state, field_id, most_taken(engine, field_id));
    switch (field_id) {
    case IDC_HEX: return engine.from_hex(text, read);
    case IDC_ASCII: return engine.from_bytes(text, read);
    case IDC_BASEX: return engine.from_basex(text, read);
    default: return engine.clear();
    }
}

// Whether the source field holds more than the refresh took from it.
bool longer_than_taken(HWND dialog, const conversion_engine& engine, int field_id)
{
    return (size_t)SendDlgItemMessageA(dialog, field_id, WM_GETTEXTLENGTH, 0, 0) > most_taken(engine, field_id);
}

// The source field's text as the refresh took it: filtered, and cut to what it takes.
const char* taken_text(int field_id, const conversion_result& result)
{
    return field_id == IDC_HEX ? result.hex.data() : field_id == IDC_ASCII ? result.bytes.data() : result.basex.data();
}

void set_counter(HWND dialog, int id, uint32_t value)
{
    SetDlgItemInt(dialog, id, static_cast<UINT>(value), FALSE);
}

// Writes the two data fields other than the source, in the order HEX, ASCII, BASE(X). Each view is
// followed by a NUL in the engine's buffer; the fields show the text up to the first.
void write_other_fields(HWND dialog, int source, const conversion_result& result)
{
    if (source != IDC_HEX)
        set_field_text(dialog, IDC_HEX, result.hex.data());
    if (source != IDC_ASCII)
        set_field_text(dialog, IDC_ASCII, result.bytes.data());
    if (source != IDC_BASEX)
        set_field_text(dialog, IDC_BASEX, result.basex.data());
}

}  // namespace

void refresh_from_field(HWND dialog, int field_id)
{
    dialog_state* state = dialog_state_of(dialog);
    if (!state || !state->engine || state->refreshing)
        return;
    state->refreshing = true;
    const conversion_result result = convert_from(dialog, *state, field_id);
    const bool converted = result.status != conversion_status::cleared;
    // The source shows what the others were made from: the rest beyond what was taken goes.
    if (result.source_filtered || (converted && result.status != conversion_status::basex_too_big &&
                                   longer_than_taken(dialog, *state->engine, field_id)))
        set_field_text(dialog, field_id, taken_text(field_id, result));
    if (converted)
        SetDlgItemTextA(dialog, IDC_STATUS, status_text(result.status));

    set_counter(dialog, IDC_HEX_COUNT, result.counts.hex_digits);
    set_counter(dialog, IDC_BYTE_COUNT, result.counts.bytes);
    set_counter(dialog, IDC_BASEX_COUNT, result.counts.basex_chars);
    set_counter(dialog, IDC_BIGNUM_BITS, result.counts.significant_bits);

    if (converted)
        write_other_fields(dialog, field_id, result);
    state->refreshing = false;
}
