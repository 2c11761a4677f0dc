// Pastes and keystrokes at full capacity, timed in the real Morvane.exe under Wine. This program drives
// the dialog through window messages as the end-to-end tests do and prints, for each source field and
// radix, how long each message took to return: the program's refresh and the edit controls' own work on
// all three fields happen inside that time.
//   paste      another program's EM_REPLACESEL of the whole text into the empty source field: the 65,534
//              hex digits of 32,767 random bytes; the radix form of the same bytes, cut by the field
//              to the 65,534 characters it takes; or 32,767 printable characters
//   last key   the last character of the full field replaced by a typed key (WM_CHAR)
//   first key  the first character replaced by a typed key
//   Delete     the first character deleted with the Delete key
// Arguments: the radixes to try (default 16 64 36 60 10 2), and -n N for the median of N runs.
//   cmake --build --preset win64 --target morvane_paste_timing
//   cmake/wine64-run.sh build/win64/bench/win32/morvane_paste_timing.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/random_hex.h"
#include "bench/win32/full_field.h"

namespace {

template <typename F> double seconds(F action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Replaces the character at `at` of the source field by a typed key.
double key_over(HWND dialog, int field, size_t at)
{
    const std::string text = control_text(dialog, field);
    HWND edit = GetDlgItem(dialog, field);
    const char key = text[at] == '1' ? '2' : '1';  // a digit of every source the rows use
    SendMessageA(edit, EM_SETSEL, at, (LPARAM)(at + 1));
    return seconds([&] { SendMessageA(edit, WM_CHAR, (unsigned char)key, 1); });
}

// Deletes the first character of the source field with the Delete key.
double delete_first(HWND dialog, int field)
{
    HWND edit = GetDlgItem(dialog, field);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    return seconds([&] { SendMessageA(edit, WM_KEYDOWN, VK_DELETE, 1); });
}

struct timing {
    double paste, last_key, first_key, delete_key;
    std::string counters;  // HEX, bytes, BASE(X), bits after the paste
};

// One source field and radix, in a program of its own.
bool time_source(int source, const std::string& radix, const std::string& hex, timing& out)
{
    morvane_process program = start_morvane();
    if (!program.dialog)
        return false;
    HWND dialog = program.dialog;
    const std::string pasted = source_text(dialog, source, radix, hex);
    out.paste = seconds([&] { replace_text(dialog, source, pasted.c_str()); });
    out.counters = counters_text(dialog);
    const size_t length = control_text(dialog, source).size();
    out.last_key = key_over(dialog, source, length - 1);
    out.first_key = key_over(dialog, source, 0);
    out.delete_key = delete_first(dialog, source);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    wait_for_exit(program, 10000);
    finish(program);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> radixes;
    int runs = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            radixes.push_back(argv[i]);
    }
    if (radixes.empty())
        radixes = {"16", "64", "36", "60", "10", "2"};
    const std::string hex = random_hex(32767);
    const struct {
        int field;
        const char* name;
    } sources[] = {{IDC_HEX, "HEX"}, {IDC_BASEX, "BASE(X)"}, {IDC_ASCII, "ASCII"}};

    std::printf(
        "| source | radix | paste (s) | last key (s) | first key (s) | Delete (s) | counters after the paste |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const auto& source : sources) {
        for (const std::string& radix : radixes) {
            if (source.field == IDC_BASEX && (radix == "16" || radix == "2"))
                continue;
            std::vector<double> paste, last_key, first_key, delete_key;
            timing t;
            for (int run = 0; run < runs; ++run) {
                if (!time_source(source.field, radix, hex, t)) {
                    std::printf("Morvane.exe did not start\n");
                    return 1;
                }
                paste.push_back(t.paste);
                last_key.push_back(t.last_key);
                first_key.push_back(t.first_key);
                delete_key.push_back(t.delete_key);
            }
            std::printf("| %s | %s | %.3f | %.3f | %.3f | %.3f | %s |\n", source.name, radix.c_str(), median(paste),
                        median(last_key), median(first_key), median(delete_key), t.counters.c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}
