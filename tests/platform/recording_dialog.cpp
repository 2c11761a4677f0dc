#include "tests/platform/recording_dialog.h"

#include "tests/platform/user_actions.h"
#include "ui/resource.h"

std::vector<recorded_message> recorded;
std::vector<reaction> reactions;
bool destroy_on_close = false;

namespace {

int depth = 0;

LRESULT state_of(HWND dialog, int id, int code)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        return 0;
    if (id == IDC_MODE)
        return SendMessageA(control, CB_GETCURSEL, 0, 0);
    if (code == BN_CLICKED)
        return SendMessageA(control, BM_GETCHECK, 0, 0);
    return 0;
}

}  // namespace

INT_PTR CALLBACK recording_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == test_user_turn_message) {
        run_user_turn(dialog);
        return TRUE;
    }
    if (message != WM_INITDIALOG && message != WM_COMMAND && message != WM_CLOSE && message != WM_DESTROY)
        return FALSE;
    recorded_message r{message, 0, 0, depth + 1, "", 0};
    if (message == WM_COMMAND) {
        r.id = LOWORD(wparam);
        r.code = HIWORD(wparam);
        if (lparam) {
            char buffer[256] = "";
            GetDlgItemTextA(dialog, r.id, buffer, sizeof buffer);
            r.text = buffer;
            r.state = state_of(dialog, r.id, r.code);
        }
    }
    recorded.push_back(r);
    ++depth;
    if (message == WM_INITDIALOG)
        start_user_turns(dialog);
    if (message == WM_COMMAND)
        for (const reaction& re : reactions)
            if (re.id == r.id && re.code == r.code)
                re.act(dialog);
    if (destroy_on_close && (message == WM_CLOSE || (message == WM_COMMAND && r.id == IDCANCEL)))
        DestroyWindow(dialog);
    --depth;
    return FALSE;
}

std::vector<std::string> command_trace()
{
    std::vector<std::string> trace;
    for (const recorded_message& r : recorded)
        if (r.message == WM_COMMAND)
            trace.push_back(std::to_string(r.id) + ":" + std::to_string(r.code));
    return trace;
}

void RecordingDialog::SetUp()
{
    recorded.clear();
    reactions.clear();
    destroy_on_close = false;
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, recording_proc, 0);
    ASSERT_NE(dialog, nullptr);
    recorded.clear();
}

void RecordingDialog::TearDown()
{
    reactions.clear();
    if (dialog && IsWindow(dialog))
        DestroyWindow(dialog);
}

std::string RecordingDialog::text(int id) const
{
    HWND c = control(id);
    int length = (int)SendMessageA(c, WM_GETTEXTLENGTH, 0, 0);
    std::string s((size_t)length + 1, '\0');
    int n = GetWindowTextA(c, &s[0], length + 1);
    s.resize((size_t)n);
    return s;
}
