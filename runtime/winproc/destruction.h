// Destruction: a window's or control's resources at WM_DESTROY, and the
// release of its object (controls at WM_DESTROY, windows at WM_NCDESTROY).
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnDestroy(WindowObject *object, const WindowMessage &m);
LRESULT OnNcDestroyWindow(WindowObject *object, const WindowMessage &m);
