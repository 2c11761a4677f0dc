// Test hooks of the headless window layer: what tests, fuzz targets and benchmarks use to act as the user
// (typing, pasting, clicking, driving the modal loop) and to look inside (texts, fonts, controls, the
// WM_COMMAND messages that reached the dialog). Native builds only, beside the Win32 stand-in.
#ifndef MORVANE_PLATFORM_HEADLESS_HOOKS_H
#define MORVANE_PLATFORM_HEADLESS_HOOKS_H

#include <cstddef>

#include "platform/headless.h"

// One WM_COMMAND that reached a dialog procedure.
struct headless_notification {
    int id;
    int code;
};
// Acts as the user while the modal loop of DialogBoxParamA runs, and normally closes the dialog.
typedef void (*headless_modal_driver)(HWND dialog, void* context);

// Sets the driver (and its context) of the following DialogBoxParamA calls; null: the loop ends at once.
void headless_set_modal_driver(headless_modal_driver driver, void* context);
// Types the bytes one key at a time at the caret (WM_CHAR each): read-only blocks every key, ES_NUMBER
// refuses non-digits, a key past the limit raises EN_MAXTEXT and changes nothing, '\b' is backspace,
// '\r' and '\n' give "\r\n" and '\t' a tab in multi-line edits; other bytes below 0x20, and 0x7f, are
// ignored, as are line breaks and tabs in single-line edits. Each key that reaches the text (refused
// at the limit included) raises EN_UPDATE, EN_CHANGE. Enter in a read-only multi-line edit moves the
// caret to the next line.
void headless_type(HWND control, const char* keys);
// Selects all text of the control, then types the keys.
void headless_type_over(HWND control, const char* keys);
// Puts the text on the clipboard and pastes it over the selection (WM_PASTE): read-only blocks, a
// single-line edit takes the text up to its first line break, the limit cuts it (EN_MAXTEXT), ES_NUMBER
// does not filter; raises EN_UPDATE and EN_CHANGE once.
void headless_paste(HWND control, const char* text);
// Clicks the button (BM_CLICK).
void headless_click(HWND dialog, int id);
// Chooses the combo item as the user does: selects it, then CBN_SELENDOK and CBN_SELCHANGE.
void headless_choose_combo_item(HWND dialog, int id, int index);
// Presses Esc: WM_COMMAND IDCANCEL to the dialog.
void headless_press_escape(HWND dialog);
// Clicks the close box: WM_CLOSE to the dialog.
void headless_click_close_box(HWND dialog);
// The control's whole text (valid until its next change) and its length.
const char* headless_text(HWND control);
size_t headless_text_length(HWND control);
// The description of the font the control draws with (WM_GETFONT): WM_SETFONT's or the dialog font's.
const LOGFONTA* headless_font(HWND control);
// The window's class name: as the template gives it ("Edit", "Static", "Button", "ComboBox"),
// "#32770" for the dialog.
const char* headless_class_name(HWND window);
// Number of controls of the dialog, and the control at a template position (0-based) or null.
int headless_control_count(HWND dialog);
HWND headless_control_at(HWND dialog, int index);
// The WM_COMMAND messages that reached any dialog procedure since the last clear or dialog creation
// (the latest 65536 of them).
size_t headless_notification_count();
headless_notification headless_notification_at(size_t index);
void headless_clear_notifications();

#endif
