// The system objects a window owns and their release at its destruction.
#pragma once

#include <windows.h>
#include <commctrl.h>

// The frame pens that windows and boxes acquire and release.
#include "runtime/painting/frame_pens.h"
#include "runtime/base/window_object.h"

void ReleaseWindowResources(WindowObject *object);
void DeleteObjectResources(WindowObject *object);
void DeleteGdiOrIcon(HANDLE handle);
void DestroyImageList(HIMAGELIST list);
