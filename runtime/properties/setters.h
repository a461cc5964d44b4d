// The property setters of colours, pens, pictures, icons and cursors, and of
// the shown state: visibility, window state, enabled, focus and default.
#pragma once

#include <windows.h>
#include <stdint.h>

int SetBackColor(HWND window, int32_t colourCode);
int SetForeColor(HWND window, int32_t colourCode);
int SetPenStyle(HWND window, int32_t style);
int SetPenWidth(HWND window, int32_t width);
int SetPicture(HWND window, uintptr_t image);
int SetPicturePosition(HWND window, int32_t position);
int SetDoubleBuffer(HWND window, int32_t on);

// A resource number or a handle; the icon or cursor replaced is destroyed.
int SetIcon(HWND window, uintptr_t icon);
int SetSmallIcon(HWND window, uintptr_t icon);
int SetMouseIcon(HWND window, uintptr_t cursor);
int SetMousePointer(HWND window, int32_t pointer);

int SetVisible(HWND window, int32_t visible);
int SetWindowState(HWND window, int32_t state);
int SetEnabled(HWND window, int32_t enabled);
int SetTabStop(HWND window, int32_t on);
int SetShowFocus(HWND window, int32_t on);

// Makes a push button its window's default button, or no longer.
int SetDefault(HWND window, int32_t on);

// The period of the window's timer (identifier 2); 0 or less stops it.
// Answers the timer identifier, 0 when it is stopped.
int SetTimerInterval(HWND window, int32_t milliseconds);
