// Owner-drawn controls: push buttons with an image beside a caption, themed
// or classic, and labels and images drawn in the runtime's colours.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Theme part and states of a push button, as the visual-styles library
// numbers them.
enum : int {
    ButtonPartPush = 1, // BP_PUSHBUTTON
    ButtonNormal = 1,   // PBS_NORMAL
    ButtonHot = 2,      // PBS_HOT
    ButtonPressed = 3,  // PBS_PRESSED
    ButtonDisabled = 4, // PBS_DISABLED
    ButtonDefaulted = 5 // PBS_DEFAULTED
};

// The whole WM_DRAWITEM of a runtime push button: composed off-screen over
// a copy of the pixels under it, themed when a visual style is loaded, else
// classic. hot is the window the mouse is over. Returns 1, or 0 without a
// WindowObject.
int DrawOwnerButton(const DRAWITEMSTRUCT *item, HWND hot);
// The theme state of a push button for an item state.
int ThemedButtonState(const WindowObject *object, UINT itemState, bool hot);
// Background (classic), image and caption of a push button into item->hDC.
void DrawButtonFace(WindowObject *object, const DRAWITEMSTRUCT *item, int classic);
// The classic frame of a push button and its focus rectangle.
void DrawButtonFrame(const WindowObject *object, HDC dc, RECT rect, UINT itemState);
// Disabled text as the runtime draws it: white two pixels down and right
// under grey, with DrawText's format in rect.
void DrawEmbossedText(HDC dc, const void *text, RECT rect, UINT format);
// The button's image at (x, y), greyed when the button is disabled.
void DrawButtonImage(const WindowObject *object, HDC dc, int x, int y);
// WM_DRAWITEM of a label or image; 1, or 0 without a WindowObject.
int DrawOwnerStatic(HWND control, HDC dc, const RECT *rect);
