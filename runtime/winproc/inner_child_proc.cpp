// InnerChildProc: the inner windows of combo boxes, extended combo boxes
// and IP address boxes pass their messages on to the procedure they had.
#include "runtime/winproc/creation_knot.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

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
