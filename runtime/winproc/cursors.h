// Hover, hyperlinks and cursors: the busy state with the wait cursor.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

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
