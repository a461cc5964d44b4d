// Property setters: change a property of a window or control and show it.
// Each returns non-zero on success and 0 for a window without a runtime
// object, a kind without the property or a value out of range, unless its
// comment says otherwise.
#pragma once

#include <windows.h>
#include <stdint.h>

// RefreshWindow and RedrawAll, which the setters use, are offered with them.
#include "runtime/base/repaint.h"

// Colours, pen and pictures.
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

// Fonts. The controls of a dialog box use the dialog's font and refuse a
// change of their own; a dialog gives its new font to all its controls.
int SetFontBold(HWND window, int32_t on);
int SetFontItalic(HWND window, int32_t on);
int SetFontStrikeOut(HWND window, int32_t on);
int SetFontUnderline(HWND window, int32_t on);
// Answers the size when it is 0 or less, which changes nothing.
int SetFontSize(HWND window, int32_t points);
int SetFontNameA(HWND window, const char *name);
int SetFontNameW(HWND window, const wchar_t *name);
int SetFontName(HWND window, const void *name);

// Position and size in the object's scale units; docked controls refuse the
// dimensions that the docking decides.
int SetLeft(HWND window, int32_t left);
int SetTop(HWND window, int32_t top);
int SetWidth(HWND window, int32_t width);
int SetHeight(HWND window, int32_t height);
// Docks a picture box, toolbar, status bar or rebar to an edge (a DockEdge)
// and lays its window out again.
int SetAlign(HWND window, int32_t edge);
int SetAutoSize(HWND window, int32_t on);
int SetVisibleItems(HWND window, int32_t rows);

// Ranges and values of scroll bars, progress bars, trackbars and up-downs;
// SetValue also checks check boxes and option buttons (0 or 1).
int SetMax(HWND window, int32_t maximum);
int SetMin(HWND window, int32_t minimum);
int SetLargeChange(HWND window, int32_t page);
int SetValue(HWND window, int32_t value);
// Needs no object: the result of PBM_SETMARQUEE, or -1 when the window is
// not a progress bar with the marquee style.
LRESULT SetMarquee(HWND window, int on, int intervalMs);

// Texts and text boxes.
int SetTextA(HWND window, const char *text);
int SetTextW(HWND window, const wchar_t *text);
int SetText(HWND window, const void *text);
int SetMaxLength(HWND window, int32_t characters);
int SetPasswordChar(HWND window, int32_t character);
int SetReadingOrder(HWND window, int32_t rightToLeft);
int SetRightToLeft(HWND window, int32_t on);
int SetScrollBars(HWND window, int32_t bars);

// Visibility and state.
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
