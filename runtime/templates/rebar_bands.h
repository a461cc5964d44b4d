// InsertRebarBands: the bands of a rebar, made from its item records once
// its child controls exist.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

void InsertRebarBands(WindowObject *object);
// Sizes the bands again from their item records for the rebar's dots per
// inch, around children that were sized already.
void RescaleRebarBands(WindowObject *object);
