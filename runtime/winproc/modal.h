// Modal windows: a window created with CreateFromTemplate(..., modal = 1)
// runs its own message loop, with its owner disabled, until EndModal.
#pragma once

#include <windows.h>

// Ends the modal run of a dialog box or window with a result: the owner is
// enabled again and the window destroyed. 0 for any other window.
int EndModal(HWND window, INT_PTR result);

// Takes, translates and dispatches every waiting message of the thread.
int ProcessMessages();
