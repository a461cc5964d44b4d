// The layout rows of the window procedure: moves and sizes are recorded and
// docked controls laid out again.
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/handlers.h"
#include "runtime/winproc/layout.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

static void LayoutParentOf(HWND window) {
    LayoutDockedControls(ObjectFromHandle(GetParent(window)));
}

LRESULT OnShowWindow(WindowObject *object, HWND window, BOOL show, LPARAM status) {
    if (status == 0) {
        object->Visible = show ? 1 : 0;
        if (IsDockableKind(object->Kind) && object->Align > DockNone) LayoutParentOf(window);
        if (show && (IsWindowKind(object->Kind) || object->Kind == KindPictureBox ||
                     object->Kind == KindGroupBox))
            NudgeSize(window);
    }
    return EventThenDefault(object, window, WM_SHOWWINDOW, show, status);
}

LRESULT OnMove(WindowObject *object, HWND window, LPARAM position) {
    RecordPosition(object);
    return EventThenDefault(object, window, WM_MOVE, 0, position);
}

LRESULT OnWindowPosChanged(WindowObject *object, HWND window, WINDOWPOS *position) {
    const int kind = object->Kind;
    if (!IsWindowKind(kind)) {
        RecordSize(object, 0);
        RecordPosition(object);
        if (IsDockableKind(kind)) LayoutParentOf(window);
        if (kind == KindPictureBox) LayoutDockedControls(object);
        if (kind == KindRebar) {
            InvalidateRect(window, nullptr, TRUE);
            SendMessageAW(window, WM_PAINT, 0, 0);
        }
    }
    return EventThenDefault(object, window, WM_WINDOWPOSCHANGED, 0, (LPARAM)position);
}

LRESULT OnSize(WindowObject *object, HWND window, WPARAM sizeType, LPARAM size) {
    if (IsWindowKind(object->Kind) && sizeType != SIZE_MINIMIZED) {
        RecordSize(object, (int)sizeType);
        LayoutDockedControls(object);
        if (object->Kind == KindMdiFrame) {
            // DefFrameProc would size the MDI client over the docked bars.
            CallEventProcedure(object, window, WM_SIZE, sizeType, size);
            return 0;
        }
    }
    return EventThenDefault(object, window, WM_SIZE, sizeType, size);
}

LRESULT OnRelayout(WindowObject *object, HWND window, WPARAM ofParent) {
    if (ofParent)
        LayoutParentOf(window);
    else
        LayoutDockedControls(object);
    return 0;
}
