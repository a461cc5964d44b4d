// The font setters: one field of the font changes, then the font is made
// again. A dialog box shares its font with its controls.
#pragma once

#include <windows.h>
#include <stdint.h>

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
