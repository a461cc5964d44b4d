// Modal runs: the message loop of a window run modally, the one way such a
// run ends, and the processing of waiting messages.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"
#include "runtime/winproc/modal.h"

// The result of the last modal window, returned by ModalLoop.
extern INT_PTR ModalResult;

// Ends a modal run: the owner is enabled again and the loop told the result.
void FinishModalRun(WindowObject *object, INT_PTR result);
