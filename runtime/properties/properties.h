// Property setters: change a property of a window or control and show it.
// Each returns 0 for a window without a runtime object.
#pragma once

#include <windows.h>
#include <stdint.h>

// RefreshWindow and RedrawAll, which the setters use, are offered with them.
#include "runtime/base/repaint.h"

int SetBackColor(HWND window, int32_t colourCode);
int SetForeColor(HWND window, int32_t colourCode);
int SetPenStyle(HWND window, int32_t style);
int SetPicture(HWND window, uintptr_t image);
int SetTimerInterval(HWND window, int32_t milliseconds);
int SetWindowState(HWND window, int32_t state);
int SetEnabled(HWND window, int32_t enabled);
