// The object's private copy of its caption, kept at every WM_SETTEXT.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnSetText(WindowObject *object, const WindowMessage &m);
