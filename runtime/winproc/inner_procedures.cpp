// The runtime's other window procedures: the MDI client and the inner windows
// of combo boxes and IP address boxes.
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/window_proc.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

// MdiClientProc: the runtime's MDI client hands everything to the system's.
LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcAW(MdiClientProcedure, window, message, wParam, lParam);
}

// InnerChildProc: the inner windows of combo boxes, extended combo boxes
// and IP address boxes pass their messages on to the procedure they had.
// The procedure an inner window had before: the field edits of IP address
// boxes share one; every other inner window keeps its own in its user data.
static WNDPROC PreviousInnerProcedure(HWND window) {
    const WindowObject *owner = ObjectFromHandle(GetParent(window));
    if (owner && owner->Kind == KindIpAddress) return IpEditProcedure;
    return (WNDPROC)GetWindowLongAW(window, GWLP_USERDATA);
}

LRESULT CALLBACK InnerChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousInnerProcedure(window);
    if (!previous) return 0;
    return CallWindowProcAW(previous, window, message, wParam, lParam);
}
