// InsertRebarBands: the bands of a rebar, made from its item records once
// its child controls exist.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

void InsertRebarBands(WindowObject *object);
