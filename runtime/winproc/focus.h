// Keyboard focus among a window's controls and the default push button.
#pragma once

#include <windows.h>

// The number of controls of a window, nested containers included.
int ControlCount(HWND window);
// The control with the given Index, found depth first; 0 when none.
HWND ControlByIndex(HWND window, int index);

// How FindFocusableControl looks for a control.
struct FocusSearch {
    bool Backwards = false; // towards lower Index
    // Moved by an arrow key: an option button qualifies without TabStop, and
    // the one found is clicked.
    bool ArrowMode = false;
    // An option button found gives the checked one of its group (0 when none).
    bool PreferChecked = false;
};
// The next control that can take the focus, from the start index in the
// search's direction, wrapping (backwards, a start before the first control
// is the last one); the window itself when none qualifies.
HWND FindFocusableControl(HWND window, int start, FocusSearch search);
// The control of lowest Index with TabStop, Visible and Enabled, or the window.
HWND FirstFocusableControl(HWND window);
// The first push button (depth first) that is the default, or the cancel
// button; 0 when none.
HWND FindDefaultButton(HWND window);
HWND FindCancelButton(HWND window);
// Shows or removes the default-button look of a push button.
void SetDefaultLook(HWND button, int on);
// Gives the focus back to the window's active control.
void RestoreFocus(HWND window);
