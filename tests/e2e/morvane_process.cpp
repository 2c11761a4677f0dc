#include "morvane_process.h"

#include <string>
#include <vector>

#include "ui/resource.h"

// The build gives a Unix path; under Wine the root of the Unix file system is drive Z:.
static std::string windows_path(std::string path)
{
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

struct window_search {
    DWORD process_id;
    HWND found;
};

static BOOL CALLBACK match_process_window(HWND window, LPARAM param)
{
    window_search* search = (window_search*)param;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->process_id && std::string(title) == "Morvane - v1.1") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

morvane_process start_morvane(const char* arguments)
{
    return start_morvane_at(MORVANE_EXE, arguments);
}

morvane_process start_morvane_at(const std::string& path, const char* arguments)
{
    morvane_process process = {};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string command = "\"" + windows_path(path) + "\" " + arguments;
    std::vector<char> command_line(command.begin(), command.end());
    command_line.push_back('\0');
    if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process.info))
        return process;
    WaitForInputIdle(process.info.hProcess, 10000);
    for (int attempt = 0; attempt < 200 && !process.dialog; ++attempt) {
        window_search search = {process.info.dwProcessId, nullptr};
        EnumWindows(match_process_window, (LPARAM)&search);
        process.dialog = search.found;
        if (!process.dialog)
            Sleep(50);
    }
    // The window has its title before its controls exist and before WM_INITDIALOG has run, and
    // WaitForInputIdle can return before either (seen in a CI run: 13 of the 34 controls, no status
    // yet). The modal loop shows the dialog only once both are done, and a message sent to it returns
    // only once that thread takes messages.
    for (int attempt = 0; attempt < 400 && process.dialog && !IsWindowVisible(process.dialog); ++attempt)
        Sleep(25);
    if (process.dialog) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(process.dialog, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
    }
    return process;
}

long wait_for_exit(morvane_process& process, DWORD timeout_ms)
{
    if (WaitForSingleObject(process.info.hProcess, timeout_ms) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.info.hProcess, &code);
    return (long)code;
}

void finish(morvane_process& process)
{
    if (!process.info.hProcess)
        return;
    if (WaitForSingleObject(process.info.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.info.hProcess, 1);
        WaitForSingleObject(process.info.hProcess, 5000);
    }
    CloseHandle(process.info.hThread);
    CloseHandle(process.info.hProcess);
    process = morvane_process{};
}

std::string control_text(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text((size_t)length + 1, '\0');
    LRESULT copied = SendMessageA(control, WM_GETTEXT, (WPARAM)text.size(), (LPARAM)&text[0]);
    text.resize((size_t)copied);
    return text;
}

void type_text(HWND dialog, int id, const char* text)
{
    HWND control = GetDlgItem(dialog, id);
    LRESULT end = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(control, EM_SETSEL, (WPARAM)end, end);
    SendMessageA(control, EM_REPLACESEL, TRUE, (LPARAM)text);
}

void replace_text(HWND dialog, int id, const char* text)
{
    HWND control = GetDlgItem(dialog, id);
    SendMessageA(control, EM_SETSEL, 0, -1);
    SendMessageA(control, EM_REPLACESEL, TRUE, (LPARAM)text);
}

void click_button(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void choose_mode(HWND dialog, int item)
{
    HWND combo = GetDlgItem(dialog, IDC_MODE);
    SendMessageA(combo, CB_SETCURSEL, (WPARAM)item, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MODE, CBN_SELENDOK), (LPARAM)combo);
}

bool is_read_only(HWND dialog, int id)
{
    return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY) != 0;
}

bool is_visible(HWND dialog, int id)
{
    return IsWindowVisible(GetDlgItem(dialog, id)) != 0;
}

static BOOL CALLBACK count_child(HWND, LPARAM param)
{
    ++*(int*)param;
    return TRUE;
}

int child_count(HWND dialog)
{
    int count = 0;
    EnumChildWindows(dialog, count_child, (LPARAM)&count);
    return count;
}
