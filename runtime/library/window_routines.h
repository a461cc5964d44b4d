// Window and message routines for applications: ending a modal window and
// processing waiting messages.
#pragma once

#include <windows.h>

// Ends the modal run of a dialog box or window with a result: the owner is
// enabled again and the window destroyed. 0 for any other window.
int EndModal(HWND window, INT_PTR result);

// Takes, translates and dispatches every waiting message of the thread.
int ProcessMessages();
