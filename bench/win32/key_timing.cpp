// Keys typed by the X server into the real Morvane.exe at full capacity, timed under Wine's X11 driver.
// paste_timing.cpp sends its keys as WM_CHAR; a person's key takes another path: an X key event, Wine's
// X11 driver, WM_KEYDOWN, TranslateMessage, WM_CHAR. This program fills the source field with window
// messages as paste_timing does, gives the field the focus with one character selected, and starts
// xdotool (a Linux program: Wine starts it like any other) to make the X server type the replacing key.
// The time runs from just before xdotool starts until the other two fields and the four counters show
// the texts that the same edit made through WM_CHAR (and undone) showed beforehand. This process polls
// them with window messages, one poll a millisecond; the program answers those only between its own
// messages, so a poll never sees a refresh half done.
//   last key    the last character of the full source field replaced by a typed key
//   first key   the first character replaced
//   fixed cost  the Left arrow typed and timed the same way, until the caret has moved: starting xdotool,
//               the X server, Wine's delivery of the key and the polls, none of which depends on the edit.
//               The key times printed have its median taken off.
//   as WM_CHAR  the same keys sent as WM_CHAR (paste_timing's last and first key), in this setting
// Needs an X display, Wine's X11 driver and xdotool; tools/key-timing.sh sets them up and runs this.
// Arguments: the radixes to try (default 10 36 60 16 64), -n N for the median of N runs, and
// --program PATH to time another build's Morvane.exe.
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

using steady = std::chrono::steady_clock;

constexpr const char* xdotool = "Z:\\usr\\bin\\xdotool";
constexpr double give_up_seconds = 120;

// What the program shows besides the source field: the other two data fields and the counters.
struct shown_fields {
    std::string first, second, counters;
    bool operator==(const shown_fields& other) const
    {
        return first == other.first && second == other.second && counters == other.counters;
    }
};

shown_fields read_shown(HWND dialog, int source)
{
    const int others[] = {IDC_HEX, IDC_ASCII, IDC_BASEX};
    std::vector<std::string> texts;
    for (int id : others)
        if (id != source)
            texts.push_back(control_text(dialog, id));
    return {texts[0], texts[1], counters_text(dialog)};
}

DWORD selection(HWND edit)
{
    return (DWORD)SendMessageA(edit, EM_GETSEL, 0, 0);
}

// Gives the source field the keyboard focus (in Wine, and through it on the X server) with [from, to)
// selected; false when the focus is elsewhere.
bool focus_field(HWND dialog, int field, size_t from, size_t to)
{
    HWND edit = GetDlgItem(dialog, field);
    SetForegroundWindow(dialog);
    SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)edit, TRUE);
    SendMessageA(edit, EM_SETSEL, from, (LPARAM)to);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) && thread.hwndFocus == edit;
}

// The character at `at` of the source field replaced by `key` through WM_CHAR.
void replace_by_message(HWND dialog, int field, size_t at, char key)
{
    HWND edit = GetDlgItem(dialog, field);
    SendMessageA(edit, EM_SETSEL, at, (LPARAM)(at + 1));
    SendMessageA(edit, WM_CHAR, (unsigned char)key, 1);
}

// Seconds from just before xdotool starts typing `keysym` into the X focus until done() holds; negative
// when xdotool does not start or done() does not hold in time.
template <typename F> double time_typed(const char* keysym, F done)
{
    std::string command = std::string(xdotool) + " key --delay 0 " + keysym;
    std::vector<char> command_line(command.begin(), command.end());
    command_line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION typist = {};
    const auto start = steady::now();
    if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &typist))
        return -1;
    double elapsed = 0;
    bool finished = false;
    while (!(finished = done()) && elapsed < give_up_seconds) {
        Sleep(1);
        elapsed = std::chrono::duration<double>(steady::now() - start).count();
    }
    elapsed = std::chrono::duration<double>(steady::now() - start).count();
    WaitForSingleObject(typist.hProcess, 10000);
    CloseHandle(typist.hProcess);
    CloseHandle(typist.hThread);
    return finished ? elapsed : -1;
}

struct key_times {
    double typed, message;  // negative when the typed key was not seen
};

// The character at `at` of the full source field replaced by a key sent as WM_CHAR, put back, replaced
// by the same key typed by the X server, and put back.
key_times time_key(HWND dialog, int source, size_t at)
{
    const char original = control_text(dialog, source)[at];
    const char key = original == '1' ? '2' : '1';  // a digit of every source the rows use
    const shown_fields before = read_shown(dialog, source);
    const auto start = steady::now();
    replace_by_message(dialog, source, at, key);
    key_times times = {-1, std::chrono::duration<double>(steady::now() - start).count()};
    const shown_fields after = read_shown(dialog, source);
    replace_by_message(dialog, source, at, original);
    if (after == before || !(read_shown(dialog, source) == before) || !focus_field(dialog, source, at, at + 1))
        return times;
    times.typed = time_typed(key == '1' ? "1" : "2", [&] { return read_shown(dialog, source) == after; });
    replace_by_message(dialog, source, at, original);
    return times;
}

// The Left arrow typed with the character at `at` selected, until the caret has moved.
double time_fixed_cost(HWND dialog, int source, size_t at)
{
    HWND edit = GetDlgItem(dialog, source);
    const shown_fields shown = read_shown(dialog, source);
    if (!focus_field(dialog, source, at, at + 1))
        return -1;
    const DWORD selected = selection(edit);
    return time_typed("Left", [&] { return read_shown(dialog, source) == shown && selection(edit) != selected; });
}

struct timing {
    double last_key, first_key, fixed_cost, last_message, first_message;
};

// One source field and radix, in a program of its own; false when a key was not seen in time.
bool time_source(const std::string& program_path, int source, const std::string& radix, const std::string& hex,
                 int runs, timing& out)
{
    morvane_process program = start_morvane_at(program_path);
    if (!program.dialog)
        return false;
    HWND dialog = program.dialog;
    replace_text(dialog, source, source_text(dialog, source, radix, hex).c_str());
    const size_t last = control_text(dialog, source).size() - 1;
    std::vector<double> last_key, first_key, fixed_cost, last_message, first_message;
    for (int run = 0; run < runs; ++run) {
        const key_times last_times = time_key(dialog, source, last);
        const key_times first_times = time_key(dialog, source, 0);
        last_key.push_back(last_times.typed);
        first_key.push_back(first_times.typed);
        last_message.push_back(last_times.message);
        first_message.push_back(first_times.message);
        fixed_cost.push_back(time_fixed_cost(dialog, source, last));
        fixed_cost.push_back(time_fixed_cost(dialog, source, 0));
    }
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    wait_for_exit(program, 10000);
    finish(program);
    const auto failed = [](double seconds) { return seconds < 0; };
    if (std::any_of(last_key.begin(), last_key.end(), failed) ||
        std::any_of(first_key.begin(), first_key.end(), failed) ||
        std::any_of(fixed_cost.begin(), fixed_cost.end(), failed))
        return false;
    out.fixed_cost = median(fixed_cost);
    out.last_key = median(last_key) - out.fixed_cost;
    out.first_key = median(first_key) - out.fixed_cost;
    out.last_message = median(last_message);
    out.first_message = median(first_message);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> radixes;
    std::string program_path = MORVANE_EXE;
    int runs = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--program") == 0 && i + 1 < argc)
            program_path = argv[++i];
        else
            radixes.push_back(argv[i]);
    }
    if (radixes.empty())
        radixes = {"10", "36", "60", "16", "64"};
    const std::string hex = random_hex(32767);
    const struct {
        int field;
        const char* name;
    } sources[] = {{IDC_HEX, "HEX"}, {IDC_BASEX, "BASE(X)"}};

    std::printf("| source | radix | last key (s) | first key (s) | fixed cost (s) | as WM_CHAR: last, first (s) |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const auto& source : sources) {
        for (const std::string& radix : radixes) {
            if (source.field == IDC_BASEX && radix == "16")
                continue;
            timing t;
            if (!time_source(program_path, source.field, radix, hex, runs, t)) {
                std::printf("%s, radix %s: the program did not start, or a typed key was not seen\n", source.name,
                            radix.c_str());
                return 1;
            }
            std::printf("| %s | %s | %.3f | %.3f | %.3f | %.3f, %.3f |\n", source.name, radix.c_str(), t.last_key,
                        t.first_key, t.fixed_cost, t.last_message, t.first_message);
            std::fflush(stdout);
        }
    }
    return 0;
}
