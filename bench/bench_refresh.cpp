// The refresh cycle at full capacity through the headless window layer: one keystroke's work.
//   BM_refresh_hex/<radix>    HEX source: 65534 hex digits (32767 random bytes)
//   BM_refresh_basex/<radix>  BASE(X) source: the radix form of the same bytes, cut to the 65534
//                             characters the field accepts when it is longer (radix 10)
#include <benchmark/benchmark.h>

#include <string>

#include "bench/random_hex.h"
#include "engine/limits.h"
#include "mp/mp.h"
#include "platform/win32.h"
#include "ui/dialog_state.h"
#include "ui/refresh.h"
#include "ui/resource.h"

namespace {

INT_PTR CALLBACK quiet_proc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// A dialog from the template with its state and engine, in the radix; a library left by other rows is
// released first, as one engine lives at a time.
HWND start_dialog(uint32_t radix)
{
    if (current_context())
        release_context();
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, quiet_proc, 0);
    attach_dialog_state(dialog).engine->change_radix(radix);
    return dialog;
}

void stop_dialog(HWND dialog)
{
    release_dialog_state(dialog);
    DestroyWindow(dialog);
}

const conversion_engine& engine_of(HWND dialog)
{
    return *dialog_state_of(dialog)->engine;
}

void BM_refresh_hex(benchmark::State& state)
{
    HWND dialog = start_dialog(static_cast<uint32_t>(state.range(0)));
    SetDlgItemTextA(dialog, IDC_HEX, random_hex(MAX_DATA_BYTES).c_str());
    for (auto _ : state)
        refresh_from_field(dialog, IDC_HEX);
    state.counters["basex_chars"] = static_cast<double>(engine_of(dialog).basex().size());
    stop_dialog(dialog);
}

void BM_refresh_basex(benchmark::State& state)
{
    HWND dialog = start_dialog(static_cast<uint32_t>(state.range(0)));
    SetDlgItemTextA(dialog, IDC_HEX, random_hex(MAX_DATA_BYTES).c_str());
    refresh_from_field(dialog, IDC_HEX);
    std::string text(engine_of(dialog).basex());
    if (text.size() > MAX_HEX_DIGITS)
        text.resize(MAX_HEX_DIGITS);
    SetDlgItemTextA(dialog, IDC_BASEX, text.c_str());
    for (auto _ : state)
        refresh_from_field(dialog, IDC_BASEX);
    state.counters["basex_chars"] = static_cast<double>(text.size());
    state.counters["bytes"] = static_cast<double>(engine_of(dialog).hex().size() / 2);
    stop_dialog(dialog);
}

BENCHMARK(BM_refresh_hex)->Arg(16)->Arg(10)->Arg(36)->Arg(60)->Arg(2)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_refresh_basex)->Arg(10)->Arg(36)->Arg(60)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace
