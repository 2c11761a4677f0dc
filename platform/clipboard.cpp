// The clipboard and the global memory blocks that carry its text.
#include <memory>
#include <vector>

#include "platform/window.h"

namespace {

// The clipboard is the system's, shared by every window of the process: one record here too.
struct clipboard_state {
    bool open = false;
    HANDLE text = nullptr;
};
clipboard_state clipboard;

typedef std::vector<char> memory_block;

}  // namespace

HANDLE GlobalAlloc(UINT, size_t size)
{
    return new memory_block(size, '\0');
}

void* GlobalLock(HANDLE block)
{
    return block ? static_cast<memory_block*>(block)->data() : nullptr;
}

BOOL GlobalUnlock(HANDLE block)
{
    return block != nullptr;
}

HANDLE GlobalFree(HANDLE block)
{
    delete static_cast<memory_block*>(block);
    return nullptr;
}

BOOL OpenClipboard(HWND)
{
    if (clipboard.open)
        return FALSE;
    clipboard.open = true;
    return TRUE;
}

BOOL CloseClipboard()
{
    bool was_open = clipboard.open;
    clipboard.open = false;
    return was_open;
}

BOOL EmptyClipboard()
{
    if (!clipboard.open)
        return FALSE;
    GlobalFree(clipboard.text);
    clipboard.text = nullptr;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data)
{
    if (!clipboard.open || format != CF_TEXT)
        return nullptr;
    if (clipboard.text != data)
        GlobalFree(clipboard.text);
    clipboard.text = data;
    return data;
}

HANDLE GetClipboardData(UINT format)
{
    return clipboard.open && format == CF_TEXT ? clipboard.text : nullptr;
}
