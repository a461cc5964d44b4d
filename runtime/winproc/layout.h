// Layout and units: scale modes, start-up positions, docking, automatic sizes.
#pragma once

#include <windows.h>

#include "runtime/templates/window_object.h"

// Scale mode 1 is twips; every other value is pixels.
int ToPixelsX(int value, int scaleMode);
int ToPixelsY(int value, int scaleMode);
int FromPixelsX(int pixels, int scaleMode);
int FromPixelsY(int pixels, int scaleMode);

// The window rectangle relative to the parent's client area (screen for
// top-level windows); 1, or -1 when it cannot be read.
int WindowRectInParent(HWND window, RECT *rect);

struct StartPosition {
    int X, Y, Width, Height;
};
// Position and size of a window at creation by its StartUpPosition.
void ComputeStartPosition(WindowObject *object, HWND owner, StartPosition *result);

void LayoutDockedControls(WindowObject *object);
void RecordPosition(WindowObject *object);
void RecordSize(WindowObject *object, int sizeType);
// Forces a WM_SIZE with the same size, so that the window lays itself out.
void NudgeSize(HWND window);
void AutoSizeControl(WindowObject *object);
// Measures a label's caption in its font (without the "&" prefix marks
// unless NoPrefix), keeps the height in CaptionHeight and returns the size.
SIZE MeasureLabelCaption(WindowObject *object);
void FitComboHeight(WindowObject *object, int resize);
// 0 when which (0 width, 1 height) belongs to the docking layout.
int CanSetDimension(WindowObject *object, int which);

// The kinds that can be docked to an edge of their window.
inline bool IsDockableKind(int kind) {
    return kind == KindPictureBox || kind == KindToolbar || kind == KindStatusBar ||
           kind == KindRebar;
}
