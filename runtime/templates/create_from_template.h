// CreateFromTemplate and BuildChildObjects: window objects copied from a
// template and the window created in one of its four ways, through
// CreateWindowEx in the active form.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"
#include "runtime/templates/create_window.h"

// The window or container that its own creation is showing for the first
// time. Its layout has just run, or has nothing to place yet, so that
// showing gives it no size nudge.
extern WindowObject *ShownByCreation;

// Copies the child entries that follow entry into objects under parent;
// returns the last entry consumed, or null when a Children count cannot be
// held or a block cannot be had (what was built stays under parent, each
// object with its own texts, for ReleaseChildObjects).
const WindowObject *BuildChildObjects(WindowObject *parent, const WindowObject *entry);

// CreateWindowEx in the active form with the application's instance; the
// class name is a runtime UTF-16 literal, the window name a text in the
// active form (or null).
HWND CreateRuntimeWindow(DWORD exStyle, const wchar_t *className, const void *windowName,
                         DWORD style, int x, int y, int width, int height, HWND parent,
                         HMENU menuOrId, void *parameter);
