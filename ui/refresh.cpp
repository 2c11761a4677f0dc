#include "ui/refresh.h"

#include "ui/dialog_state.h"
#include "ui/field_text.h"
#include "ui/resource.h"

namespace {

// Reads the field as GetDlgItemTextA does, at most `most` characters, into the state's buffer.
size_t read_field(HWND dialog, const dialog_state& state, int field_id, size_t most)
{
    return GetDlgItemTextA(dialog, field_id, state.field_buffer.get(), static_cast<int>(most + 1));
}

// Converts from the field; any other id clears.
conversion_result convert_from(HWND dialog, dialog_state& state, int field_id)
{
    conversion_engine& engine = *state.engine;
    const char* text = state.field_buffer.get();
    switch (field_id) {
    case IDC_HEX: return engine.from_hex(text, read_field(dialog, state, field_id, engine.max_hex_chars()));
    // At most the capacity is taken: the typing limit keeps the field within it, but another program
    // can put more text there.
    case IDC_ASCII: return engine.from_bytes(text, read_field(dialog, state, field_id, engine.capacity()));
    case IDC_BASEX: return engine.from_basex(text, read_field(dialog, state, field_id, engine.max_basex_chars()));
    default: return engine.clear();
    }
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
    if (result.source_filtered)
        set_field_text(dialog, field_id, field_id == IDC_HEX ? result.hex.data() : result.basex.data());
    const bool converted = result.status != conversion_status::cleared;
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
