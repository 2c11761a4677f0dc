#include "ui/dialog_state.h"

namespace {

const char DIALOG_STATE[] = "Morvane.DialogState";

}  // namespace

dialog_state& attach_dialog_state(HWND dialog)
{
    dialog_state* state = new dialog_state;
    state->engine = std::make_unique<conversion_engine>();
    state->field_buffer.reset(new char[state->engine->max_basex_chars() + 1]);
    SetPropA(dialog, DIALOG_STATE, state);
    return *state;
}

dialog_state* dialog_state_of(HWND dialog)
{
    return static_cast<dialog_state*>(GetPropA(dialog, DIALOG_STATE));
}

void release_dialog_state(HWND dialog)
{
    dialog_state* state = static_cast<dialog_state*>(RemovePropA(dialog, DIALOG_STATE));
    if (!state)
        return;
    if (state->alphabet_font)
        DeleteObject(state->alphabet_font);
    delete state;
}
