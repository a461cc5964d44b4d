// Painting of the runtime's picture boxes and window backgrounds.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Paints a picture box: background and image, and (drawText) its text or
// the text being printed, into dc or, without one, between BeginPaint and
// EndPaint; double-buffered pictures paint off-screen first.
void PaintPicture(WindowObject *object, HDC dc, int paintBackground, int drawText);
// Copies width by height pixels of a bitmap to (0, 0) of target, through a
// memory context compatible with source.
void DrawBitmapAtOrigin(HDC source, HDC target, HBITMAP bitmap, int width, int height);
// Draws the object's Picture into the rectangle (0, 0, right, bottom).
void DrawImageInRect(WindowObject *object, HDC source, HDC target, const RECT *rect);
// A window's WM_ERASEBKGND: background colour around its picture; 1.
LRESULT EraseWindowBackground(WindowObject *object, HWND window, HDC dc);
// Transparent labels and images inside window paint themselves again.
void EraseSiblingsOver(HWND window);

// A group's caption extent in its font: CaptionLeft, CaptionWidth and
// CaptionHeight.
void MeasureGroupCaption(WindowObject *object);
// Paints a group's caption again in the runtime's font and colours, over
// what the button class drew, into dc or, without one, between BeginPaint
// and EndPaint.
void PaintGroupCaption(WindowObject *object, HDC dc);
