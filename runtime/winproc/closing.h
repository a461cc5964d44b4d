// Closing a window: the EventProcedure may refuse; otherwise the window is
// hidden, a modal run ends or the window is destroyed.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnCloseWindow(WindowObject *object, const WindowMessage &m);
