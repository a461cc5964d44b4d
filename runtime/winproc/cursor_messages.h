// Hover tracking, hyperlink labels, the choice of the mouse cursor and the
// busy state with its wait cursor.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnSetCursor(WindowObject *object, const WindowMessage &m);

// The cursor choice for a window whose cursor follows object: its own, or
// the control or frame that an inner window or the MDI client belongs to.
// The EventProcedure hears the object's handle; the chosen cursor shows
// over the receiving window, whose own procedure, when given, takes the
// default processing.
LRESULT ChooseCursor(WindowObject *object, const WindowMessage &m, WNDPROC receiverProcedure);
LRESULT OnMouseMove(WindowObject *object, const WindowMessage &m);
LRESULT OnMouseLeave(WindowObject *object, const WindowMessage &m);

extern int Busy;
extern HWND SavedCapture;
extern HWND HoverWindow;
extern int LinkPressed;

// Tracks the mouse leaving window (WM_MOUSELEAVE), which becomes HoverWindow.
void StartLeaveTracking(HWND window);

// Opens the target of a hyperlink label (a mail address or anything the shell
// opens) unless its EventProcedure takes RTM_LINKCLICKED.
void OpenHyperlink(WindowObject *label, HWND window, WPARAM keys);

// Shows the wait cursor and captures the mouse for window.
void BeginBusy(HWND window);

// Ends the busy state; a capture taken from another window goes back to it.
void EndBusy();
