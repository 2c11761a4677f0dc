// Headless window layer: the subset of the Win32 dialog interface that the program uses, with the
// real names, types and values, working on in-memory controls built from dialog templates registered
// by their owners (platform/dialog_resources.h). Everything is synchronous and single-threaded, as on
// the one GUI thread.
// The hooks that tests use to act as the user and to look inside are in platform/headless_hooks.h.
#ifndef MORVANE_PLATFORM_HEADLESS_H
#define MORVANE_PLATFORM_HEADLESS_H

#include <cstddef>
#include <cstdint>

// ---- Types ----
#define WINAPI
#define CALLBACK
typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
struct HWND__;
typedef HWND__* HWND;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HFONT__;
typedef HFONT__* HFONT;
typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef intptr_t LONG_PTR;
typedef void* HANDLE;

#define TRUE 1
#define FALSE 0
#define LOWORD(l) ((WORD)(((UINT_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((UINT_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(((UINT_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((UINT_PTR)(b)) & 0xffff))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((UINT_PTR)((WORD)(i))))
#define IS_INTRESOURCE(r) ((((UINT_PTR)(r)) >> 16) == 0)

// ---- Window, dialog and control styles ----
#define WS_POPUP 0x80000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_BORDER 0x00800000L
#define WS_CAPTION 0x00C00000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_STATICEDGE 0x00020000L
#define DS_3DLOOK 0x0004L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_CENTER 0x0800L
#define ES_LEFT 0x0000L
#define ES_MULTILINE 0x0004L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_OEMCONVERT 0x0400L
#define ES_READONLY 0x0800L
#define ES_WANTRETURN 0x1000L
#define ES_NUMBER 0x2000L
#define SS_LEFT 0x0000L
#define SS_RIGHT 0x0002L
#define SS_ICON 0x0003L
#define SS_SUNKEN 0x1000L
#define BS_PUSHBUTTON 0x0000L
#define BS_DEFPUSHBUTTON 0x0001L
#define BS_RADIOBUTTON 0x0004L
#define BS_AUTORADIOBUTTON 0x0009L
#define BS_TYPEMASK 0x000FL
#define BS_FLAT 0x8000L
#define CBS_DROPDOWNLIST 0x0003L

// ---- Messages, notifications and constants ----
#define WM_DESTROY 0x0002
#define WM_CLOSE 0x0010
#define WM_NCDESTROY 0x0082
#define WM_SETREDRAW 0x000B
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_KEYDOWN 0x0100
#define WM_CHAR 0x0102
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_SCROLLCARET 0x00B7
#define EM_GETMODIFY 0x00B8
#define EM_SETMODIFY 0x00B9
#define EM_REPLACESEL 0x00C2
#define EM_CANUNDO 0x00C6
#define EM_EMPTYUNDOBUFFER 0x00CD
#define EM_LIMITTEXT 0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_SETREADONLY 0x00CF
#define EM_GETLIMITTEXT 0x00D5
#define EM_LINESCROLL 0x00B6
#define EM_GETFIRSTVISIBLELINE 0x00CE
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_CLICK 0x00F5
#define CB_ADDSTRING 0x0143
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_SETCURSEL 0x014E
#define CB_ERR (-1)
#define BN_CLICKED 0
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501
#define EN_HSCROLL 0x0601
#define EN_VSCROLL 0x0602
#define CBN_SELCHANGE 1
#define CBN_SELENDOK 9
#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWL_ID (-12)
#define GWLP_WNDPROC (-4)
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5
#define IDOK 1
#define IDCANCEL 2
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_DELETE 0x2E
#define CF_TEXT 1
#define GMEM_MOVEABLE 0x0002
#define LF_FACESIZE 32
#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};

// ---- Functions ----
// Creates the dialog of the template registered under the id, sends WM_INITDIALOG with init_param and
// runs the modal loop: the driver set by headless_set_modal_driver acts as the user. Once the loop ends,
// returns EndDialog's result and destroys the dialog; 0 when the dialog was destroyed instead; -1 when
// the template is unknown or the driver returned with the dialog neither ended nor destroyed (the layer
// then destroys it).
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR template_name, HWND owner, DLGPROC proc, LPARAM init_param);
// Creates the dialog of the template modelessly, sends WM_INITDIALOG, returns the dialog (null if unknown).
HWND CreateDialogParamA(HINSTANCE instance, LPCSTR template_name, HWND owner, DLGPROC proc, LPARAM init_param);
// Sends WM_DESTROY to the dialog procedure and WM_NCDESTROY to each control, then ends the window and
// its controls (their handles stop working at once; the memory goes once no dialog procedure runs);
// ends a modal loop.
BOOL DestroyWindow(HWND window);
// Marks the dialog ended with the result and hides it: a modal dialog's loop ends and DialogBoxParamA
// destroys it; a modeless dialog stays a window until destroyed. FALSE when the handle is no dialog.
BOOL EndDialog(HWND dialog, INT_PTR result);
// True while the handle names a live window.
BOOL IsWindow(HWND window);
// The control with this id on the dialog, or null.
HWND GetDlgItem(HWND dialog, int id);
// The id of a control.
int GetDlgCtrlID(HWND control);
// Copies at most limit - 1 characters and a NUL into buffer; returns the count copied (0 when limit is 0).
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int limit);
// WM_SETTEXT to the control: text up to its first NUL.
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
// Sets the control's text to the value in decimal (signed when is_signed).
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL is_signed);
// Reads the control's text as a decimal number; 0 and *translated FALSE when it holds none.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed);
// SendMessageA to the control with this id; 0 when there is none.
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam);
// Delivers the message at once. A dialog whose procedure leaves WM_CLOSE to the default handling
// (returns 0) and still exists gets WM_COMMAND IDCANCEL right after (the system posts it).
LRESULT SendMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Checks the control with id `check` and clears the others whose id lies in first..last (`check`
// outside the range is not checked); sends no notification.
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);
// BM_GETCHECK of the control.
UINT IsDlgButtonChecked(HWND dialog, int id);
// SW_HIDE clears WS_VISIBLE, any other command sets it; returns whether WS_VISIBLE was set before.
BOOL ShowWindow(HWND window, int command);
// True when the window and the dialog it sits on both have WS_VISIBLE.
BOOL IsWindowVisible(HWND window);
// GWL_STYLE, GWL_EXSTYLE or GWL_ID.
LONG GetWindowLongA(HWND window, int index);
// GWLP_WNDPROC: the window procedure, which every message sent to the window goes through; it starts
// as the layer's own procedure of the window's class. Other indexes as GetWindowLongA.
LONG_PTR GetWindowLongPtrA(HWND window, int index);
// Replaces the window procedure (GWLP_WNDPROC only) and returns the one before; 0 otherwise.
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
// The default handling of a message: WM_SETREDRAW FALSE clears the window's WS_VISIBLE style and TRUE
// sets it, without showing or hiding anything; every other message gives 0.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Asks for the window to be painted again; painting is not modelled.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
// Calls the window procedure given, as a replacement procedure passes messages on to the one before.
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Window properties: a named value per window, null when none; RemovePropA returns the value removed.
BOOL SetPropA(HWND window, LPCSTR name, HANDLE value);
HANDLE GetPropA(HWND window, LPCSTR name);
HANDLE RemovePropA(HWND window, LPCSTR name);
// WM_GETTEXT / WM_SETTEXT to the window (the dialog's caption, a control's text).
int GetWindowTextA(HWND window, LPSTR buffer, int limit);
BOOL SetWindowTextA(HWND window, LPCSTR text);
// A font made from the description; kept until the process ends.
HFONT CreateFontIndirectA(const LOGFONTA* description);
// Deletes a font made by CreateFontIndirectA: TRUE for such a font, FALSE for null. The description
// stays readable through headless_font for controls that still hold the handle.
BOOL DeleteObject(HFONT font);
// The one module there is, whatever the name.
HMODULE GetModuleHandleA(LPCSTR name);
// The dialog of a control; null for the dialog itself.
HWND GetParent(HWND window);
// The state of a key: no key is ever held down here, so always 0.
short GetKeyState(int key);

// The clipboard: one for the process, holding at most one text (CF_TEXT) in a global memory block.
// OpenClipboard fails while it is open; SetClipboardData takes over the block; GetClipboardData
// returns the clipboard's block (null when none), valid until the clipboard is emptied.
BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT format, HANDLE data);
HANDLE GetClipboardData(UINT format);
// Global memory blocks of size bytes (zeroed); the lock is the block's address.
HANDLE GlobalAlloc(UINT flags, size_t size);
void* GlobalLock(HANDLE block);
BOOL GlobalUnlock(HANDLE block);
HANDLE GlobalFree(HANDLE block);

#endif
