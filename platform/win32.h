// The window-system interface of the program: the real one on Windows, the headless layer elsewhere.
// Engine and dialog code include only this header.
#ifndef MORVANE_PLATFORM_WIN32_H
#define MORVANE_PLATFORM_WIN32_H

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/headless.h"
#endif

#endif
