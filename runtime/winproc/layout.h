// Layout: start-up positions, docking, automatic sizes and the recording of
// positions and sizes. The routines that creation also calls are declared in
// creation_knot.h.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

void LayoutDockedControls(WindowObject *object);
// Whether a window's template gives its docking layout anything to do:
// docked controls, toolbars (given their button size) or an MDI client.
bool HasDockingWork(const WindowObject *object);
void RecordPosition(WindowObject *object);
void RecordSize(WindowObject *object, int sizeType);
// 0 when which (0 width, 1 height) belongs to the docking layout.
int CanSetDimension(WindowObject *object, int which);
