// The refresh cycle at full capacity through the headless window layer: one keystroke's work.
//   BM_refresh_hex/<radix>    HEX source: 65534 hex digits (32767 random bytes)
//   BM_refresh_basex/<radix>  BASE(X) source: the radix form of the same bytes, cut to the 65534
//                             characters the field accepts when it is longer (radix 10)
#include <benchmark/benchmark.h>

#include <string>

#include "bench/random_hex.h"
#include "engine/alphabets.h"
#include "engine/codecs.h"
#include "ui/refresh.h"
#include "engine/state.h"
#include "mp/mp.h"
#include "platform/win32.h"
#include "ui/resource.h"

namespace {

INT_PTR CALLBACK quiet_proc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Starts the library and the tables as the dialog does; a library left by other rows is replaced.
HWND start_dialog()
{
    if (current_context()) {
        release_number(work_number);
        release_context();
    }
    mpsys(LIBRARY_DIGITS, 16);
    current_context()->io_base = 16;
    set_io_buffer_size(BASEX_TEXT_SIZE);
    work_number = mpvar(0);
    build_base64_digit_map();
    build_default_tables();
    update_guard = 0;
    table_mode = 1;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, quiet_proc, 0);
}

void BM_refresh_hex(benchmark::State& state)
{
    HWND dialog = start_dialog();
    current_base = static_cast<uint32_t>(state.range(0));
    SetDlgItemTextA(dialog, IDC_HEX, random_hex(MAX_DATA_BYTES).c_str());
    for (auto _ : state)
        refresh_from_field(dialog, IDC_HEX);
    state.counters["basex_chars"] = static_cast<double>(std::string(basex_text).size());
    DestroyWindow(dialog);
}

void BM_refresh_basex(benchmark::State& state)
{
    HWND dialog = start_dialog();
    current_base = static_cast<uint32_t>(state.range(0));
    SetDlgItemTextA(dialog, IDC_HEX, random_hex(MAX_DATA_BYTES).c_str());
    refresh_from_field(dialog, IDC_HEX);
    std::string text(basex_text);
    if (text.size() > 65534)
        text.resize(65534);
    SetDlgItemTextA(dialog, IDC_BASEX, text.c_str());
    for (auto _ : state)
        refresh_from_field(dialog, IDC_BASEX);
    state.counters["basex_chars"] = static_cast<double>(text.size());
    state.counters["bytes"] = static_cast<double>(std::string(hex_text).size() / 2);
    DestroyWindow(dialog);
}

BENCHMARK(BM_refresh_hex)->Arg(16)->Arg(10)->Arg(36)->Arg(60)->Arg(2)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_refresh_basex)->Arg(10)->Arg(36)->Arg(60)->Arg(64)->Unit(benchmark::kMillisecond);

}  // namespace
