#pragma once
// The layer's own headers and the system's are fine here; ui/ is named only in this comment.
#include "platform/win32.h"
#include <windows.h>
