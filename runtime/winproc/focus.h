// Keyboard focus among a window's controls and the default push button.
#pragma once

#include <windows.h>

// The number of controls of a window, nested containers included.
int ControlCount(HWND window);
// The control with the given Index, found depth first; 0 when none.
HWND ControlByIndex(HWND window, int index);

// The next control that can take the focus, from the start index in the
// given direction, wrapping (backwards, a start before the first control is
// the last one); the window itself when none qualifies.
HWND FindFocusableControl(HWND window, int start, int backwards, int arrowMode, int preferChecked);
// The control of lowest Index with TabStop, Visible and Enabled, or the window.
HWND FirstFocusableControl(HWND window);
// The first push button (depth first) that is the default (which = 2) or the
// cancel button (which = 1); 0 when none.
HWND FindCommandButton(HWND window, int which);
// Shows or removes the default-button look of a push button.
void SetDefaultLook(HWND button, int on);
// Gives the focus back to the window's active control.
void RestoreFocus(HWND window);
