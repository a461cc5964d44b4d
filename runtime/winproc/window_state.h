// Window state: activation and monitor changes.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnNcActivate(WindowObject *object, const WindowMessage &m);
LRESULT OnMdiActivate(WindowObject *object, const WindowMessage &m);
LRESULT OnDpiChanged(WindowObject *object, const WindowMessage &m);
