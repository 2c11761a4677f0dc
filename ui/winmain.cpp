// Entry point of the program: one modal dialog; the command line and show command are not used.
#include "platform/win32.h"
#include "ui/dialog_proc.h"
#include "ui/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Whether or not the dialog could be created, the program ends with exit code 0.
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, main_dialog_proc, 0);
    return 0;
}
