// Hover, hyperlinks and cursors: the busy state with the wait cursor.
#pragma once

#include <windows.h>

extern int Busy;
extern HWND SavedCapture;
extern HWND HoverWindow;
extern int LinkPressed;

// Tracks the mouse leaving window (WM_MOUSELEAVE), which becomes HoverWindow.
void StartLeaveTracking(HWND window);

// Shows the wait cursor and captures the mouse for window.
void BeginBusy(HWND window);
// Ends the busy state; a capture taken from another window goes back to it.
void EndBusy();
