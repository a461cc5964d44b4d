// Property setters: change a property of a window or control and show it.
// Each returns non-zero on success and 0 for a window without a runtime
// object, a kind without the property or a value out of range, unless its
// comment says otherwise.
#pragma once

// RefreshWindow and RedrawAll, which the setters use, are offered with them.
#include "runtime/base/repaint.h"
#include "runtime/properties/font_setters.h"
#include "runtime/properties/geometry_setters.h"
#include "runtime/properties/setters.h"
#include "runtime/properties/text_setters.h"
#include "runtime/properties/value_setters.h"
