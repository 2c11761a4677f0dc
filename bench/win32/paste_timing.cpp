// A full paste and one keystroke at capacity, timed in the real Morvane.exe under Wine: this program
// drives the dialog through window messages as the end-to-end tests do, replaces the whole HEX field with
// the 65,534 hex digits of 32,767 random bytes, then replaces its last digit (one keystroke), and prints
// how long each message took to return; the program's refresh, and the edit controls' own work on the
// three fields, happen inside that time. Arguments: the radixes to try (default 16 64). Wine lays out
// long runs of decimal digits slowly: with radix 2, 10, 36 or 60 a paste can take many minutes.
//   cmake --build --preset win32 --target morvane_paste_timing
//   cmake/wine-run.sh build/win32/bench/win32/morvane_paste_timing.exe 16 64
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/random_hex.h"
#include "tests/e2e/morvane_process.h"
#include "ui/resource.h"

namespace {

template <typename F> double seconds(F action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> radixes;
    for (int i = 1; i < argc; ++i) radixes.push_back(argv[i]);
    if (radixes.empty()) radixes = {"16", "64"};
    const std::string hex = random_hex(32767);
    int status = 0;
    for (const std::string& radix : radixes) {
        morvane_process program = start_morvane();
        if (!program.dialog) {
            std::printf("Morvane.exe did not start\n");
            return 1;
        }
        replace_text(program.dialog, IDC_BASE_NUMBER, radix.c_str());
        const double paste = seconds([&] { replace_text(program.dialog, IDC_HEX, hex.c_str()); });
        const std::string bytes_after_paste = control_text(program.dialog, IDC_BYTE_COUNT);
        HWND field = GetDlgItem(program.dialog, IDC_HEX);
        const double keystroke = seconds([&] {
            SendMessageA(field, EM_SETSEL, hex.size() - 1, hex.size());
            SendMessageA(field, EM_REPLACESEL, TRUE, (LPARAM) "0");
        });
        const std::string basex_count = control_text(program.dialog, IDC_BASEX_COUNT);
        if (bytes_after_paste != "32767") {
            std::printf("radix %s: the paste gave %s bytes\n", radix.c_str(), bytes_after_paste.c_str());
            status = 1;
        }
        std::printf("radix %s: paste of 65534 HEX digits %.2f s, one keystroke at capacity %.2f s (BASE(X) %s "
                    "characters)\n",
                    radix.c_str(), paste, keystroke, basex_count.c_str());
        PostMessageA(program.dialog, WM_COMMAND, IDCANCEL, 0);
        wait_for_exit(program, 10000);
        finish(program);
    }
    return status;
}
