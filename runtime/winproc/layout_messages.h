// The layout rows of the window procedure: moves and sizes are recorded and
// docked controls laid out again.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnShowWindow(WindowObject *object, const WindowMessage &m);
LRESULT OnMove(WindowObject *object, const WindowMessage &m);
LRESULT OnWindowPosChanged(WindowObject *object, const WindowMessage &m);
LRESULT OnSize(WindowObject *object, const WindowMessage &m);
LRESULT OnRelayout(WindowObject *object, const WindowMessage &m);
