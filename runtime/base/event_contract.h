// The event contract: the application's EventProcedure answers 0 when it did
// not handle a message; the runtime then does the kind's default processing.
// Event procedures receive the runtime's private messages too (messages.h).
#pragma once

#include <windows.h>

#include "runtime/base/messages.h"
#include "runtime/base/window_object.h"

LRESULT CallEventProcedure(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);
LRESULT EventThenDefault(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam);
LRESULT DefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);
LRESULT WindowDefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam);
LRESULT PreviousProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);

// The runtime's default processing for an application that asks for it; -1
// for a window that is not the runtime's.
LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
