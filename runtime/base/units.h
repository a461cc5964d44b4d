// Units: positions and sizes in an object's ScaleMode, converted to the
// device pixels of the window's screen.
//
// Pixels held by the runtime (in templates, in the fields that properties
// read and write, in the drawing routines) are layout pixels: 1/96 inch.
// Twips are 1/1440 inch. Both become device pixels only where they meet the
// system, at the dots per inch of the window they belong to; at 96 dots per
// inch a layout pixel is a device pixel.
#pragma once

#include <windows.h>

struct WindowObject;

// The scale modes; every value other than twips means pixels.
enum ScaleModeCode : int { ScalePixels = 0, ScaleTwips = 1 };

// The dots per inch of layout pixels.
constexpr int LayoutDpi = 96;

// A value in a scale mode as device pixels at dpi, truncated toward zero.
int ToPixelsX(int value, int scaleMode, int dpi);
int ToPixelsY(int value, int scaleMode, int dpi);
// Device pixels at dpi in a scale mode: a value that ToPixels made from
// layout pixels comes back as it was.
int FromPixelsX(int pixels, int scaleMode, int dpi);
int FromPixelsY(int pixels, int scaleMode, int dpi);

// Layout pixels that are not in a scale mode (button, part and column
// sizes, pen widths) as device pixels, and back.
int ScaleToDpi(int layoutPixels, int dpi);
int ScaleFromDpi(int devicePixels, int dpi);

// The dots per inch a window of the runtime and its controls are laid out
// for; a window the runtime does not know answers its system's value.
int WindowDpi(HWND window);
int ObjectDpi(const WindowObject *object);
// What the system says of a window's dots per inch: its monitor's where the
// system knows them per monitor, else the screen's.
int SystemWindowDpi(HWND window);
