// The one place where window creation reaches up into the window procedure.
//
// Creation and the window procedure need each other: building a window sends
// it WM_CREATE, whose handling (here, in winproc/) builds the window's
// controls through templates/; and creation in turn subclasses every control
// with RuntimeWindowProc, runs modal windows through ModalLoop and sizes and
// places what it creates with the layout routines below. Everything else in
// templates/ includes only the floors beneath it; these declarations are the
// whole of what it may call above, and the build lets templates/ see this
// header and no other of winproc/.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// The one window procedure of every runtime window and control.
LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Procedure of the inner windows of combo boxes and IP address boxes.
LRESULT CALLBACK InnerChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Procedure of the field edits of IP address boxes, kept when they are subclassed.
extern WNDPROC IpEditProcedure;

// Runs a window created with the modal option until it is destroyed; the
// owner (may be 0) is disabled meanwhile. Returns ModalResult.
INT_PTR ModalLoop(WindowObject *object, HWND owner);

struct StartPosition {
    int X, Y, Width, Height;
};
// Position and size of a window at creation by its StartUpPosition.
void ComputeStartPosition(WindowObject *object, HWND owner, StartPosition *result);
// The window rectangle relative to the parent's client area (screen for
// top-level windows); 1, or -1 when it cannot be read.
int WindowRectInParent(HWND window, RECT *rect);
// Forces a WM_SIZE with the same size, so that the window lays itself out.
void NudgeSize(HWND window);
void AutoSizeControl(WindowObject *object);
// Measures a label's caption in its font (without the "&" prefix marks
// unless NoPrefix), keeps the height in CaptionHeight and returns the size.
SIZE MeasureLabelCaption(WindowObject *object);
void FitComboHeight(WindowObject *object, int resize);
