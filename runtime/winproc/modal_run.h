// Modal runs: the message loop of a window run modally, the one way such a
// run ends, and the processing of waiting messages.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// The result of the last modal window, returned by ModalLoop.
extern INT_PTR ModalResult;

// Ends a modal run: the owner is enabled again and the loop told the result.
void FinishModalRun(WindowObject *object, INT_PTR result);

// Ends the modal run of a dialog box or window with a result: the owner is
// enabled again and the window destroyed. 0 for any other window.
int EndModal(HWND window, INT_PTR result);

// Takes, translates and dispatches every waiting message of the thread.
int ProcessMessages();
