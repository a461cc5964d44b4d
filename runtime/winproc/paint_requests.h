// Colour and paint requests: controls get their own colours, brushes and
// fonts; windows and boxes erase in their background colour.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnColourRequest(WindowObject *object, const WindowMessage &m);
LRESULT OnEraseBackground(WindowObject *object, const WindowMessage &m);
LRESULT OnPaint(WindowObject *object, const WindowMessage &m);
LRESULT OnDrawItem(WindowObject *object, const WindowMessage &m);
LRESULT OnMeasureItem(WindowObject *object, const WindowMessage &m);
LRESULT OnThemeChanged(WindowObject *object, const WindowMessage &m);
LRESULT OnSysColorChange(WindowObject *object, const WindowMessage &m);
LRESULT OnRedrawArea(WindowObject *object, const WindowMessage &m);
