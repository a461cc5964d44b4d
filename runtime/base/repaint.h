// The repaint helpers shared by the runtime and its property setters.
#pragma once

#include <windows.h>

// Repaints a window before returning (invalidate, then WM_PAINT at once).
// Both leave alone a window that is not on the screen.
void RefreshWindow(HWND window, int erase);
// Repaints a window with its frame and children.
void RedrawAll(HWND window);
