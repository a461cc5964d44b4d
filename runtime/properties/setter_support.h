// What the setter files share: the object of a window with the kinds that
// may change a property.
#pragma once

#include <windows.h>

#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"

// The window's object, or 0 when it has none or its kind is refused.
template <class Accepts> WindowObject *ObjectAccepting(HWND window, Accepts accepts) {
    WindowObject *object = ObjectFromHandle(window);
    return object && accepts(object->Kind) ? object : nullptr;
}

// The value of a setter that takes 0 or 1.
inline bool IsFlag(int32_t value) {
    return value == 0 || value == 1;
}

// Lays out again the docked controls of the container the window is in.
void LayoutContainerOf(HWND window);
