// Window templates built by tests: entries with the fields creation needs.
#pragma once

#include <vector>

#include "runtime/templates/window_object.h"

// An entry of a window (kinds 1 to 3) with sensible defaults: visible,
// enabled, button-face background, pixels, 8-point "MS Sans Serif".
WindowObject WindowEntry(ControlKind kind, const wchar_t *name, int children, int width = 300,
                         int height = 200);

// An entry of a control with its index, position and size.
WindowObject ControlEntry(ControlKind kind, const wchar_t *name, int index, int children = 0,
                          DWORD style = 0, const wchar_t *text = L"");

// Makes the window entry (the first) refer to its own template.
void FinishTemplate(std::vector<WindowObject> &entries);
