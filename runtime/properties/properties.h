// Property setters: change a property of a window or control and show it.
#pragma once

#include <windows.h>
#include <stdint.h>

// Repaints a window before returning (invalidate, then WM_PAINT at once).
void RefreshWindow(HWND window, int erase);
// Repaints a window with its frame and children.
void RedrawAll(HWND window);

int SetBackColor(HWND window, int32_t colourCode);
int SetForeColor(HWND window, int32_t colourCode);
int SetPenStyle(HWND window, int32_t style);
int SetPicture(HWND window, uintptr_t image);
int SetTimerInterval(HWND window, int32_t milliseconds);
int SetWindowState(HWND window, int32_t state);
int SetEnabled(HWND window, int32_t enabled);
