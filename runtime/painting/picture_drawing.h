// Drawing onto picture boxes, dialog boxes and windows: printed text, lines,
// rectangles and ellipses. What is drawn is not repainted: it stays until
// the window next paints itself.
#pragma once

#include <windows.h>
#include <stdint.h>

// Prints text at the window's text position in its font and text colour; a
// picture box repaints with the text on it. 1, or 0 for a null text, a
// window without an object or a kind that takes no drawing.
int PrintText(HWND window, const void *text);
int PrintTextA(HWND window, const char *text);
int PrintTextW(HWND window, const wchar_t *text);

// The text position, given in the window's units (-32768 to 32767) and kept
// in pixels. The setters return 1, or 0; the getters -1 for other kinds.
int SetTextX(HWND window, int position);
int SetTextY(HWND window, int position);
int GetTextX(HWND window);
int GetTextY(HWND window);

// A line from (x1, y1) to (x2, y2), or with rectangle set a rectangle, in
// the window's pen and filled with fillColour (an RGB value; -1 for the
// window's background). Coordinates in the window's units. 1, or 0.
int DrawShape(HWND window, int x1, int y1, int x2, int y2, int rectangle, int32_t fillColour);
// The ellipse within (x1, y1)-(x2, y2), the same way.
int DrawEllipse(HWND window, int x1, int y1, int x2, int y2, int32_t fillColour);
