// Appearance: fonts, colours, images and pens of windows and controls, and
// the appearance a control takes from its template.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "runtime/base/window_object.h"

// A font made from an object's font fields (FontSize, FontBold, FontItalic,
// FontUnderline, FontStrikeOut, FontName) for a window laid out at dpi.
HFONT CreateFontFromFields(const WindowObject *fields, int fixedScale, int dpi);

// The point-size rule alone: the (negative) font height, the point size
// rounded half up.
int FontHeightForSize(int dotsPerInch, int size, int divisor);
// The (negative) height of a font of size points at dpi: with fixedScale,
// its height on a 96-dpi screen as layout pixels, so that it keeps its
// proportion to the layout; else the points at dpi.
int FontHeightAtDpi(int size, int fixedScale, int dpi);

// Replaces the object's font with one made from its font fields; the window
// is not redrawn.
void RebuildFont(WindowObject *object, int fixedScale);

// Font, colours and images of one control, from its template fields.
void ApplyControlAppearance(HWND ownerWindow, WindowObject *object);

// A colour code resolved to a colour, or (wantBrush) to a brush; the kinds
// that take their colours by message never get a brush.
uintptr_t ResolveColour(WindowObject *object, int32_t colourCode, int wantBrush);

// BackColor from BackColorSetting (not -1), and either the background
// brush or, for the kinds that take colours by message, the colour sent.
void ApplyBackColour(WindowObject *object);

// Sends ForeColor to the kinds that take their text or bar colour by message.
void SendForeColour(const WindowObject *object);

// Loads an image resource number as a shared image (a picture as a bitmap
// first, unless object's PictureType says icon); handles and 0 unchanged.
ImageRef LoadImageResource(WindowObject *object, ImageRef value, int asPicture);
void RecordPictureSize(WindowObject *object);

// Each returns 1, or 0 when the object's kind or the value is refused.
int ChangeBackColor(WindowObject *object, HWND window, int32_t colourCode);
int ChangeForeColor(WindowObject *object, HWND window, int32_t colourCode);
int ChangePenStyle(WindowObject *object, HWND window, int32_t style);

// Releases the picture it replaces.
int ChangePicture(WindowObject *object, HWND window, uintptr_t image);

// Installs a picture (loading a resource number) and hands back the image it
// replaces, which the caller then owns: a handle, or 0 when there was none,
// it was a number that never loaded, or the same image was set again.
ImageRef InstallPicture(WindowObject *object, HWND window, uintptr_t image);
