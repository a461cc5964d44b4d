// SetUpWindow: a window finished at its WM_CREATE or WM_INITDIALOG, from its
// menu and tooltips to its controls.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Finishes a window (kinds 1 to 3) at its WM_CREATE or WM_INITDIALOG.
void SetUpWindow(WindowObject *object);
