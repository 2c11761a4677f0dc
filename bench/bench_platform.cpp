// Speed of the headless window layer at full field sizes: what every keystroke costs the layer
// itself (the key, then the whole-field read and write the refresh cycle does).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/headless_hooks.h"
#include "ui/resource.h"

namespace {

INT_PTR CALLBACK quiet_proc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

// A dialog whose HEX field holds n characters, the caret at the end.
HWND dialog_with_text(size_t n)
{
    HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), nullptr, quiet_proc, 0);
    SendDlgItemMessageA(dialog, IDC_HEX, EM_LIMITTEXT, 0, 0);
    SetDlgItemTextA(dialog, IDC_HEX, std::string(n, 'A').c_str());
    SendDlgItemMessageA(dialog, IDC_HEX, EM_SETSEL, n, (LPARAM)n);
    return dialog;
}

void BM_platform_key_at_end(benchmark::State& state)
{
    HWND dialog = dialog_with_text((size_t)state.range(0));
    HWND hex = GetDlgItem(dialog, IDC_HEX);
    for (auto _ : state)
        headless_type(hex, "F\b");  // one key and its backspace
    DestroyWindow(dialog);
}

void BM_platform_read_field(benchmark::State& state)
{
    size_t n = (size_t)state.range(0);
    HWND dialog = dialog_with_text(n);
    std::string buffer(n + 1, '\0');
    for (auto _ : state)
        benchmark::DoNotOptimize(GetDlgItemTextA(dialog, IDC_HEX, &buffer[0], (int)n + 1));
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)n);
    DestroyWindow(dialog);
}

void BM_platform_write_field(benchmark::State& state)
{
    size_t n = (size_t)state.range(0);
    HWND dialog = dialog_with_text(0);
    std::string text(n, 'B');
    for (auto _ : state)
        SetDlgItemTextA(dialog, IDC_ASCII, text.c_str());
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)n);
    DestroyWindow(dialog);
}

}  // namespace

BENCHMARK(BM_platform_key_at_end)->Arg(1024)->Arg(65534)->Arg(262143);
BENCHMARK(BM_platform_read_field)->Arg(65535)->Arg(262143);
BENCHMARK(BM_platform_write_field)->Arg(65535)->Arg(262143);
