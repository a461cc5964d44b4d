// MdiClientProc: the runtime's MDI client hands everything to the system's.
#include "runtime/winproc/window_proc.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcAW(MdiClientProcedure, window, message, wParam, lParam);
}
