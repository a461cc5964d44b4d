// Mouse messages the window procedure handles itself: non-client buttons,
// hit tests, button presses and releases, and scroll bars.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnNcButtonDown(WindowObject *object, const WindowMessage &m);
LRESULT OnNcHitTest(WindowObject *object, const WindowMessage &m);

LRESULT OnLeftButtonDown(WindowObject *object, const WindowMessage &m);
LRESULT OnLeftButtonUp(WindowObject *object, const WindowMessage &m);
LRESULT OnLeftButtonDoubleClick(WindowObject *object, const WindowMessage &m);
LRESULT OnRightButtonDown(WindowObject *object, const WindowMessage &m);
LRESULT OnRightButtonDoubleClick(WindowObject *object, const WindowMessage &m);
LRESULT OnScroll(WindowObject *object, const WindowMessage &m);
