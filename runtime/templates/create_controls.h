// CreateControls: the controls of a window or container, created in
// template order, given their initial settings, bound and subclassed; and
// the threads that thread entries start in place of a control.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Gives a scroll bar control its object's range, page and position.
void ShowScrollBarState(HWND window, const WindowObject *object);

// Starts the thread of a thread entry and records it in the ThreadTable.
void StartTemplateThread(HWND ownerWindow, WindowObject *object);

// Creates the controls of container's Children inside parentWindow; the
// owner window is the window the controls belong to.
void CreateControls(HWND parentWindow, HWND ownerWindow, WindowObject *container);
