// The object table, which binds window handles to their WindowObjects.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// The object whose window is being created: bound to the new handle by the
// window's first message.
extern WindowObject *PendingObject;

// The object of a window handle (first match), or 0.
WindowObject *ObjectFromHandle(HWND window);
// Empties the lookup cache in front of the table; whoever puts another
// table in place of ObjectTable (or none) calls it.
void ForgetCachedObjects();
void AddObject(HWND window, WindowObject *object);
// Removes the pair and releases the object's texts and its child objects;
// -1 when the pair is absent.
int RemoveObject(HWND window, WindowObject *object);
// RemoveObject for controls: their Children array stays, as the window
// that owns them frees it once every child window is gone.
int RemoveObjectKeepingChildren(HWND window, WindowObject *object);
// Frees the Children array of an object with every child object in it,
// depth first (each child's texts and own children first).
void ReleaseChildObjects(WindowObject *object);
