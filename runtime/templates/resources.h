// The system objects a window owns and their release at its destruction.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "runtime/base/window_object.h"

// The shared frame pens (light grey 0xE0E0E0, dark grey 0x808080) and the
// number of windows and boxes that use them.
extern HPEN FramePenLight;
extern HPEN FramePenDark;
extern int FramePenUses;
void AcquireFramePens();
void ReleaseFramePens();

void ReleaseWindowResources(WindowObject *object);
void DeleteObjectResources(WindowObject *object);
void DeleteGdiOrIcon(HANDLE handle);
void DestroyImageList(HIMAGELIST list);
