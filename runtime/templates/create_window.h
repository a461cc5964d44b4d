// Windows created from templates.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Creates a window from its template. Returns the window handle, 0 when no
// window was created, -1 when the application refused it; a modal window
// returns its modal result. The owner may be 0; the dialog procedure is
// kept as the PreviousProcedure of a dialog. A template that CheckTemplate
// refuses, or a dialog whose dialog resource is missing, creates nothing
// and returns 0; one line through OutputDebugStringW names the entry and
// the reason.
INT_PTR CreateFromTemplate(const WindowTemplate *windowTemplate, HWND owner, int modal,
                           WNDPROC dialogProcedure);
