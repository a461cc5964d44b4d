// Binding a window to its object at its first message, and the answers
// about an object and the runtime that the floors above ask by message.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnNcCreate(const WindowMessage &m);
LRESULT OnUnknownWindow(const WindowMessage &m);

LRESULT OnGetObject(WindowObject *object, const WindowMessage &m);
LRESULT OnGetThemeLibrary(const WindowMessage &m);
LRESULT OnHasManifest(const WindowMessage &m);
