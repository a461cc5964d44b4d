// The one place where window creation reaches up into the window procedure.
//
// Creation and the window procedure need each other: building a window sends
// it WM_CREATE, whose handling (here, in winproc/) builds the window's
// controls through templates/; and creation in turn subclasses every control
// with RuntimeWindowProc and runs modal windows through ModalLoop. These
// declarations are the whole of what templates/ may call above, and the
// build lets templates/ see this header and no other of winproc/.
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
