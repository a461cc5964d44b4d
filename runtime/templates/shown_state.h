// The shown state of a window: its timer, its show state and whether it
// and the controls inside it are enabled.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "runtime/base/window_object.h"

// Starts the window's timer (stops it at 0 or less); the timer identifier,
// or 0 when it is stopped.
int ChangeTimerInterval(WindowObject *object, HWND window, int32_t milliseconds);
// Each returns 1, or 0 when the object's kind or the value is refused.
int ChangeWindowState(WindowObject *object, HWND window, int32_t state);
int ChangeEnabled(WindowObject *object, HWND window, int32_t enabled);
