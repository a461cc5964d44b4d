// RescaleWindow: a window and every control in it laid out again for new
// dots per inch, as when the window moves to a monitor of another scale.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Takes the suggested rectangle (with none the window stays where it is) and
// then makes positions, sizes, fonts, pens, item sizes, icon lists and the
// docked layout again at dpi. The fields keep their values: a property
// read after it answers what it answered before.
void RescaleWindow(WindowObject *window, int dpi, const RECT *suggested);
