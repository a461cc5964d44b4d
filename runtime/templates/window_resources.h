// What a window owns, released at its destruction.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "runtime/base/window_object.h"

// A window's fonts, brushes, pens, images and menu, and its use of the frame
// pens; the owner or parent is activated first and the window's icons taken
// back from the system.
void ReleaseWindowResources(WindowObject *object);

// The release alone, for a window that never became the user's.
void ReleaseWindowObjects(WindowObject *object);
// The fonts, brushes, pens and images of any object.
void DeleteObjectResources(WindowObject *object);
void DeleteGdiOrIcon(HANDLE handle);
void DestroyImageList(HIMAGELIST list);
