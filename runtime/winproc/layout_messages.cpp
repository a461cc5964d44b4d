// The layout rows of the window procedure: moves and sizes are recorded and
// docked controls laid out again.
#include "runtime/winproc/layout_messages.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/layout/layout.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

static void LayoutParentOf(HWND window) {
    LayoutDockedControls(ObjectFromHandle(GetParent(window)));
}

LRESULT OnShowWindow(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const BOOL show = (BOOL)m.WParam;
    const LPARAM status = m.LParam;
    if (status == 0) {
        object->Visible = show ? 1 : 0;
        if (IsDockableKind(object->Kind) && object->Align > DockNone) LayoutParentOf(window);
        if (show && object != ShownByCreation &&
            (IsWindowKind(object->Kind) || object->Kind == KindPictureBox ||
             object->Kind == KindGroupBox))
            NudgeSize(window);
    }
    return EventThenDefault(object, m);
}

LRESULT OnMove(WindowObject *object, const WindowMessage &m) {
    RecordPosition(object);
    return EventThenDefault(object, m);
}

LRESULT OnWindowPosChanged(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
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
    return EventThenDefault(object, m);
}

LRESULT OnSize(WindowObject *object, const WindowMessage &m) {
    const WPARAM sizeType = m.WParam;
    if (IsWindowKind(object->Kind) && sizeType != SIZE_MINIMIZED) {
        RecordSize(object, (int)sizeType);
        LayoutDockedControls(object);
        if (object->Kind == KindMdiFrame) {
            // DefFrameProc would size the MDI client over the docked bars.
            CallEventProcedure(object, m);
            return 0;
        }
    }
    return EventThenDefault(object, m);
}

LRESULT OnRelayout(WindowObject *object, const WindowMessage &m) {
    const bool ofParent = m.WParam != 0;
    if (ofParent)
        LayoutParentOf(m.Window);
    else
        LayoutDockedControls(object);
    return 0;
}
