// Layout: where a window appears at creation, docked controls, sizes that
// follow content (labels, picture boxes, combo-box drop-downs), the size
// nudge, and the recording of positions and sizes into the objects. Every
// routine works on objects and window handles alone: creation, the window
// procedure and the property setters all call it from above.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Start position.
struct StartPosition {
    int X, Y, Width, Height;
};
// Position and size of a window at creation by its StartUpPosition.
void ComputeStartPosition(WindowObject *object, HWND owner, StartPosition *result);

// Docking.
// Places docked bars and picture boxes against the edges of the window in
// Z order; an MDI frame's client takes the area left over.
void LayoutDockedControls(WindowObject *object);
// Whether a window's template gives its docking layout anything to do:
// docked controls, toolbars (given their button size) or an MDI client.
bool HasDockingWork(const WindowObject *object);
// 0 when which (0 width, 1 height) belongs to the docking layout.
int CanSetDimension(WindowObject *object, int which);

// Sizes that follow content.
// Forces a WM_SIZE with the same size, so that the window lays itself out.
void NudgeSize(HWND window);
// Sizes an AutoSize label to its caption or a picture box to its picture.
void AutoSizeControl(WindowObject *object);
// Measures a label's caption in its font (without the "&" prefix marks
// unless NoPrefix), keeps the height in CaptionHeight and returns the size.
SIZE MeasureLabelCaption(WindowObject *object);
// Records a combo box's item height and its own height; with resize, sizes
// the drop-down to hold VisibleItems.
void FitComboHeight(WindowObject *object, int resize);

// Positions and sizes recorded into the object.
// The window rectangle relative to the parent's client area (screen for
// top-level windows); 1, or -1 when it cannot be read.
int WindowRectInParent(HWND window, RECT *rect);
void RecordPosition(WindowObject *object);
void RecordSize(WindowObject *object, int sizeType);
// Between a call with 1 and one with 0 nothing is recorded: the fields are
// what the windows are placed from.
void HoldGeometryRecording(int hold);
